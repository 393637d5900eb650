#include "ui/qt_file_dialog.h"

#include "ui/program_look.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QScreen>
#include <QSplitter>
#include <QStandardPaths>
#include <QTreeView>

// What a dialog offers: the files of one kind, with the extension a name without one gets.
struct FileKind {
    QStringList nameFilters;
    QString suffix;
};

namespace {

const FileKind MechFiles{{"Vexolan Mechs (*.vexmech)", "All files (*)"}, "vexmech"};
const FileKind Pictures{{"PNG pictures (*.png)"}, "png"};

// The first of the folders that is there. A dialog given a folder that is not there opens its
// parent with the folder's name typed in as the file's, which Enter would then try to open.
QString firstFolderThere(const QStringList& folders) {
    for (const QString& folder : folders) {
        if (!folder.isEmpty() && QFileInfo(folder).isDir()) {
            return folder;
        }
    }
    return QDir::homePath();
}

// The dialog's size and the widths of its columns and sidebar, from what they are at one zoom to
// what they are at another. Qt's own dialog measures them in the face it starts with, that of
// actual size, and keeps the columns and sidebar for the next dialog as they were at its end.
void scaleDialog(QFileDialog& dialog, int from, int to) {
    const auto scaled = [from, to](int length) { return (length * to + from / 2) / from; };
    if (auto* files = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = files->header();
        for (int column = 0; column < header->count(); ++column) {
            header->resizeSection(column, scaled(header->sectionSize(column)));
        }
    }
    if (auto* splitter = dialog.findChild<QSplitter*>()) {
        QList<int> sizes = splitter->sizes();
        for (int& size : sizes) {
            size = scaled(size);
        }
        splitter->setSizes(sizes);
    }
    QSize size(scaled(dialog.width()), scaled(dialog.height()));
    if (const QScreen* screen = dialog.screen(); screen != nullptr && to > from) {
        size = size.boundedTo(screen->availableSize());
    }
    dialog.resize(size);
}

// Widens the columns of the files to show their headings whole, which Qt's own dialog sizes for
// the texts under them alone ("Date Modified" over a short date).
void fitHeadings(QFileDialog& dialog) {
    if (auto* files = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = files->header();
        for (int column = 0; column < header->count(); ++column) {
            header->resizeSection(
                column, std::max(header->sectionSize(column), header->sectionSizeHint(column)));
        }
    }
}

} // namespace

QtFileDialog::QtFileDialog(QWidget* owner, QString& lastFolder, std::function<int()> zoom)
    : owner_(owner), lastFolder_(lastFolder), zoom_(std::move(zoom)) {}

QString QtFileDialog::startFolder() const {
    return firstFolderThere(
        {lastFolder_, QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation)});
}

std::vector<std::string> QtFileDialog::chosen(QFileDialog& dialog, int zoom) {
    const bool accepted = dialog.exec() == QDialog::Accepted;
    scaleDialog(dialog, zoom, ActualZoom);
    if (!accepted) {
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

int QtFileDialog::setUp(QFileDialog& dialog, const FileKind& kind) const {
    dialog.setNameFilters(kind.nameFilters);
    dialog.setDefaultSuffix(kind.suffix);
    dialog.setWindowModality(Qt::ApplicationModal);
    // A desktop's own dialog knows nothing of a zoomed window; Qt's own grows with it.
    const int zoom = zoom_();
    dialog.setOption(QFileDialog::DontUseNativeDialog, zoom != ActualZoom);
    showAtZoom(dialog, zoom);
    scaleDialog(dialog, ActualZoom, zoom);
    fitHeadings(dialog);
    return zoom;
}

std::vector<std::string> QtFileDialog::chooseFilesToOpen() {
    QFileDialog dialog(owner_, "Open Mech", startFolder());
    const int zoom = setUp(dialog, MechFiles);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return chosen(dialog, zoom);
}

std::string QtFileDialog::chooseToSave(const std::string& suggested, const QString& title,
                                       const FileKind& kind) {
    const QFileInfo file(QString::fromStdString(suggested));
    QFileDialog dialog(owner_, title,
                       file.isAbsolute() ? firstFolderThere({file.absolutePath(), startFolder()})
                                         : startFolder());
    const int zoom = setUp(dialog, kind);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.selectFile(file.fileName());
    const std::vector<std::string> paths = chosen(dialog, zoom);
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
