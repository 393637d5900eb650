// One running program per user and display: the server's name, and the built program started
// while another runs, handing its files over and ending.

#include "support/window_test.h"
#include "ui/command_line.h"
#include "ui/program.h"
#include "ui/program_server.h"
#include "ui/sheet_window.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QMessageBox>
#include <QProcess>
#include <QProcessEnvironment>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QWindow>

#include <optional>
#include <tuple>

class ProgramServerTest : public QObject {
    Q_OBJECT

private slots:
    // Another user, another display, another session's runtime folder: another name. A
    // Wayland display wins over the X server it may carry along; a test names its own.
    void theNameBelongsToOneUserAndOneDisplay() {
        const QString runtime = dir_.path();
        // clang-format off
        const std::tuple<const char*, QStringList, QString, QString, QString> cases[] = {
            // name, environment (NAME=value), user, platform, the server's name
            {"X", {"DISPLAY=:0"}, "1000", "xcb", "vexolan-1000-_0"},
            {"OtherUser", {"DISPLAY=:0"}, "1001", "xcb", "vexolan-1001-_0"},
            {"OtherDisplay", {"DISPLAY=:1"}, "1000", "xcb", "vexolan-1000-_1"},
            {"Wayland", {"DISPLAY=:0", "WAYLAND_DISPLAY=wayland-0"}, "1000", "wayland", "vexolan-1000-wayland-0"},
            {"WaylandPath", {"WAYLAND_DISPLAY=/run/user/7/wayland-1"}, "7", "wayland", "vexolan-7-_run_user_7_wayland-1"},
            {"NoDisplay", {}, "1000", "offscreen", "vexolan-1000-offscreen"},
            {"RuntimeFolder", {"DISPLAY=:0", "XDG_RUNTIME_DIR=" + runtime}, "1000", "xcb", runtime + "/vexolan-1000-_0"},
            {"NoRuntimeFolder", {"DISPLAY=:0", "XDG_RUNTIME_DIR=" + runtime + "/none"}, "1000", "xcb", "vexolan-1000-_0"},
            {"ChosenByATest", {"DISPLAY=:0", "VEXOLAN_SERVER=/tmp/mine"}, "1000", "xcb", "/tmp/mine"},
        };
        // clang-format on
        for (const auto& [name, variables, user, platform, expected] : cases) {
            QProcessEnvironment environment;
            for (const QString& variable : variables) {
                environment.insert(variable.section('=', 0, 0), variable.section('=', 1));
            }
            QVERIFY2(ProgramServer::nameFor(environment, user, platform) == expected, name);
        }
    }

    // A program that was killed leaves its socket behind, with nobody listening: the next
    // program takes the name over. The built program, started while this one runs under that
    // name, hands its files over and ends: this program shows the file's sheet in front, and
    // names a file that does not open in a message, the others opening all the same. Started
    // again for the same file it opens no second sheet but brings the one that holds the file
    // to the front; started without a file, it has a new sheet opened here.
    void aLaterStartHandsItsFilesToTheRunningProgram() {
        const QString server = dir_.filePath("left-behind");
        // The built programs started here take that name, with no window system.
        qputenv("VEXOLAN_SERVER", server.toLocal8Bit());
        qputenv("QT_QPA_PLATFORM", "offscreen");
        QProcess killed;
        killed.start(VEXOLAN_PROGRAM, QStringList());
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo(server).exists(), 60000);
        killed.kill();
        QVERIFY(killed.waitForFinished());
        QVERIFY(QFileInfo(server).exists());
        const QString mech = dir_.filePath("quillfen.vexmech");
        QVERIFY(QFile::copy(ExampleMechFile, mech));
        QStringList messages;
        const auto dismisser = answerModals<QMessageBox>([&messages](QMessageBox* box) {
            messages << box->text();
            box->accept();
        });
        Program program(*qApp);
        QCOMPARE(program.start(CommandLine({"vexolan"}), server), std::nullopt);
        QCOMPARE(sheetTitles(), QStringList{"Vexolan"});
        SheetWindow* blank = visibleSheets().front();
        QVERIFY(QTest::qWaitForWindowActive(blank));

        QCOMPARE(startLater({dir_.filePath("none.vexmech"), mech}), 0);
        QTRY_COMPARE(messages.size(), qsizetype{1});
        QTRY_COMPARE(sheetTitles(), QStringList({"Ilsa Marrow:Quillfen QF-2", "Vexolan"}));
        QTRY_COMPARE(activeTitle(), QString("Ilsa Marrow:Quillfen QF-2"));

        QVERIFY(showActive(*blank));
        QCOMPARE(startLater({mech}), 0);
        QTRY_COMPARE(activeTitle(), QString("Ilsa Marrow:Quillfen QF-2"));
        QCOMPARE(sheetTitles(), QStringList({"Ilsa Marrow:Quillfen QF-2", "Vexolan"}));

        QCOMPARE(startLater({}), 0);
        QTRY_COMPARE(sheetTitles(),
                     QStringList({"Ilsa Marrow:Quillfen QF-2", "Vexolan", "Vexolan"}));
        deleteSheets(); // while the program whose services they use is still there
    }

private:
    static QString activeTitle() {
        QWidget* active = QApplication::activeWindow();
        return active == nullptr ? QString() : active->windowHandle()->title();
    }
    // The exit status of the built program, started with these files; this program serves it
    // meanwhile.
    static int startLater(const QStringList& files) {
        QProcess later;
        QSignalSpy finished(&later, &QProcess::finished);
        later.setProcessChannelMode(QProcess::ForwardedChannels);
        later.start(VEXOLAN_PROGRAM, files);
        if (!finished.wait(60000)) {
            return -1; // the process is killed as it goes
        }
        return later.exitStatus() == QProcess::NormalExit ? later.exitCode() : -2;
    }

    QTemporaryDir dir_;
};

QTEST_MAIN(ProgramServerTest)
#include "program_server_test.moc"
