#include "app/combo_box.h"

#include <algorithm>

ComboBox::ComboBox(std::string caption, std::vector<std::string> items, Typing typing,
                   std::string text)
    : Control(std::move(caption)), items_(std::move(items)), typing_(typing),
      text_(std::move(text)) {}

int ComboBox::listIndex() const {
    auto found = std::find(items_.begin(), items_.end(), text_);
    return found == items_.end() ? -1 : static_cast<int>(found - items_.begin());
}

void ComboBox::setText(std::string text) {
    if (text_ == text) {
        return;
    }
    text_ = std::move(text);
    change_.raise();
}

void ComboBox::copyFrom(const ComboBox& other) {
    copyStateFrom(other);
    text_ = other.text_;
}

void ComboBox::userPick(int index) {
    if (!enabled() || index < 0 || index >= static_cast<int>(items_.size())) {
        return;
    }
    setText(items_[static_cast<std::size_t>(index)]);
    click_.raise();
}

void ComboBox::userType(std::string text) {
    if (editable() && enabled()) {
        setText(std::move(text));
    }
}
