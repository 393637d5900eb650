#pragma once

// The combat sheet window as tables: every control with its name, kind, caption, container
// and place in twips, the menu bar, and the keyboard order. The window is built from these
// tables and nothing else decides where a control stands.

#include <string>
#include <vector>

namespace sheet {

inline constexpr int TwipsPerPixel = 15;
inline constexpr int ClientWidthTwips = 11595;
inline constexpr int ClientHeightTwips = 8640;

constexpr int pixels(int twips) {
    return (twips + TwipsPerPixel / 2) / TwipsPerPixel;
}

enum class ControlKind {
    Panel,        // captioned frame holding other controls
    Label,        // passive caption
    TextBox,      // single-line text
    MultiLineBox, // wrapping text with a scroll bar
    PickList,     // drop-down list without typing
    EditableList, // drop-down list that also takes typing
    CheckBox,
    OptionButton,
    Button,
    Slider,
    VerticalLine,
};

struct ControlLayout {
    std::string name;
    ControlKind kind;
    std::string caption;
    std::string container; // a panel's name, or empty for the window's client area
    int left;              // twips, relative to the container
    int top;
    int width;
    int height;
    bool underlined = false;
    std::string accessibleName = {}; // empty: the caption names the control
};

struct MenuEntry {
    std::string name;
    std::string caption;
    std::string menu; // the drop-down holding the entry, or empty for the menu bar itself
    bool dropDown = false;
};

// Every control of the window, each panel before its contents.
const std::vector<ControlLayout>& sheetLayout();
// The menu bar from left to right, each drop-down before its entries.
const std::vector<MenuEntry>& sheetMenu();
// The Tab key's order through the window.
const std::vector<std::string>& sheetTabOrder();

// The name of one element of a weapon-row column: "weapName(0)" .. "weapName(11)".
std::string rowControlName(const std::string& column, int row);

} // namespace sheet
