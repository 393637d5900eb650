#include "ui/qt_window_opener.h"

#include "ui/about_dialog.h"
#include "ui/sheet_window.h"

// The new sheet has no owner: it lives on when the sheet that opened it closes.
void QtWindowOpener::openSheet() {
    auto* window = new SheetWindow(shared_);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void QtWindowOpener::openRangeChart() {
    owner_.showRangeChart();
}

void QtWindowOpener::openAboutBox() {
    AboutDialog dialog(owner_.services(), &owner_);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}
