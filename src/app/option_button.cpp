#include "app/option_button.h"

#include "app/option_group.h"

OptionButton::OptionButton(OptionGroup& group, std::string caption, Start start)
    : Control(std::move(caption)), group_(group) {
    group_.add(*this);
    if (start == Start::Selected) {
        group_.choose(*this);
    }
}

bool OptionButton::selected() const {
    return group_.selected() == this;
}

void OptionButton::select() {
    if (selected()) {
        return;
    }
    group_.choose(*this);
    click_.raise();
}

void OptionButton::copyFrom(const OptionButton& other) {
    copyStateFrom(other);
    if (other.selected()) {
        group_.choose(*this);
    }
}

void OptionButton::userClick() {
    if (enabled()) {
        select();
    }
}
