#pragma once

#include "platform/window_opener.h"

class SheetWindow;
struct SharedServices;

namespace platform {

// Opens further sheet windows and the About box for one sheet window.
class QtWindowOpener : public WindowOpener {
public:
    QtWindowOpener(SharedServices& shared, SheetWindow& owner) : shared_(shared), owner_(owner) {}
    void openSheet() override;
    void openAboutBox() override;

private:
    SharedServices& shared_;
    SheetWindow& owner_;
};

} // namespace platform
