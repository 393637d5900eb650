#include "ui/qt_file_dialog.h"

#include "ui/program_look.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
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
const FileKind LanceFiles{{"Vexolan lance (*.vexlance)", "All files (*)"}, "vexlance"};

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
    if (from == to) {
        return;
    }
    const auto scaled = [from, to](int length) { return (length * to + from / 2) / from; };
    if (auto* files = dialog.findChild<QTreeView*>()) {
        QHeaderView* header = files->header();
        for (int column = 0; column < header->count(); ++column) {
            header->resizeSection(column, scaled(header->sectionSize(column)));
        }
    }
    // The places beside the files: at the zoom, as wide as their names then need; back at
    // actual size, as wide as they were at the zoom, scaled back.
    if (auto* splitter = dialog.findChild<QSplitter*>(); splitter && splitter->count() == 2) {
        const int places = to == ActualZoom ? scaled(splitter->sizes().constFirst())
                                            : splitter->widget(0)->sizeHint().width();
        splitter->setSizes({places, splitter->widget(1)->sizeHint().width()});
    }
    QSize size(scaled(dialog.width()), scaled(dialog.height()));
    if (const QScreen* screen = dialog.screen(); screen != nullptr && to > from) {
        size = size.boundedTo(screen->availableSize());
    }
    dialog.resize(size);
}

void widenColumn(QHeaderView& header, int column, int width) {
    header.resizeSection(column, std::max(header.sectionSize(column), width));
}

// Once a folder's files are in: the sizes, types and dates show whole, and the names give up
// room for them, down to their heading's; a long name is then cut short in the middle.
void fitFiles(QTreeView& files) {
    const QAbstractItemView& view = files;
    QHeaderView& header = *files.header();
    int others = 0;
    for (int column = 1; column < header.count(); ++column) {
        widenColumn(header, column, view.sizeHintForColumn(column));
        others += header.sectionSize(column);
    }
    const int names = std::max(files.viewport()->width() - others, header.sectionSizeHint(0));
    header.resizeSection(0, std::min(header.sectionSize(0), names));
}

// Widens the columns of the files to show their headings whole, and their files once they are
// in: Qt's own dialog sizes the columns for short samples of its own ("Date Modified" over
// "10/29/81 02:02PM").
void fitColumns(QFileDialog& dialog) {
    auto* files = dialog.findChild<QTreeView*>();
    if (files == nullptr) {
        return;
    }
    for (int column = 0; column < files->header()->count(); ++column) {
        widenColumn(*files->header(), column, files->header()->sectionSizeHint(column));
    }
    if (auto* model = dialog.findChild<QFileSystemModel*>()) {
        QObject::connect(model, &QFileSystemModel::directoryLoaded, &dialog,
                         [files] { fitFiles(*files); });
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
    fitColumns(dialog);
    return zoom;
}

std::vector<std::string> QtFileDialog::chooseFilesToOpen() {
    QFileDialog dialog(owner_, "Open Mech", startFolder());
    const int zoom = setUp(dialog, MechFiles);
    dialog.setFileMode(QFileDialog::ExistingFiles);
    return chosen(dialog, zoom);
}

std::string QtFileDialog::chooseLanceToOpen() {
    QFileDialog dialog(owner_, "Open Lance", startFolder());
    const int zoom = setUp(dialog, LanceFiles);
    dialog.setFileMode(QFileDialog::ExistingFile);
    const std::vector<std::string> paths = chosen(dialog, zoom);
    return paths.empty() ? std::string() : paths.front();
}

std::string QtFileDialog::chooseLanceToSave(const std::string& suggested) {
    return chooseToSave(suggested, "Save Lance As", LanceFiles);
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
