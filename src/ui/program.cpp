#include "ui/program.h"

#include "ui/program_look.h"
#include "ui/sheet_window.h"

#include <QApplication>

Program::Program(QApplication& application) {
    QApplication::setApplicationName("Vexolan");
    applyProgramLook(application);
}

SheetWindow* Program::openSheet() {
    auto* window = new SheetWindow(shared_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window;
}
