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

// Puts the text on the clipboard as a Copy button does: a clipboard that cannot be written,
// or that fails by throwing, leaves everything as it was, with no message to show.
inline void copyToClipboard(Clipboard& clipboard, const std::string& text) noexcept {
    try {
        clipboard.setText(text);
    } catch (...) {
    }
}

} // namespace platform
