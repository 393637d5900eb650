#pragma once

// The program as a whole: its look, the platform services that all its sheet windows share,
// its command line and the opening of sheets.

#include "ui/program_server.h"
#include "ui/qt_clipboard.h"
#include "ui/qt_help_viewer.h"
#include "ui/qt_lance.h"
#include "ui/qt_program_launcher.h"
#include "ui/shared_services.h"

#ifdef _WIN32
#include "platform/win32_file_checker.h"
#include "platform/win32_registry.h"
#include "ui/qt_file_store.h"
#else
#include "platform/posix_file_checker.h"
#include "platform/posix_file_store.h"
#include "platform/posix_registry.h"
#endif

#include <QString>

#include <optional>
#include <string>
#include <vector>

class CommandLine;
class QApplication;
class SheetWindow;

class Program {
public:
    // Gives the application its name and look; create it after the application object.
    explicit Program(QApplication& application);
    Program(const Program&) = delete;
    Program& operator=(const Program&) = delete;

    // The program's name and version, which --version prints; needs no application object.
    static void setNameAndVersion();
    // Opens a sheet for each Mech file the command line names, or one new sheet when it names
    // none or none of them opens. Given --help, --version or an option it does not know, it
    // opens nothing, says what it has to say, and gives the status to end the program with.
    // Given the name of a server (ProgramServer::name()), a program that listens under it
    // already gets the files instead, and this one ends at once; else this one listens there
    // for later starts.
    std::optional<int> start(const CommandLine& commandLine, const QString& serverName = {});
    // A new sheet window, shown, that lives until its close box is used; with a Mech file, as
    // SheetWindow::open has it.
    SheetWindow* openSheet(const std::string& mechFile = {});
    QtLance& lance() { return lance_; }

private:
    // A later start's files: each raises the sheet that holds it or opens on one of its own;
    // without files, a new sheet.
    void takeFiles(const std::vector<std::string>& files);
    // A Mech file on a sheet of its own, or a lance file on the sheets it needs; whether it
    // opened.
    bool openFile(const std::string& file);
    CombatSheet& openEmptySheet();

    // The system's own registry and file test where there is one; stand-ins elsewhere. Files
    // are read and written by names as the system has them.
#ifdef _WIN32
    platform::Win32Registry registry_;
    platform::Win32FileChecker files_;
    QtFileStore fileStore_;
#else
    platform::PosixRegistry registry_;
    platform::PosixFileChecker files_;
    platform::PosixFileStore fileStore_;
#endif
    QtClipboard clipboard_;
    QtProgramLauncher launcher_;
    QtHelpViewer help_;
    QString lastFolder_;
    SharedServices shared_{clipboard_, registry_,  launcher_,   files_,
                           help_,      fileStore_, lastFolder_, &lance_};
    QtLance lance_{shared_, [this]() -> CombatSheet& { return openEmptySheet(); }};
    ProgramServer server_{[this](const std::vector<std::string>& files) { takeFiles(files); }};
};
