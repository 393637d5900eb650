#include "platform/qt_clipboard.h"
#include "platform/qt_help_viewer.h"
#include "ui/help_window.h" // the help viewer's window() needs the complete type
#include "ui/program_look.h"
#include "ui/shared_services.h"
#include "ui/sheet_window.h"

#include <QApplication>

// The system's own registry, program start and file test where there is one; stand-ins elsewhere.
#ifdef _WIN32
#include "platform/win32_file_checker.h"
#include "platform/win32_program_launcher.h"
#include "platform/win32_registry.h"
using SystemRegistry = platform::Win32Registry;
using SystemProgramLauncher = platform::Win32ProgramLauncher;
using SystemFileChecker = platform::Win32FileChecker;
#else
#include "platform/posix_file_checker.h"
#include "platform/posix_program_launcher.h"
#include "platform/posix_registry.h"
using SystemRegistry = platform::PosixRegistry;
using SystemProgramLauncher = platform::PosixProgramLauncher;
using SystemFileChecker = platform::PosixFileChecker;
#endif

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    QApplication::setApplicationName("Vexolan");
    applyProgramLook(application);

    // One of each for the whole program; every sheet window uses them.
    platform::QtClipboard clipboard;
    SystemRegistry registry;
    SystemProgramLauncher launcher;
    SystemFileChecker files;
    platform::QtHelpViewer help;
    SharedServices shared{clipboard, registry, launcher, files, help};

    auto* window = new SheetWindow(shared);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    const int result = application.exec();
    // Closed windows are deleted only when the event loop comes round again; it will not.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
