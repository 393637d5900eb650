#pragma once

#include "app/control.h"
#include "app/notifier.h"

#include <functional>
#include <string>

class OptionGroup;

// An option button in a group. Selecting it deselects the rest of its group and raises
// only its own click; selecting the button that is already selected raises nothing.
class OptionButton : public Control {
public:
    enum class Start { Deselected, Selected };

    OptionButton(OptionGroup& group, std::string caption, Start start = Start::Deselected);
    OptionButton(const OptionButton&) = delete;
    OptionButton& operator=(const OptionButton&) = delete;

    bool selected() const;
    void select();
    void userClick();
    void onClick(std::function<void()> handler) { click_.connect(std::move(handler)); }
    // Takes the other's selection and state without raising the click and without touching
    // the rest of the group: copied button by button, a whole group stays one choice.
    void copyFrom(const OptionButton& other);

private:
    OptionGroup& group_;
    Notifier click_;
};
