#include "ui/program.h"

#include <QApplication>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Program program(application);
    program.openSheet();
    const int result = application.exec();
    // Closed windows are deleted only when the event loop comes round again; it will not.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
