#pragma once

#include "platform/clipboard.h"

namespace platform {

// The desktop's clipboard through Qt.
class QtClipboard : public Clipboard {
public:
    bool setText(const std::string& text) override;
};

} // namespace platform
