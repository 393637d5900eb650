#pragma once

// The combat sheet window as tables: where each control stands, in twips, in which panel and
// in what kind of widget; the menu bar; and the keyboard order. A control of the model takes
// its name and caption from the model; only passive labels and lines are named here. The
// window is built from these tables and nothing else decides where a control stands.

#include "app/sheet_controls.h"

#include <optional>
#include <string>
#include <vector>

namespace sheet {

inline constexpr int ClientWidthTwips = 11595;
inline constexpr int ClientHeightTwips = 8640;

enum class ControlKind {
    Panel,        // captioned frame holding other controls
    Label,        // passive caption
    TextBox,      // single-line text
    MultiLineBox, // wrapping text with a scroll bar
    List,         // drop-down list; it takes typing where the model's list does
    CheckBox,
    BareCheckBox, // a check box that shows no caption; its caption only names it
    OptionButton,
    Button,
    Slider,
    VerticalLine,
};

// How a control looks beyond its kind.
enum class Look {
    Plain,
    Underlined, // a heading
    Shaded,     // the setup panel, in the classic scroll-bar grey
};

struct ControlLayout {
    std::optional<ControlRef> control; // the model's control; none for a passive label or line
    int row = -1;                      // the weapon row of a column's control
    std::string name;                  // a passive label's or line's own name
    std::string caption;               // a passive label's own text
    ControlKind kind;
    Member<Panel> container; // nullptr: the window's client area
    int left;                // twips, relative to the container
    int top;
    int width;
    int height;
    Look look = Look::Plain;
    // A label names the control it stands by; without a text of its own it shows that
    // control's caption.
    std::optional<ControlRef> labelFor = {};
    // A panel that a panel shown in front of it covers whole.
    Member<Panel> coveredBy = nullptr;
};

struct MenuEntry {
    std::optional<Member<Command>> command; // none for a drop-down menu
    std::string name = {};                  // a drop-down menu's own name and caption
    std::string caption = {};
    std::string menu = {};     // the drop-down holding the entry, or empty for the menu bar itself
    std::string shortcut = {}; // the key that chooses the entry from anywhere in the window
};

// Every control of the window, each panel before its contents.
const std::vector<ControlLayout>& sheetLayout();
// The menu bar from left to right, each drop-down before its entries.
const std::vector<MenuEntry>& sheetMenu();
// The Tab key's order through the window, as places in sheetLayout().
const std::vector<std::size_t>& sheetTabOrder();

// The name a control of the layout goes by: the model's name, or its own.
std::string nameOf(const ControlLayout& layout);

} // namespace sheet
