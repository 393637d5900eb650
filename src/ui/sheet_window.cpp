#include "ui/sheet_window.h"

#include "assembly/wire_combat_sheet.h"
#include "layout/lance_scene.h"
#include "layout/sheet_layout.h"
#include "mechfile/file_menu.h"
#include "ui/about_dialog.h"
#include "ui/program_look.h"
#include "ui/qt_lance.h"
#include "ui/range_chart_window.h"
#include "ui/shared_services.h"
#include "ui/sheet_binding.h"
#include "ui/sheet_form.h"

#include <QApplication>
#include <QCloseEvent>
#include <QKeySequence>
#include <QMenu>
#include <QMenuBar>

#include <QFileInfo>

#include <algorithm>
#include <map>
#include <vector>

namespace {

// The entries that zoom a sheet, whose keys work in its range chart too.
constexpr Member<Command> ZoomCommands[] = {&CombatSheet::mnuZoomIn, &CombatSheet::mnuZoomOut,
                                            &CombatSheet::mnuActualSize};

// Whether two paths lead to the same file, whichever links and folders lie on the way.
bool sameFile(const std::string& a, const std::string& b) {
    const auto whole = [](const std::string& path) {
        const QFileInfo file(QFile::decodeName(path.c_str()));
        const QString canonical = file.canonicalFilePath();
        return canonical.isEmpty() ? file.absoluteFilePath() : canonical;
    };
    return !a.empty() && !b.empty() && whole(a) == whole(b);
}

} // namespace

SheetWindow::SheetWindow(SharedServices& shared, WindowServiceOverrides overrides, int zoom)
    : shared_(shared), messageBox_(this, [this] { return sheet_.zoom; }),
      help_(shared.help, sheet_),
      fileDialog_(this, shared.lastFolder, [this] { return sheet_.zoom; }),
      services_{overrides.messageBox ? *overrides.messageBox : messageBox_,
                overrides.windows ? *overrides.windows : *this,
                shared.clipboard,
                shared.registry,
                shared.launcher,
                shared.files,
                help_,
                shared.fileStore,
                overrides.fileDialog ? *overrides.fileDialog : fileDialog_},
      sheet_(services_) {
    wireCombatSheet(sheet_);
    sheet_.zoom = zoom;
    form_ = new SheetForm(sheet_, this);
    setCentralWidget(form_);
    binding_ = std::make_unique<SheetBinding>(sheet_, *form_, buildMenuBar());
    connect(binding_.get(), &SheetBinding::refreshed, this, [this] {
        if (form_->zoom() != sheet_.zoom) {
            showZoom();
        }
        showTitle();
        if (rangeChart_ != nullptr) {
            rangeChart_->refresh();
        }
        if (shared_.lance != nullptr) {
            shared_.lance->sheetChanged();
        }
        emit sheetRefreshed();
    });
    showZoom();
    showTitle();
    if (shared_.lance != nullptr) {
        shared_.lance->joined(*this, sheet_, [this] { refresh(); });
    }
}

// The toolkit reads "[*]" in a title as its place for the modified mark and shows a doubled
// one as "[*]": doubling each shows the names exactly as typed, and the mark follows them.
void SheetWindow::showTitle() {
    const QString title = QString::fromStdString(sheet_.title()).replace("[*]", "[*][*]") + "[*]";
    if (windowTitle() != title) {
        setWindowTitle(title);
    }
    setWindowModified(hasUnsavedChanges(sheet_));
}

// The sheet's controls, captions, lines and client area, and the menus with them, grow and
// shrink together; the window takes the sheet's new size.
void SheetWindow::showZoom() {
    showAtZoom(*this, sheet_.zoom);
    if (form_->zoom() != sheet_.zoom) {
        form_->applyZoom(sheet_.zoom);
    }
    // The menu bar takes the window's font; the menus, windows of their own, do not.
    for (QMenu* menu : menuBar()->findChildren<QMenu*>()) {
        menu->setFont(sheetFont(sheet_.zoom));
    }
    resize(form_->sizeHint() + QSize(0, menuBar()->sizeHint().height()));
}

// The chart works on this window's services and listens to its refreshes: it goes first, while
// they are all still there, rather than with the window's other children at the very end.
SheetWindow::~SheetWindow() {
    delete rangeChart_.data();
    leaveLance();
}

void SheetWindow::leaveLance() {
    if (shared_.lance != nullptr) {
        shared_.lance->left(sheet_);
    }
}

SheetWindow* SheetWindow::open(SharedServices& shared, const std::string& mechFile, int zoom) {
    if (SheetWindow* holder = holding(mechFile)) {
        holder->raise();
        holder->activateWindow();
        return holder;
    }
    auto window = std::make_unique<SheetWindow>(shared, WindowServiceOverrides{}, zoom);
    if (!mechFile.empty()) {
        const bool opened = openMechFile(window->sheet_, mechFile);
        window->refresh();
        if (!opened) {
            return nullptr;
        }
    }
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
    return window.release();
}

