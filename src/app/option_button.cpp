#include "app/option_button.h"

#include "app/option_group.h"

OptionButton::OptionButton(OptionGroup& group, bool selected) : group_(group), selected_(selected) {
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

void OptionButton::userClick() {
    if (enabled()) {
        select();
    }
}
