#pragma once

#include "platform/clipboard.h"

// The desktop's clipboard through Qt.
class QtClipboard : public platform::Clipboard {
public:
    bool setText(const std::string& text) override;
};
