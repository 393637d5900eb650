#pragma once

#include "app/control.h"
#include "app/notifier.h"

#include <functional>
#include <string>

// A command button or menu entry: every click raises its notification.
class Command : public Control {
public:
    using Control::Control;

    void userClick() {
        if (enabled()) {
            click_.raise();
        }
    }
    void onClick(std::function<void()> handler) { click_.connect(std::move(handler)); }
    void copyFrom(const Command& other) { copyStateFrom(other); }

private:
    Notifier click_;
};
