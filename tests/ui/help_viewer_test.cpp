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
        if (qobject_cast<HelpWindow*>(widget) != nullptr && widget->isVisible()) {
            ++count;
        }
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
    // The fixed installation path lands in the data folder beside the program's bin folder.
    void mapsTheFixedPathOntoTheDataFolder() {
        platform::QtHelpViewer viewer;
        const QString expected = QDir::cleanPath(QCoreApplication::applicationDirPath() +
                                                 QStringLiteral("/../share/vexolan/Vexo.html"));
        QCOMPARE(viewer.localPath(HelpFile), expected);
        QVERIFY2(QFileInfo::exists(expected), qPrintable(expected));
    }

    void requestOpensOneHelpWindow() {
        platform::QtHelpViewer viewer;
        QVERIFY(viewer.window() == nullptr);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        HelpWindow* window = viewer.window();
        QVERIFY(window != nullptr);
        QVERIFY(window->isVisible());
        QCOMPARE(window->windowTitle(), QStringLiteral("Vexolan Help"));
        QVERIFY(window->parentWidget() == nullptr);
        QVERIFY(!window->isModal());
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Calculate")));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Out of Range")));
        QCOMPARE(visibleHelpWindows(), 1);

        // A second request raises the same window with the same page.
        window->browser()->verticalScrollBar()->setValue(50);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(viewer.window(), window);
        QCOMPARE(visibleHelpWindows(), 1);
        QCOMPARE(window->browser()->verticalScrollBar()->value(), 50);
    }

    void closedWindowComesBackOnTheNextRequest() {
        platform::QtHelpViewer viewer;
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        viewer.window()->close();
        QCOMPARE(visibleHelpWindows(), 0);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(visibleHelpWindows(), 1);
    }

    void missingFileShowsTheNotFoundPage() {
        QTemporaryDir empty;
        platform::QtHelpViewer viewer(empty.path());
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QVERIFY(viewer.window()->isVisible());
        QVERIFY(pageText(viewer).contains(QStringLiteral("not found")));
        QVERIFY(pageText(viewer).contains(QString::fromStdString(HelpFile)));
        QVERIFY(viewer.window()->shownFile().isEmpty());

        // Once the file is there, the next request shows it in the same window.
        QFile file(empty.filePath(QStringLiteral("Vexo.html")));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("<html><body><p>Arrived later</p></body></html>");
        file.close();
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Arrived later")));
        QCOMPARE(visibleHelpWindows(), 1);
    }

    void anotherFileReplacesThePage() {
        platform::QtHelpViewer viewer;
        QVERIFY(viewer.showHelp("c:\\Program Files\\Vexo\\Other.hlp", ForceFile));
        QVERIFY(pageText(viewer).contains(QStringLiteral("not found")));
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Calculate")));
        // And back again: the help file is shown anew, not the page before it.
        QVERIFY(viewer.showHelp("c:\\Program Files\\Vexo\\Other.hlp", ForceFile));
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Calculate")));
        QCOMPARE(visibleHelpWindows(), 1);
    }

    void otherCommandsAreRefused() {
        platform::QtHelpViewer viewer;
        QVERIFY(!viewer.showHelp(HelpFile, 3));
        QVERIFY(viewer.window() == nullptr);
    }

    // Closing the last sheet ends the program even while help is open.
    void helpWindowDoesNotKeepTheProgramAlive() {
        platform::QtHelpViewer viewer;
        QWidget sheet;
        sheet.show();
        QVERIFY(QTest::qWaitForWindowExposed(&sheet));
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QSignalSpy lastClosed(qApp, &QGuiApplication::lastWindowClosed);

        QTimer::singleShot(0, &sheet, [&sheet] { sheet.close(); });
        QTimer watchdog; // ends the loop should the help window keep it running
        watchdog.setSingleShot(true);
        bool timedOut = false;
        connect(&watchdog, &QTimer::timeout, [&timedOut] {
            timedOut = true;
            QCoreApplication::quit();
        });
        watchdog.start(3000);
        QCoreApplication::exec();
        watchdog.stop();

        QVERIFY(!timedOut);
        QCOMPARE(lastClosed.count(), 1);
    }
};

QTEST_MAIN(HelpViewerTest)
#include "help_viewer_test.moc"
