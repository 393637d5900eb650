#pragma once

#include "app/combat_sheet.h"
#include "platform/platform_services.h"
#include "ui/qt_file_dialog.h"
#include "ui/qt_message_box.h"
#include "ui/qt_window_opener.h"
#include "ui/sheet_help_viewer.h"
#include "ui/twips.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>
#include <string>
#include <vector>

class QAction;
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
// message box and window opener beside the program's shared services, shown at its own zoom.
class SheetWindow : public QMainWindow {
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
    // Opens the sheet's range chart window, or brings the open one to the front.
    void showRangeChart();
    // The open range chart window, or null.
    RangeChartWindow* rangeChart() const;

signals:
    // After every user action, once the widgets show the model.
    void sheetRefreshed();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::vector<QAction*> buildMenuBar();
    void showZoom();
    bool otherSheetOpen() const;

    QtMessageBox messageBox_;
    QtWindowOpener windows_;
    SheetHelpViewer help_;
    QtFileDialog fileDialog_;
    platform::PlatformServices services_;
    CombatSheet sheet_;
    SheetForm* form_ = nullptr;
    QPointer<RangeChartWindow> rangeChart_;
    // Declared last so that it goes first: no widget signal reaches the model once it is gone.
    std::unique_ptr<SheetBinding> binding_;
};
