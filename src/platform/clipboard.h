#pragma once

#include <string>

namespace platform {

// The system clipboard, plain text.
class Clipboard {
public:
    virtual ~Clipboard() = default;
    // Replaces the clipboard's text in one call; false when the clipboard cannot be written.
    virtual bool setText(const std::string& text) = 0;
};

} // namespace platform
