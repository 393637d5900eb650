#include "app/check_box.h"

CheckBox::CheckBox(std::string caption, BoxState initial)
    : Control(std::move(caption)), value_(initial) {}

void CheckBox::setValue(BoxState value) {
    if (value == value_) {
        return;
    }
    value_ = value;
    click_.raise();
}

void CheckBox::copyFrom(const CheckBox& other) {
    copyStateFrom(other);
    value_ = other.value_;
}

void CheckBox::userClick() {
    if (!enabled()) {
        return;
    }
    value_ = value_ == BoxState::Ticked ? BoxState::Unticked : BoxState::Ticked;
    click_.raise();
}
