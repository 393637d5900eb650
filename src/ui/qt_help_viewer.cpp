#include "ui/qt_help_viewer.h"

#include "ui/help_window.h"
#include "ui/install_layout.h"

#include <QApplication>
#include <QDir>

namespace {

const QString InstallFolder = QStringLiteral("c:\\Program Files\\Vexo\\");
const QString OldExtension = QStringLiteral(".hlp");
const QString NewExtension = QStringLiteral(".html");

} // namespace

QtHelpViewer::QtHelpViewer(QString dataFolder) : dataFolder_(std::move(dataFolder)) {}

QtHelpViewer::~QtHelpViewer() {
    // Widgets may only go while the application object is there; without it they go with
    // the process.
    if (window_ && QCoreApplication::instance() != nullptr) {
        delete window_.data();
    }
}

QString QtHelpViewer::dataFolder() const {
    if (!dataFolder_.isEmpty()) {
        return dataFolder_;
    }
    return QCoreApplication::applicationDirPath() + "/../" + VEXOLAN_DATA_FOLDER + "/";
}

QString QtHelpViewer::localPath(const std::string& helpFile) const {
    QString path = QString::fromStdString(helpFile);
    if (path.startsWith(InstallFolder, Qt::CaseInsensitive)) {
        const QString inside = path.mid(InstallFolder.size()).replace('\\', '/');
        path = QDir::cleanPath(dataFolder() + '/' + inside);
    }
    if (path.endsWith(OldExtension, Qt::CaseInsensitive)) {
        path = path.left(path.size() - OldExtension.size()) + NewExtension;
    }
    return path;
}

bool QtHelpViewer::showHelp(const std::string& helpFile, int command) {
    // Only "show this file" is known; windows need the application object.
    if (command != platform::HelpViewer::ForceFile ||
        qobject_cast<QApplication*>(QCoreApplication::instance()) == nullptr) {
        return false;
    }
    if (!window_) {
        window_ = new HelpWindow();
    }
    window_->setZoom(scale_);
    const QString path = localPath(helpFile);
    // The file already shown is only brought to the front, never opened a second time.
    if (window_->shownFile() != path) {
        window_->showFile(path, QString::fromStdString(helpFile));
    }
    window_->setWindowState(window_->windowState() & ~Qt::WindowMinimized);
    window_->show();
    window_->raise();
    window_->activateWindow();
    return true;
}
