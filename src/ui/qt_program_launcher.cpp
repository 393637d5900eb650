#include "ui/qt_program_launcher.h"

#include <QProcess>

bool QtProgramLauncher::start(const std::string& path) {
    return !path.empty() && QProcess::startDetached(QString::fromStdString(path), {});
}
