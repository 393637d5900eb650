#pragma once

#include <functional>
#include <utility>

// The one handler a control raises. A control with no handler attached raises nothing.
class Notifier {
public:
    void connect(std::function<void()> handler) { handler_ = std::move(handler); }
    void raise() const {
        if (handler_) {
            handler_();
        }
    }

private:
    std::function<void()> handler_;
};
