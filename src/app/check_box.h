#pragma once

#include "app/control.h"
#include "app/notifier.h"

#include <functional>
#include <string>

// What a check box holds. The numbers are the box's values as the rules count them.
enum class BoxState { Unticked = 0, Ticked = 1, Grayed = 2 };

// A check box holding unticked, ticked or grayed.
class CheckBox : public Control {
public:
    explicit CheckBox(std::string caption = {}, BoxState initial = BoxState::Unticked);

    BoxState value() const { return value_; }
    // Raises the click, before returning, only when the value changes.
    void setValue(BoxState value);
    // The user's click: 1 becomes 0, 0 or 2 becomes 1, and the click is raised.
    void userClick();
    void onClick(std::function<void()> handler) { click_.connect(std::move(handler)); }
    // Takes the other's value and state without raising the click.
    void copyFrom(const CheckBox& other);

private:
    BoxState value_;
    Notifier click_;
};
