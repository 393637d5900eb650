#pragma once

#include "app/control.h"
#include "app/notifier.h"

#include <functional>
#include <string>
#include <vector>

// A drop-down list, pick-only or editable. Its text changes raise the change
// notification; a pick by the user raises the click, also when it picks the shown entry.
class ComboBox : public Control {
public:
    ComboBox() = default;
    ComboBox(std::vector<std::string> items, bool editable, std::string text = {});

    const std::vector<std::string>& items() const { return items_; }
    bool editable() const { return editable_; }
    const std::string& text() const { return text_; }
    // The index of the entry equal to the text, or -1.
    int listIndex() const;

    void setText(std::string text);
    void userPick(int index);
    // Typing by the user; only an editable, enabled list takes it.
    void userType(std::string text);
    void onChange(std::function<void()> handler) { change_.connect(std::move(handler)); }
    void onClick(std::function<void()> handler) { click_.connect(std::move(handler)); }

private:
    std::vector<std::string> items_;
    bool editable_ = false;
    std::string text_;
    Notifier change_;
    Notifier click_;
};
