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
    enum class Typing { PickOnly, Editable };

    explicit ComboBox(std::string caption = {}, std::vector<std::string> items = {},
                      Typing typing = Typing::PickOnly, std::string text = {});

    const std::vector<std::string>& items() const { return items_; }
    // The entries are fixed once the window is made; the subsystem that owns a list fills it.
    void setItems(std::vector<std::string> items) { items_ = std::move(items); }
    bool editable() const { return typing_ == Typing::Editable; }
    const std::string& text() const { return text_; }
    // The index of the entry equal to the text, or -1.
    int listIndex() const;

    void setText(std::string text);
    void userPick(int index);
    // Typing by the user; only an editable, enabled list takes it.
    void userType(std::string text);
    void onChange(std::function<void()> handler) { change_.connect(std::move(handler)); }
    void onClick(std::function<void()> handler) { click_.connect(std::move(handler)); }
    // Takes the other's text and state without raising anything; the entries are fixed and
    // stay.
    void copyFrom(const ComboBox& other);

private:
    std::vector<std::string> items_;
    Typing typing_;
    std::string text_;
    Notifier change_;
    Notifier click_;
};
