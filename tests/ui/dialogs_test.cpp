// The About box, the help window and starting a program, on the offscreen platform.

#include "support/fake_platform.h"
#include "ui/about_dialog.h"
#include "ui/help_window.h"
#include "ui/qt_help_viewer.h"
#include "ui/qt_program_launcher.h"

#include <QApplication>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBrowser>
#include <QtTest>

#include <sys/wait.h>

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

QString pageText(const QtHelpViewer& viewer) {
    return viewer.window()->browser()->toPlainText();
}

} // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    template <typename T> static T* control(AboutDialog& dialog, const char* name) {
        auto* widget = dialog.findChild<T*>(name);
        return widget != nullptr ? widget : (qFatal("no control %s", name), nullptr);
    }

private slots:
    // The whole disclaimer reaches the box, every line of it; the box is modal and, at the zoom
    // of its sheet, grows with its faces. (Its look at actual size is a reference picture.)
    void aboutTextAndZoom() {
        FakePlatform fake;
        AboutDialog dialog(fake.services, nullptr, 150);
        QCOMPARE(dialog.windowModality(), Qt::ApplicationModal);
        QCOMPARE(control<QPlainTextEdit>(dialog, "Text1")->toPlainText(),
                 QString::fromStdString(dialog.model().Text1.text()).replace("\r\n", "\n"));
        QCOMPARE(dialog.size(), QSize(587, 363));
        QCOMPARE(control<QLabel>(dialog, "lblTitle")->font().pixelSize(), 24);
    }

    // OK is the default button and Esc means OK: both close the model too. System Info shows
    // its message and leaves the box open.
    void aboutButtons() {
        FakePlatform fake;
        for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Escape}) {
            AboutDialog dialog(fake.services, nullptr);
            auto* ok = control<QPushButton>(dialog, "cmdOK");
            QVERIFY(ok->isDefault());
            dialog.show();
            QVERIFY(QTest::qWaitForWindowExposed(&dialog));
            QTest::mouseClick(control<QPushButton>(dialog, "cmdSysInfo"), Qt::LeftButton);
            QVERIFY(dialog.isVisible());
            ok->setFocus();
            QTest::keyClick(&dialog, key);
            QVERIFY(!dialog.isVisible() && !dialog.model().isOpen());
        }
        QCOMPARE(fake.messageBox.shown,
                 std::vector<std::string>(2, "System Information Is Unavailable At This Time"));
    }

    // One non-modal window for all requests: a second request raises it as it was; once
    // closed, the next request brings it back. It never keeps the program alive.
    void secondHelpRequestOpensNoSecondWindow() {
        QtHelpViewer viewer;
        QVERIFY(!viewer.showHelp(HelpFile, 3));
        QVERIFY(viewer.window() == nullptr);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        HelpWindow* window = viewer.window();
        QVERIFY(window != nullptr && window->isVisible() && !window->isModal());
        QVERIFY(!window->testAttribute(Qt::WA_QuitOnClose));
        QVERIFY(pageText(viewer).contains(QStringLiteral("Calculate")));
        const int actualSize = window->browser()->font().pixelSize();
        viewer.setScale(200);
        window->browser()->verticalScrollBar()->setValue(50);
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(viewer.window(), window);
        QCOMPARE(visibleHelpWindows(), 1);
        QCOMPARE(window->browser()->verticalScrollBar()->value(), 50);
        QCOMPARE(window->browser()->font().pixelSize(), 2 * actualSize);
        window->close();
        QVERIFY(viewer.showHelp(HelpFile, ForceFile));
        QCOMPARE(visibleHelpWindows(), 1);
    }

    // A missing file gets the not-found page, no message box, and a later request shows the
    // file once it is there.
    void missingHelpFileShowsTheNotFoundPage() {
        QTemporaryDir empty;
        QtHelpViewer viewer(empty.path());
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
    }

    // Only a program that really runs counts as started, and it is never our child to collect.
    void startsOnlyAProgramThatRuns() {
        QtProgramLauncher launcher;
        QVERIFY(launcher.start("/bin/true"));
        for (const char* path : {"/nonexistent/vexolan-tool", "", "/etc/passwd", "/tmp"}) {
            QVERIFY2(!launcher.start(path), path);
        }
        QCOMPARE(::waitpid(-1, nullptr, WNOHANG), -1);
    }
};

QTEST_MAIN(DialogsTest)
#include "dialogs_test.moc"
