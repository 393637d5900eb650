#include "ui/qt_window_opener.h"

#include "ui/about_dialog.h"
#include "ui/sheet_window.h"

// The new sheet has no owner: it lives on when the sheet that opened it closes. It opens at
// the zoom of the sheet it came from.
void QtWindowOpener::openSheet() {
    auto* window = new SheetWindow(shared_, {}, owner_.sheet().zoom);
    window->setAttribute(Qt::WA_DeleteOnClose);
    window->show();
}

void QtWindowOpener::openAboutBox() {
    AboutDialog dialog(owner_.services(), &owner_, owner_.sheet().zoom);
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.exec();
}
