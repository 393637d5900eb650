#include "ui/program.h"

#include <QApplication>

#include <optional>

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    Program program(application);
    if (const std::optional<int> done = program.start(QCoreApplication::arguments())) {
        return *done;
    }
    const int result = application.exec();
    // Closed windows are deleted only when the event loop comes round again; it will not.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    return result;
}
