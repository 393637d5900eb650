#pragma once

// What every control of a window has: it can be shown or hidden, enabled or disabled.
class Control {
public:
    bool visible() const { return visible_; }
    void setVisible(bool visible) { visible_ = visible; }
    void show() { visible_ = true; }
    void hide() { visible_ = false; }
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled) { enabled_ = enabled; }

private:
    bool visible_ = true;
    bool enabled_ = true;
};
