#include "app/text_box.h"

#include "app/single_line.h"

void TextBox::setText(std::string text) {
    if (text_ == text) {
        return;
    }
    text_ = std::move(text);
    change_.raise();
}

void TextBox::copyFrom(const TextBox& other) {
    copyStateFrom(other);
    text_ = other.text_;
    toolTip_ = other.toolTip_;
    readOnly_ = other.readOnly_;
}

void TextBox::userType(std::string text) {
    if (!readOnly_ && enabled()) {
        std::string typed = singleLine_ ? ::singleLine(text) : std::move(text);
        setText(editWithin(text_, typed, maxLength_));
    }
}
