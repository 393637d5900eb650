#pragma once

#include "app/control.h"
#include "app/notifier.h"

#include <functional>
#include <string>

// A check box holding 0 (unticked), 1 (ticked) or 2 (grayed).
class CheckBox : public Control {
public:
    static constexpr int Unticked = 0;
    static constexpr int Ticked = 1;
    static constexpr int Grayed = 2;

    explicit CheckBox(std::string caption = {}, int initial = Unticked);

    int value() const { return value_; }
    // Raises the click, before returning, only when the value changes.
    void setValue(int value);
    // The user's click: 1 becomes 0, 0 or 2 becomes 1, and the click is raised.
    void userClick();
    void onClick(std::function<void()> handler) { click_.connect(std::move(handler)); }
    // Takes the other's value and state without raising the click.
    void copyFrom(const CheckBox& other);

private:
    int value_;
    Notifier click_;
};
