#pragma once

#include "app/control.h"
#include "app/notifier.h"

#include <functional>
#include <string>

// A horizontal slider giving a whole-number position between its two ends.
class Slider : public Control {
public:
    Slider(std::string caption, int minimum, int maximum, int position, int singleStep,
           int pageStep);

    int minimum() const { return minimum_; }
    int maximum() const { return maximum_; }
    int position() const { return position_; }
    int singleStep() const { return singleStep_; }
    int pageStep() const { return pageStep_; }
    // Moves to the position, kept within the ends; raises the change only when it moves.
    void setPosition(int position);
    void userMove(int position);
    void onChange(std::function<void()> handler) { change_.connect(std::move(handler)); }
    // Takes the other's position and state without raising the change; the ends and steps
    // are fixed and stay.
    void copyFrom(const Slider& other);

private:
    int minimum_;
    int maximum_;
    int position_;
    int singleStep_;
    int pageStep_;
    Notifier change_;
};
