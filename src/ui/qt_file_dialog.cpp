#include "ui/qt_file_dialog.h"

#include "ui/program_look.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

// What a dialog offers: the files of one kind, with the extension a name without one gets.
struct FileKind {
    QStringList nameFilters;
    QString suffix;
};

namespace {

const FileKind MechFiles{{"Vexolan Mechs (*.vexmech)", "All files (*)"}, "vexmech"};
const FileKind Pictures{{"PNG pictures (*.png)"}, "png"};

} // namespace

QtFileDialog::QtFileDialog(QWidget* owner, QString& lastFolder, std::function<int()> zoom)
    : owner_(owner), lastFolder_(lastFolder), zoom_(std::move(zoom)) {
    if (lastFolder_.isEmpty()) {
        lastFolder_ = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    }
}

std::vector<std::string> QtFileDialog::chosen(QFileDialog& dialog) {
    if (dialog.exec() != QDialog::Accepted) {
        return {};
    }
    std::vector<std::string> paths;
    for (const QString& path : dialog.selectedFiles()) {
        paths.push_back(path.toStdString());
        // A path typed whole may lead elsewhere than the folder the dialog shows.
        lastFolder_ = QFileInfo(path).absolutePath();
    }
    return paths;
}

void QtFileDialog::setUp(QFileDialog& dialog, const FileKind& kind) const {
    dialog.setNameFilters(kind.nameFilters);
    dialog.setDefaultSuffix(kind.suffix);
    dialog.setWindowModality(Qt::ApplicationModal);
    // A desktop's own dialog knows nothing of a zoomed window; Qt's own grows with it.
    const int zoom = zoom_();
    dialog.setOption(QFileDialog::DontUseNativeDialog, zoom != ActualZoom);
    showAtZoom(dialog, zoom);
}

std::vector<std::string> QtFileDialog::chooseFilesToOpen() {
    QFileDialog dialog(owner_, "Open Mech", lastFolder_);
    setUp(dialog, MechFiles);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return chosen(dialog);
}

std::string QtFileDialog::chooseToSave(const std::string& suggested, const QString& title,
                                       const FileKind& kind) {
    const QFileInfo file(QString::fromStdString(suggested));
    QFileDialog dialog(owner_, title, file.isAbsolute() ? file.absolutePath() : lastFolder_);
    setUp(dialog, kind);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(file.fileName());
    const std::vector<std::string> paths = chosen(dialog);
    return paths.empty() ? std::string() : paths.front();
}

std::string QtFileDialog::chooseFileToSave(const std::string& suggested) {
    return chooseToSave(suggested, "Save Mech As", MechFiles);
}

std::string QtFileDialog::choosePictureToSave(const std::string& suggested) {
    return chooseToSave(suggested, "Save Picture", Pictures);
}

QStringList QtFileDialog::nameFilters(Kind kind) {
    return kind == Kind::MechFiles ? MechFiles.nameFilters : Pictures.nameFilters;
}
