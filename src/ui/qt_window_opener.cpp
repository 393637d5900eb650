#include "ui/qt_window_opener.h"

#include "ui/about_dialog.h"
#include "ui/sheet_window.h"

// The new sheet has no owner: it lives on when the sheet that opened it closes. It opens at
// the zoom of the sheet it came from.
void QtWindowOpener::openSheet() {
    SheetWindow::open(shared_, {}, owner_.sheet().zoom);
}

bool QtWindowOpener::openSheetFor(const std::string& path) {
    return SheetWindow::open(shared_, path, owner_.sheet().zoom) != nullptr;
}

void QtWindowOpener::openRangeChart() {
    owner_.showRangeChart();
}

void QtWindowOpener::openAboutBox() {
    AboutDialog dialog(owner_.services(), &owner_, owner_.sheet().zoom);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}
