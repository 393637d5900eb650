#include "random/user_action.h"

#include "app/combat_sheet.h"
#include "fakes/fake_platform.h"
#include "random/sheet_controls.h"

#include <cstdio>

namespace random_test {

namespace {

// Quoted, with control characters and bytes beyond ASCII escaped; long texts shortened.
std::string quoted(const std::string& text) {
    constexpr std::size_t Shown = 60;
    std::string out = "\"";
    for (std::size_t i = 0; i < text.size() && i < Shown; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c < 0x20 || c >= 0x7f || c == '"' || c == '\\') {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\x%02x", c);
            out += escaped;
        } else {
            out += static_cast<char>(c);
        }
    }
    out += "\"";
    if (text.size() > Shown) {
        out += "... (" + std::to_string(text.size()) + " bytes)";
    }
    return out;
}

std::string rowName(const char* name, int row) {
    return std::string(name) + "[" + std::to_string(row) + "]";
}

std::string listEntry(const ComboBox& list, int index) {
    return index >= 0 && index < static_cast<int>(list.items().size())
               ? quoted(list.items()[static_cast<std::size_t>(index)])
               : "(no entry)";
}

// A fresh sheet, only to name the entries of its lists, which never change.
struct ListNames {
    FakePlatform fake;
    CombatSheet sheet{fake.services};
};

} // namespace

std::string UserAction::describe() const {
    static const ListNames names;
    switch (kind) {
    case Kind::ClickBox:
        return std::string("userClick ") + BOXES[control].name;
    case Kind::ClickFireBox:
        return "userClick " + rowName("fireCheck", row);
    case Kind::ClickOption:
        return std::string("userClick ") + OPTIONS[control].name;
    case Kind::ClickCommand:
        return std::string("userClick ") + COMMANDS[control].name +
               (control == Copy && clipboardFails ? " with a failing clipboard" : "");
    case Kind::MoveSlider:
        return "userMove Slider1 " + std::to_string(value);
    case Kind::TypeText:
        return std::string("userType ") + TEXTS[control].name + " " + quoted(text);
    case Kind::TypeRowText:
        return "userType " + rowName(ROW_TEXTS[control].name, row) + " " + quoted(text);
    case Kind::TypeList:
        return std::string("userType ") + LISTS[control].name + " " + quoted(text);
    case Kind::PickList:
        return std::string("userPick ") + LISTS[control].name + " " + std::to_string(value) + " " +
               listEntry(names.sheet.*LISTS[control].list, value);
    case Kind::PickRowList:
        return "userPick " + rowName(ROW_LISTS[control].name, row) + " " + std::to_string(value) +
               " " + listEntry((names.sheet.*ROW_LISTS[control].column)[row], value);
    }
    return "?";
}

void UserAction::perform(CombatSheet& sheet) const {
    switch (kind) {
    case Kind::ClickBox:
        (sheet.*BOXES[control].box).userClick();
        break;
    case Kind::ClickFireBox:
        sheet.fireCheck[row].userClick();
        break;
    case Kind::ClickOption:
        (sheet.*OPTIONS[control].button).userClick();
        break;
    case Kind::ClickCommand:
        (sheet.*COMMANDS[control].command).userClick();
        break;
    case Kind::MoveSlider:
        sheet.Slider1.userMove(value);
        break;
    case Kind::TypeText:
        (sheet.*TEXTS[control].box).userType(text);
        break;
    case Kind::TypeRowText:
        (sheet.*ROW_TEXTS[control].column)[row].userType(text);
        break;
    case Kind::TypeList:
        (sheet.*LISTS[control].list).userType(text);
        break;
    case Kind::PickList:
        (sheet.*LISTS[control].list).userPick(value);
        break;
    case Kind::PickRowList:
        (sheet.*ROW_LISTS[control].column)[row].userPick(value);
        break;
    }
}

} // namespace random_test