// The menu table's entries in its order; a drop-down menu has no action of its own.
std::vector<QAction*> SheetWindow::buildMenuBar() {
    std::vector<QAction*> entries;
    std::map<std::string, QMenu*> menus;
    for (const sheet::MenuEntry& entry : sheet::sheetMenu()) {
        if (!entry.command) {
            QMenu* menu = menuBar()->addMenu(markedCaption(SheetScene::menuCaption(sheet_, entry)));
            menu->setObjectName(QString::fromStdString(entry.name));
            menus[entry.name] = menu;
            entries.push_back(nullptr);
            continue;
        }
        const QString caption = markedCaption(SheetScene::menuCaption(sheet_, entry));
        QAction* action = entry.menu.empty() ? menuBar()->addAction(caption)
                                             : menus.at(entry.menu)->addAction(caption);
        action->setObjectName(QString::fromStdString(formName(*entry.command)));
        QList<QKeySequence> keys;
        for (const char* key : entry.keys) {
            keys << QKeySequence(QString::fromLatin1(key));
        }
        action->setShortcuts(keys);
        if (std::ranges::find(ZoomCommands, *entry.command) != std::end(ZoomCommands)) {
            zoomActions_.push_back(action);
        }
        entries.push_back(action);
        addLanceEntries(entry.menu.empty() ? nullptr : menus.at(entry.menu), *entry.command);
    }
    return entries;
}

// The lance's entries that follow the sheet's command in its drop-down menu; the lance's, and
// the same, in every sheet window.
void SheetWindow::addLanceEntries(QMenu* menu, Member<Command> after) {
    if (shared_.lance == nullptr || menu == nullptr) {
        return;
    }
    for (const LanceScene::MenuEntry& entry : LanceScene::menu()) {
        if (entry.after == after) {
            menu->addAction(shared_.lance->action(entry.command));
        }
    }
}

// The new sheet has no owner: it lives on when the sheet that opened it closes.
void SheetWindow::openSheet() {
    open(shared_, {}, sheet_.zoom);
}

bool SheetWindow::openSheetFor(const std::string& path) {
    return open(shared_, path, sheet_.zoom) != nullptr;
}

bool SheetWindow::showSheetFor(const std::string& path) {
    SheetWindow* holder = holding(path);
    if (holder != nullptr) {
        holder->raise();
        holder->activateWindow();
    }
    return holder != nullptr;
}

bool SheetWindow::otherSheetHolds(const std::string& path) {
    SheetWindow* holder = holding(path);
    return holder != nullptr && holder != this;
}

SheetWindow* SheetWindow::holding(const std::string& path) {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* sheet = qobject_cast<SheetWindow*>(window);
        if (sheet != nullptr && sheet->isVisible() && sameFile(sheet->sheet_.mechFile, path)) {
            return sheet;
        }
    }
    return nullptr;
}

void SheetWindow::closeSheet() {
    close();
}

// Each sheet is closed as its own close box would close it; the ones already asked about and
// closed stay closed when a later one's user cancels.
void SheetWindow::closeAllSheets() {
    std::vector<QPointer<SheetWindow>> sheets{this};
    for (QWidget* window : QApplication::topLevelWidgets()) {
        auto* sheet = qobject_cast<SheetWindow*>(window);
        if (sheet != nullptr && sheet != this && sheet->isVisible()) {
            sheets.emplace_back(sheet);
        }
    }
    for (const QPointer<SheetWindow>& sheet : sheets) {
        if (sheet != nullptr && sheet->isVisible() && !sheet->close()) {
            return;
        }
    }
}

void SheetWindow::openAboutBox() {
    AboutDialog dialog(services_, this, sheet_.zoom);
    dialog.exec();
}

// The chart belongs to this sheet: a window of its own, but made, and gone, with the sheet.
// The View menu's zoom keys work in it as they do on the sheet.
void SheetWindow::openRangeChart() {
    if (rangeChart_ == nullptr) {
        rangeChart_ = new RangeChartWindow(sheet_, services_, this);
        rangeChart_->addActions({zoomActions_.begin(), zoomActions_.end()});
    }
    rangeChart_->show();
    rangeChart_->raise();
    rangeChart_->activateWindow();
}

void SheetWindow::refresh() {
    binding_->refresh();
}

RangeChartWindow* SheetWindow::rangeChart() const {
    return rangeChart_;
}

// A sheet with changes its file lacks closes only once its user has said what becomes of
// them. The program ends with its last sheet window, whatever other window may still be open.
void SheetWindow::closeEvent(QCloseEvent* event) {
    QMainWindow::closeEvent(event);
    if (event->isAccepted() && !mayClose(sheet_)) {
        refresh();
        event->ignore();
    }
    if (!event->isAccepted()) {
        return;
    }
    if (rangeChart_ != nullptr) {
        rangeChart_->close();
    }
    leaveLance();
    if (!otherSheetOpen()) {
        QCoreApplication::quit();
    }
}

bool SheetWindow::otherSheetOpen() const {
    for (QWidget* window : QApplication::topLevelWidgets()) {
        if (window != this && window->isVisible() && qobject_cast<SheetWindow*>(window)) {
            return true;
        }
    }
    return false;
}
