#pragma once

#include "app/control.h"

// A captioned frame (or a passive label) that shows and hides its contents with it.
class Panel : public Control {
public:
    using Control::Control;
    void copyFrom(const Panel& other) { copyStateFrom(other); }
};
