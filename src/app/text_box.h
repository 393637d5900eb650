#pragma once

#include "app/control.h"
#include "app/notifier.h"

#include <functional>
#include <string>
#include <utility>

// A text box. Setting its text raises the change notification when the text differs; its
// tool tip is shown while the pointer rests on it and raises nothing.
class TextBox : public Control {
public:
    using Control::Control;

    const std::string& text() const { return text_; }
    void setText(std::string text);
    // Typing by the user; a read-only or disabled box takes none, and a single-line box takes
    // what is typed or pasted as one line (single_line.h).
    void userType(std::string text);
    bool singleLine() const { return singleLine_; }
    void setSingleLine(bool singleLine) { singleLine_ = singleLine; }
    bool readOnly() const { return readOnly_; }
    void setReadOnly(bool readOnly) { readOnly_ = readOnly; }
    const std::string& toolTip() const { return toolTip_; }
    void setToolTip(std::string toolTip) { toolTip_ = std::move(toolTip); }
    void onChange(std::function<void()> handler) { change_.connect(std::move(handler)); }
    // Takes the other's text, tool tip and state without raising the change.
    void copyFrom(const TextBox& other);

private:
    std::string text_;
    std::string toolTip_;
    bool readOnly_ = false;
    bool singleLine_ = false;
    Notifier change_;
};
