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
    OptionButton* selected() const;

private:
    std::vector<OptionButton*> buttons_;
};
