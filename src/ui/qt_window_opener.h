#pragma once

#include "platform/window_opener.h"

class SheetWindow;
struct SharedServices;

// Opens further sheet windows and the About box for one sheet window.
class QtWindowOpener : public platform::WindowOpener {
public:
    QtWindowOpener(SharedServices& shared, SheetWindow& owner) : shared_(shared), owner_(owner) {}
    void openSheet() override;
    bool openSheetFor(const std::string& path) override;
    void openAboutBox() override;
    void openRangeChart() override;

private:
    SharedServices& shared_;
    SheetWindow& owner_;
};
