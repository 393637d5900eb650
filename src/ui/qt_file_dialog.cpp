#include "ui/qt_file_dialog.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

// One user works in one place: the next dialog starts where the last one ended.
QString& lastFolder() {
    static QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return folder;
}

void setUp(QFileDialog& dialog) {
    dialog.setNameFilters({"Vexolan Mechs (*.vexmech)", "All files (*)"});
    dialog.setDefaultSuffix("vexmech");
    dialog.setWindowModality(Qt::ApplicationModal);
}

std::vector<std::string> chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles()) {
        paths.push_back(path.toStdString());
        // A path typed whole may lead elsewhere than the folder the dialog shows.
        lastFolder() = QFileInfo(path).absolutePath();
    }
    return paths;
}

} // namespace

std::vector<std::string> QtFileDialog::chooseFilesToOpen() {
    QFileDialog dialog(owner_, "Open Mech", lastFolder());
    setUp(dialog);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return chosen(dialog);
}

std::string QtFileDialog::chooseFileToSave(const std::string& suggested) {
    const QFileInfo file(QString::fromStdString(suggested));
    QFileDialog dialog(owner_, "Save Mech As",
                       file.isAbsolute() ? file.absolutePath() : lastFolder());
    setUp(dialog);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(file.fileName());
    const std::vector<std::string> paths = chosen(dialog);
    return paths.empty() ? std::string() : paths.front();
}
