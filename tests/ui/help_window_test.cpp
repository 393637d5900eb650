// The help window behind the help viewer: one for all requests, at the zoom asked, with a page
// of its own when the help file is missing.

#include "ui/help_window.h"
#include "ui/program_look.h"
#include "ui/qt_help_viewer.h"

#include <QApplication>
#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBrowser>

namespace {

const std::string HelpFile = "c:\\Program Files\\Vexo\\Vexo.hlp";
constexpr int ForceFile = platform::HelpViewer::ForceFile;

QString pageText(const QtHelpViewer& viewer) {
    return viewer.window()->browser()->toPlainText();
}

} // namespace

class HelpWindowTest : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { applyProgramLook(*qApp); }

    // One non-modal window for all requests, never keeping the program alive: a second
    // request raises it as it was, at the zoom now asked; once closed, the next brings it back.
    void oneWindowForAllRequests() {
        QtHelpViewer viewer;
        QVERIFY(!viewer.showHelp(HelpFile, 3));
        QVERIFY(viewer.window() == nullptr);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        HelpWindow* window = viewer.window();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QVERIFY(!window->isModal());
        QCOMPARE(window->windowTitle(), QString("Vexolan Help"));
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Calculate")));
        const int actualSize = window->browser()->font().pixelSize();
        viewer.setScale(200);
        window->browser()->verticalScrollBar()->setValue(50);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(viewer.window(), window);
        QCOMPARE(window->browser()->verticalScrollBar()->value(), 50);
        QCOMPARE(window->browser()->font().pixelSize(), 2 * actualSize);
        window->close();
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QVERIFY(viewer.window()->isVisible());
        viewer.window()->close();
    }

    // A missing file gets the not-found page, no message box, and a later request shows the
    // file once it is there.
    void aMissingFileGetsAPageOfItsOwn() {
        QTemporaryDir empty;
        QtHelpViewer missing(empty.path());
        QVERIFY(missing.showHelp(HelpFile, ForceFile));
        QVERIFY(missing.window()->isVisible());
        QVERIFY(QApplication::activeModalWidget() == nullptr);
        QVERIFY(pageText(missing).contains("not found"));
        QVERIFY(pageText(missing).contains(QString::fromStdString(HelpFile)));
        QFile file(empty.filePath(QStringLiteral("Vexo.html")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        QVERIFY(file.write("<p>Arrived later</p>") > 0);
        file.close();
        QVERIFY(missing.showHelp(HelpFile, ForceFile));
        QVERIFY(pageText(missing).contains(QStringLiteral("Arrived later")));
    }
};

QTEST_MAIN(HelpWindowTest)
#include "help_window_test.moc"
