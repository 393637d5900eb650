#pragma once

#include <string>

namespace platform {

// A modal message box with the text, an OK button only, no icon and the caption "Vexolan".
// Returns when the user dismisses it.
class MessageBox {
public:
    virtual ~MessageBox() = default;
    virtual void show(const std::string& text) = 0;
};

} // namespace platform
