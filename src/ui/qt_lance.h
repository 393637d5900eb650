#pragma once

#include "lance/lance.h"
#include "lance/lance_opening.h"
#include "platform/platform_services.h"
#include "platform/window_opener.h"
#include "ui/qt_file_dialog.h"
#include "ui/qt_message_box.h"

#include <QObject>
#include <QPointer>

#include <functional>
#include <string>
#include <utility>
#include <vector>

class LanceWindow;
class QAction;
class QWidget;
struct SharedServices;

// The program's one lance on the desktop: told of every sheet window as it opens and closes and
// of every change on one, it keeps the lance view in step, gives each sheet window the lance's
// menu entries, and answers the lance's commands with windows and dialogs. Its own message box
// and file dialogs belong to no window; what it would open otherwise, it opens as its current
// sheet would.
class QtLance : public QObject, private platform::WindowOpener {
    Q_OBJECT
public:
    // `openSheet` opens a new, empty sheet window, which joins the lance as it opens.
    QtLance(SharedServices& shared, SheetOpener openSheet);
    ~QtLance() override;

    Lance& lance() { return lance_; }
    // The sheet window joins the lance at its end; `refresh` shows its sheet again once the
    // lance changed it.
    void joined(QWidget& window, CombatSheet& sheet, std::function<void()> refresh);
    void left(const CombatSheet& sheet);
    // After every change on a sheet, once its window shows it.
    void sheetChanged();
    // The entry of the lance's command for a sheet window's menu; one for every window.
    QAction* action(Command Lance::*command) const;
    // The open lance view, or null.
    LanceWindow* view() const;
    // Opens the lance file at the path on the current sheet, as File → Open Lance... does once
    // a file is chosen; false when the file is no good.
    bool openFile(const std::string& path);

private:
    struct Member {
        QWidget* window;
        CombatSheet* sheet;
        std::function<void()> refresh;
    };

    void showView();
    void chooseFileToOpen();
    void chooseFileToSave();
    void run(Command Lance::*command);
    void refreshSheets();
    void raise(std::size_t line);
    // The sheet the user works on: that of the active window, or else the last opened.
    Member* current();
    int zoom();

    void openSheet() override;
    bool openSheetFor(const std::string& path) override;
    bool showSheetFor(const std::string& path) override;
    bool otherSheetHolds(const std::string& path) override;
    void closeSheet() override;
    void closeAllSheets() override;
    void openAboutBox() override;
    void openRangeChart() override;
    platform::WindowOpener* currentOpener();

    SharedServices& shared_;
    SheetOpener openSheet_;
    QtMessageBox messageBox_;
    QtFileDialog fileDialog_;
    platform::PlatformServices services_;
    Lance lance_;
    std::vector<Member> members_;
    std::vector<std::pair<Command Lance::*, QAction*>> actions_;
    QPointer<LanceWindow> view_;
};
