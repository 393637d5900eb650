#include "app/option_group.h"

#include "app/option_button.h"

OptionButton* OptionGroup::selected() const {
    for (OptionButton* button : buttons_) {
        if (button->selected()) {
            return button;
        }
    }
    return nullptr;
}
