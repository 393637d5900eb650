#include "ui/qt_window_opener.h"

#include "ui/about_dialog.h"
#include "ui/sheet_window.h"

// The new sheet has no owner: it lives on when the sheet that opened it closes.
void QtWindowOpener::openSheet() {
    SheetWindow::open(shared_);
}

bool QtWindowOpener::openSheetFor(const std::string& path) {
    return SheetWindow::open(shared_, path) != nullptr;
}

void QtWindowOpener::openAboutBox() {
    AboutDialog dialog(owner_.services(), &owner_);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}
