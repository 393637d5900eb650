#include "ui/qt_lance.h"

#include "layout/lance_scene.h"
#include "layout/twips.h"
#include "ui/lance_window.h"
#include "ui/shared_services.h"

#include <QAction>
#include <QApplication>
#include <QDir>
#include <QKeySequence>

#include <algorithm>

QtLance::QtLance(SharedServices& shared, SheetOpener openSheet)
    : shared_(shared), openSheet_(std::move(openSheet)),
      messageBox_(nullptr, [this] { return zoom(); }),
      fileDialog_(nullptr, shared.lastFolder, [this] { return zoom(); }),
      services_{messageBox_,  *this,       shared.clipboard, shared.registry, shared.launcher,
                shared.files, shared.help, shared.fileStore, fileDialog_},
      lance_(services_) {
    lance_.viewCommand.onClick([this] { showView(); });
    lance_.openCommand.onClick([this] { chooseFileToOpen(); });
    lance_.saveAsCommand.onClick([this] { chooseFileToSave(); });
    for (const LanceScene::MenuEntry& entry : LanceScene::menu()) {
        const Command& command = lance_.*entry.command;
        auto* action = new QAction(QString::fromStdString(command.caption()), this);
        action->setObjectName(QString::fromStdString("lance:" + command.plainCaption()));
        QList<QKeySequence> keys;
        for (const char* key : entry.keys) {
            keys << QKeySequence(QString::fromLatin1(key));
        }
        action->setShortcuts(keys);
        connect(action, &QAction::triggered, this, [this, member = entry.command] { run(member); });
        actions_.emplace_back(entry.command, action);
    }
    sheetChanged();
}

// The view reads the sheets through the lance: it goes while they are all still there. A sheet
// window that outlives the lance no longer tells it anything.
QtLance::~QtLance() {
    delete view_.data();
    shared_.lance = nullptr;
}

QAction* QtLance::action(Command Lance::*command) const {
    const auto found = std::ranges::find_if(
        actions_, [command](const auto& entry) { return entry.first == command; });
    return found == actions_.end() ? nullptr : found->second;
}

LanceWindow* QtLance::view() const {
    return view_;
}

void QtLance::joined(QWidget& window, CombatSheet& sheet, std::function<void()> refresh) {
    members_.push_back({&window, &sheet, std::move(refresh)});
    lance_.opened(sheet);
    sheetChanged();
}

void QtLance::left(const CombatSheet& sheet) {
    if (!lance_.indexOf(sheet)) {
        return;
    }
    std::erase_if(members_, [&sheet](const Member& member) { return member.sheet == &sheet; });
    lance_.closed(sheet);
    sheetChanged();
}

void QtLance::sheetChanged() {
    if (view_ != nullptr) {
        view_->refresh();
    }
    for (const auto& [command, action] : actions_) {
        action->setEnabled((lance_.*command).enabled());
    }
}

// Next Turn and its undo change the sheets behind their windows' backs, and an undo tells no
// one: every window shows its sheet again after any of the lance's commands.
void QtLance::run(Command Lance::*command) {
    (lance_.*command).userClick();
    refreshSheets();
}

void QtLance::refreshSheets() {
    for (const Member& member : members_) {
        member.refresh();
    }
    sheetChanged();
}

void QtLance::showView() {
    if (view_ == nullptr) {
        view_ = new LanceWindow(lance_);
        view_->setAttribute(Qt::WA_DeleteOnClose);
        for (const auto& [command, action] : actions_) {
            view_->addAction(action);
        }
        connect(view_, &LanceWindow::lineActivated, this, &QtLance::raise);
        connect(view_, &LanceWindow::commandRun, this, &QtLance::refreshSheets);
    }
    view_->show();
    view_->raise();
    view_->activateWindow();
}

void QtLance::raise(std::size_t line) {
    if (line < lance_.size()) {
        const CombatSheet& sheet = lance_.sheet(line);
        const auto member = std::ranges::find_if(
            members_, [&sheet](const Member& each) { return each.sheet == &sheet; });
        if (member != members_.end()) {
            member->window->raise();
            member->window->activateWindow();
        }
    }
}

QtLance::Member* QtLance::current() {
    const auto active = std::ranges::find_if(members_, [](const Member& member) {
        return member.window == QApplication::activeWindow();
    });
    if (active != members_.end()) {
        return &*active;
    }
    return members_.empty() ? nullptr : &members_.back();
}

int QtLance::zoom() {
    const Member* member = current();
    return member == nullptr ? ActualZoom : member->sheet->zoom;
}

void QtLance::chooseFileToOpen() {
    const std::string path = fileDialog_.chooseLanceToOpen();
    if (!path.empty()) {
        openFile(path);
    }
}

bool QtLance::openFile(const std::string& path) {
    Member* on = current();
    CombatSheet& sheet = on != nullptr ? *on->sheet : openSheet_();
    const bool opened = openLanceFile(path, lance_, sheet, openSheet_);
    refreshSheets();
    return opened;
}

void QtLance::chooseFileToSave() {
    const std::string unsavable = unsavableLance(lance_);
    if (!unsavable.empty()) {
        messageBox_.show(unsavable);
        return;
    }
    const std::string path = fileDialog_.chooseLanceToSave(suggestedLanceFileName());
    if (!path.empty()) {
        saveLanceFile(path, lance_);
    }
}

// The lance's own services open windows as the sheet the user works on would.
platform::WindowOpener* QtLance::currentOpener() {
    Member* member = current();
    return member == nullptr ? nullptr : &member->sheet->platform().windows;
}

void QtLance::openSheet() {
    openSheet_();
}

bool QtLance::openSheetFor(const std::string& path) {
    platform::WindowOpener* opener = currentOpener();
    return opener != nullptr && opener->openSheetFor(path);
}

bool QtLance::showSheetFor(const std::string& path) {
    platform::WindowOpener* opener = currentOpener();
    return opener != nullptr && opener->showSheetFor(path);
}

bool QtLance::otherSheetHolds(const std::string& path) {
    platform::WindowOpener* opener = currentOpener();
    return opener != nullptr && opener->otherSheetHolds(path);
}

// The lance is no sheet: it has neither a close box of its own nor a range chart.
void QtLance::closeSheet() {}

void QtLance::closeAllSheets() {
    if (platform::WindowOpener* opener = currentOpener()) {
        opener->closeAllSheets();
    }
}

void QtLance::openAboutBox() {
    if (platform::WindowOpener* opener = currentOpener()) {
        opener->openAboutBox();
    }
}

void QtLance::openRangeChart() {}
