#pragma once

#include <vector>

class OptionButton;

// The option buttons of one frame: exactly one of them is selected.
class OptionGroup {
public:
    OptionGroup() = default;
    OptionGroup(const OptionGroup&) = delete;
    OptionGroup& operator=(const OptionGroup&) = delete;

    void add(OptionButton& button) { buttons_.push_back(&button); }
    const std::vector<OptionButton*>& buttons() const { return buttons_; }
    const OptionButton* selected() const { return selected_; }
    // Makes the button the group's one choice; the others are no longer selected.
    void choose(const OptionButton& button) { selected_ = &button; }

private:
    std::vector<OptionButton*> buttons_;
    const OptionButton* selected_ = nullptr;
};
