#pragma once

namespace platform {

// Opens the program's other windows on behalf of one sheet window.
class WindowOpener {
public:
    virtual ~WindowOpener() = default;
    // A further, independent combat sheet window, shown at once, without an owner.
    virtual void openSheet() = 0;
    // The About box, modal and owned by the sheet; returns when it closes.
    virtual void openAboutBox() = 0;
};

} // namespace platform
