#pragma once

// The combat sheet window as tables, the same for every front end: where each control stands,
// in twips, in which panel and as what kind of control; the menu bar; and the keyboard order.
// A control of the model takes its names and caption from the model; only passive labels and
// lines are named here, and the label that a control's spoken name begins with. A window is
// built from these tables and nothing else decides where a control stands.

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
    std::optional<ControlRef> control = {}; // the model's control; none for a label or line
    int row = -1;                           // the weapon row of a column's control
    // A passive label's or line's names, as the code calls it and as the form called it.
    std::string codeName = {};
    std::string form = {};
    std::string caption = {}; // a passive label's own text
    ControlKind kind = ControlKind::Label;
    Member<Panel> in = nullptr; // the containing panel; nullptr: the window's client area
    int left = 0;               // twips, relative to the container
    int top = 0;
    int width = 0;
    int height = 0;
    Look look = Look::Plain;
    // A label names the control it stands by; without a text of its own it shows that
    // control's caption.
    std::optional<ControlRef> labelFor = {};
    // A panel that a panel shown in front of it covers whole.
    Member<Panel> coveredBy = nullptr;
    // The code name of the passive label that heads the option group of an option button
    // which shares its panel with other controls; screen readers hear the group under the
    // label's text.
    const char* headedBy = nullptr;
    // The code name of the passive label that tells which of two like controls this one is:
    // screen readers hear the label's text before the control's caption ("Right Arm Shoulder"),
    // while the control shows its caption alone.
    const char* namedAfter = nullptr;
};

struct MenuEntry {
    std::optional<Member<Command>> command = {}; // none for a drop-down menu
    std::string name = {};                       // a drop-down menu's own name and caption
    std::string caption = {};
    std::string menu = {}; // the drop-down holding the entry, or empty for the menu bar itself
    std::vector<const char*> keys = {}; // the entry's keyboard shortcuts
};

// Every control of the window, each panel before its contents.
const std::vector<ControlLayout>& sheetLayout();
// The menu bar from left to right, each drop-down before its entries.
const std::vector<MenuEntry>& sheetMenu();
// The Tab key's order through the window, as places in sheetLayout().
const std::vector<std::size_t>& sheetTabOrder();

// The names a control of the layout goes by: the model's, or the label's or line's own.
std::string codeNameOf(const ControlLayout& layout);
std::string formNameOf(const ControlLayout& layout);
// What a screen reader calls a control of the model: its caption; a weapon row's field, its
// column's heading and the row's number as the user counts them ("Weapon 1", "To-Hit 12"); an
// arm's damage box, the arm's label and the box's caption ("Left Arm Lower Actuator").
std::string spokenNameOf(const CombatSheet& sheet, const ControlLayout& layout);
// The place in sheetLayout() of the control, or of the passive label or line with that code
// name; throws when there is none.
std::size_t placeOf(const ControlRef& control, int row = -1);
std::size_t placeOf(std::string_view codeName);

} // namespace sheet
