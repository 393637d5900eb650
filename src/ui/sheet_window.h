#pragma once

#include "app/combat_sheet.h"
#include "app/sheet_controls.h"
#include "layout/twips.h"
#include "platform/platform_services.h"
#include "platform/window_opener.h"
#include "ui/qt_file_dialog.h"
#include "ui/qt_message_box.h"
#include "ui/sheet_help_viewer.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QAction;
class QMenu;
class RangeChartWindow;
class SheetBinding;
class SheetForm;
struct SharedServices;

// Stand-ins for a window's own message box, window opener and file dialog, so that tests can watch
// what the window asks of them; a null one leaves the window's own Qt adapter in place.
struct WindowServiceOverrides {
    platform::MessageBox* messageBox = nullptr;
    platform::WindowOpener* windows = nullptr;
    platform::FileDialog* fileDialog = nullptr;
};

// One combat sheet window: its own model, built from the layout tables, with its own
// message box, file dialog and opener of further windows beside the program's shared
// services, shown at its own zoom.
class SheetWindow : public QMainWindow, private platform::WindowOpener {
    Q_OBJECT
public:
    explicit SheetWindow(SharedServices& shared, WindowServiceOverrides overrides = {},
                         int zoom = ActualZoom);
    ~SheetWindow() override;

    // A new sheet window, shown, that lives until its close box is used. Given a Mech file,
    // the window holds its Mech; when the file is no good, the window shows why and is gone
    // before it was ever shown: nullptr.
    static SheetWindow* open(SharedServices& shared, const std::string& mechFile = {},
                             int zoom = ActualZoom);

    CombatSheet& sheet() { return sheet_; }
    platform::PlatformServices& services() { return services_; }
    SheetForm& form() { return *form_; }
    // The open range chart window, or null.
    RangeChartWindow* rangeChart() const;
    // Shows the model again, as after a user's action, once code has changed it otherwise.
    void refresh();

signals:
    // After every user action, once the widgets show the model.
    void sheetRefreshed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    // The windows this sheet opens: further sheets without an owner, at this sheet's zoom; the
    // About box, modal; the range chart, one at most, made and gone with the sheet. Closing
    // goes through the close box's way, question and all.
    void openSheet() override;
    bool openSheetFor(const std::string& path) override;
    bool showSheetFor(const std::string& path) override;
    bool otherSheetHolds(const std::string& path) override;
    void closeSheet() override;
    void closeAllSheets() override;
    void openAboutBox() override;
    void openRangeChart() override;

    std::vector<QAction*> buildMenuBar();
    void addLanceEntries(QMenu* menu, Member<Command> after);
    // A closed sheet is no longer one of the lance's.
    void leaveLance();
    void showZoom();
    void showTitle();
    bool otherSheetOpen() const;
    // The open sheet window whose sheet holds the file at the path as its own, or null.
    static SheetWindow* holding(const std::string& path);

    SharedServices& shared_;
    QtMessageBox messageBox_;
    SheetHelpViewer help_;
    QtFileDialog fileDialog_;
    platform::PlatformServices services_;
    CombatSheet sheet_;
    SheetForm* form_ = nullptr;
    std::vector<QAction*> zoomActions_;
    QPointer<RangeChartWindow> rangeChart_;
    // Declared last so that it goes first: no widget signal reaches the model once it is gone.
    std::unique_ptr<SheetBinding> binding_;
};
