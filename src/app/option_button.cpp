#include "app/option_button.h"

#include "app/option_group.h"

OptionButton::OptionButton(OptionGroup& group, std::string caption, Start start)
    : Control(std::move(caption)), group_(group), selected_(start == Start::Selected) {
    group_.add(*this);
}

void OptionButton::select() {
    if (selected_) {
        return;
    }
    for (OptionButton* other : group_.buttons()) {
        other->selected_ = false;
    }
    selected_ = true;
    click_.raise();
}

void OptionButton::copyFrom(const OptionButton& other) {
    copyStateFrom(other);
    selected_ = other.selected_;
}

void OptionButton::userClick() {
    if (enabled()) {
        select();
    }
}
