#include "ui/program.h"

#include "ui/program_look.h"
#include "ui/sheet_window.h"

#include <QApplication>

Program::Program(QApplication& application) {
    QApplication::setApplicationName("Vexolan");
    applyProgramLook(application);
}

SheetWindow* Program::openSheet(const std::string& mechFile) {
    return SheetWindow::open(shared_, mechFile);
}
