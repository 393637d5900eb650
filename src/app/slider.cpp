#include "app/slider.h"

#include <algorithm>

Slider::Slider(std::string caption, int minimum, int maximum, int position, int singleStep,
               int pageStep)
    : Control(std::move(caption)), minimum_(minimum), maximum_(maximum),
      position_(std::clamp(position, minimum, maximum)), singleStep_(singleStep),
      pageStep_(pageStep) {}

void Slider::setPosition(int position) {
    position = std::clamp(position, minimum_, maximum_);
    if (position == position_) {
        return;
    }
    position_ = position;
    change_.raise();
}

void Slider::copyFrom(const Slider& other) {
    copyStateFrom(other);
    position_ = other.position_;
}

void Slider::userMove(int position) {
    if (enabled()) {
        setPosition(position);
    }
}
