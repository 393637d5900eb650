#include "app/check_box.h"

#include <stdexcept>

namespace {
int checked(int value) {
    if (value < CheckBox::Unticked || value > CheckBox::Grayed) {
        throw std::invalid_argument("a check box holds 0, 1 or 2");
    }
    return value;
}
} // namespace

CheckBox::CheckBox(std::string caption, int initial)
    : Control(std::move(caption)), value_(checked(initial)) {}

void CheckBox::setValue(int value) {
    if (checked(value) == value_) {
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
    value_ = value_ == Ticked ? Unticked : Ticked;
    click_.raise();
}
