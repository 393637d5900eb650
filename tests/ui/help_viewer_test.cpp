#include "platform/qt_help_viewer.h"
#include "ui/help_window.h"

#include <QApplication>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

namespace {

const std::string HelpFile = "c:\\Program Files\\Vexo\\Vexo.hlp";
constexpr int ForceFile = platform::HelpViewer::ForceFile;

int visibleHelpWindows() {
    int count = 0;
    for (QWidget* widget : QApplication::topLevelWidgets()) {
        count += qobject_cast<HelpWindow*>(widget) != nullptr && widget->isVisible();
    }
    return count;
}

QString pageText(const platform::QtHelpViewer& viewer) {
    return viewer.window()->browser()->toPlainText();
}

} // namespace

class HelpViewerTest : public QObject {
    Q_OBJECT

private slots:
    // One non-modal window for all requests: a second request raises it as it was; once
    // closed, the next request brings it back. It never keeps the program alive.
    void secondRequestOpensNoSecondWindow() {
        platform::QtHelpViewer viewer;
        QVERIFY(!viewer.showHelp(HelpFile, 3));
        QVERIFY(viewer.window() == nullptr);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        HelpWindow* window = viewer.window();
        QVERIFY(window != nullptr && window->isVisible() && !window->isModal());
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Calculate")));
        window->browser()->verticalScrollBar()->setValue(50);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(viewer.window(), window);
        QCOMPARE(visibleHelpWindows(), 1);
        QCOMPARE(window->browser()->verticalScrollBar()->value(), 50);
        window->close();
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(visibleHelpWindows(), 1);
    }

    // A missing file gets the not-found page, no message box, and a later request shows the
    // file once it is there.
    void missingFileShowsTheNotFoundPage() {
        QTemporaryDir empty;
        platform::QtHelpViewer viewer(empty.path());
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QVERIFY(viewer.window()->isVisible() && QApplication::activeModalWidget() == nullptr);
        QVERIFY(pageText(viewer).contains(QStringLiteral("not found")));
        QVERIFY(pageText(viewer).contains(QString::fromStdString(HelpFile)));
        QFile file(empty.filePath(QStringLiteral("Vexo.html")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p>Arrived later</p></body></html>");
        file.close();
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Arrived later")));
        QCOMPARE(visibleHelpWindows(), 1);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
