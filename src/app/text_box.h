#pragma once

#include "app/control.h"
#include "app/notifier.h"

#include <cstddef>
#include <functional>
#include <limits>
#include <string>
#include <utility>

// A text box. Setting its text raises the change notification when the text differs; its
// tool tip is shown while the pointer rests on it and raises nothing.
class TextBox : public Control {
public:
    using Control::Control;

    const std::string& text() const { return text_; }
    void setText(std::string text);
    // Typing by the user; a read-only or disabled box takes none, a single-line box takes what
    // is typed or pasted as one line (single_line.h), and a box with a length limit takes what
    // of it fits. Text set by code is taken whole.
    void userType(std::string text);
    bool singleLine() const { return singleLine_; }
    void setSingleLine(bool singleLine) { singleLine_ = singleLine; }
    // The most characters (code points) the user can put in the box.
    std::size_t maxLength() const { return maxLength_; }
    void setMaxLength(std::size_t maxLength) { maxLength_ = maxLength; }
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
    std::size_t maxLength_ = std::numeric_limits<std::size_t>::max();
    Notifier change_;
};
