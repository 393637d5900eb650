#include "ui/sheet_layout.h"

#include <algorithm>
#include <stdexcept>

namespace sheet {

namespace {

using C = CombatSheet;
using Kind = ControlKind;

ControlLayout at(ControlRef control, Kind kind, Member<Panel> in, int left, int top, int width,
                 int height, Look look = Look::Plain) {
    return {control, -1, {}, {}, kind, in, left, top, width, height, look};
}

// A passive label with a text of its own, or, given none, the caption of the control it
// labels.
ControlLayout label(const char* name, const char* caption, std::optional<ControlRef> labelFor,
                    Member<Panel> in, int left, int top, int width, int height,
                    Look look = Look::Plain) {
    return {std::nullopt, -1,  name,  caption, Kind::Label, in,
            left,         top, width, height,  look,        labelFor};
}

ControlLayout coveredBy(ControlLayout panel, Member<Panel> cover) {
    panel.coveredBy = cover;
    return panel;
}

ControlLayout headedBy(ControlLayout option, const char* label) {
    option.headedBy = label;
    return option;
}

// The upper half: the attacker panel, the setup panel over it, and the target panel.
std::vector<ControlLayout> upperHalf() {
    return {
        coveredBy(at(&C::Frame4, Kind::Panel, nullptr, 120, 0, 5895, 3855), &C::Setup),
        label("Label2", "", &C::gunSkillText, &C::Frame4, 240, 240, 975, 255),
        at(&C::gunSkillText, Kind::TextBox, &C::Frame4, 240, 480, 735, 285),
        at(&C::Frame8, Kind::Panel, &C::Frame4, 1560, 240, 4215, 735),
        at(&C::range1, Kind::TextBox, &C::Frame8, 240, 360, 615, 285),
        at(&C::Slider1, Kind::Slider, &C::Frame8, 960, 360, 2895, 255),
        at(&C::Frame5, Kind::Panel, &C::Frame4, 480, 960, 1695, 2775),
        at(&C::aMove1, Kind::OptionButton, &C::Frame5, 120, 240, 1215, 375),
        at(&C::aMove2, Kind::OptionButton, &C::Frame5, 120, 600, 1215, 375),
        at(&C::aMove3, Kind::OptionButton, &C::Frame5, 120, 960, 1215, 375),
        at(&C::aMove4, Kind::OptionButton, &C::Frame5, 120, 1320, 1215, 375),
        at(&C::aProne1, Kind::CheckBox, &C::Frame5, 120, 1680, 1095, 255),
        at(&C::aWater1, Kind::CheckBox, &C::Frame5, 120, 2040, 1455, 255),
        at(&C::Frame6, Kind::Panel, &C::Frame4, 2280, 960, 1935, 2775),
        at(&C::dmgSensor1, Kind::CheckBox, &C::Frame6, 120, 240, 975, 255),
        label("Label1", "Right Arm", {}, &C::Frame6, 120, 600, 1095, 255),
        at(&C::dmgShoulder1, Kind::CheckBox, &C::Frame6, 120, 840, 1215, 255),
        at(&C::dmgUpperAct1, Kind::CheckBox, &C::Frame6, 120, 1080, 1575, 255),
        at(&C::dmgLowerAct1, Kind::CheckBox, &C::Frame6, 120, 1320, 1575, 255),
        label("Label12", "Left Arm", {}, &C::Frame6, 120, 1680, 1095, 255),
        at(&C::dmgShoulder2, Kind::CheckBox, &C::Frame6, 120, 1920, 1215, 255),
        at(&C::dmgUpperAct2, Kind::CheckBox, &C::Frame6, 120, 2160, 1575, 255),
        at(&C::dmgLowerAct2, Kind::CheckBox, &C::Frame6, 120, 2400, 1575, 255),
        at(&C::Frame7, Kind::Panel, &C::Frame4, 4320, 960, 1455, 2775),
        at(&C::aHeat0, Kind::OptionButton, &C::Frame7, 120, 360, 855, 255),
        at(&C::aHeat1, Kind::OptionButton, &C::Frame7, 120, 720, 1215, 255),
        at(&C::aHeat2, Kind::OptionButton, &C::Frame7, 120, 1080, 1095, 255),
        at(&C::aHeat3, Kind::OptionButton, &C::Frame7, 120, 1440, 1095, 255),
        at(&C::aHeat4, Kind::OptionButton, &C::Frame7, 120, 1800, 975, 255),

        // Made after the attacker panel, so that it lies over it.
        at(&C::Setup, Kind::Panel, nullptr, 120, 0, 6015, 3855, Look::Shaded),
        label("Label18", "", &C::mechName, &C::Setup, 360, 360, 1815, 255),
        at(&C::mechName, Kind::TextBox, &C::Setup, 360, 600, 1935, 285),
        label("Label7", "", &C::pilotName, &C::Setup, 360, 960, 1815, 255),
        at(&C::pilotName, Kind::TextBox, &C::Setup, 360, 1200, 1935, 285),
        label("Label3", "Gunnery Skill (Required)", &C::gunSkill, &C::Setup, 360, 1560, 1935, 255),
        at(&C::gunSkill, Kind::List, &C::Setup, 360, 1800, 735, 315),
        label("Label17", "", &C::pilotSkill, &C::Setup, 360, 2280, 975, 255),
        at(&C::pilotSkill, Kind::List, &C::Setup, 360, 2520, 735, 315),
        label("Label21", "Mech Type (Required)", {}, &C::Setup, 2640, 360, 1815, 255,
              Look::Underlined),
        headedBy(at(&C::Option1, Kind::OptionButton, &C::Setup, 2640, 600, 1215, 195), "Label21"),
        headedBy(at(&C::Option2, Kind::OptionButton, &C::Setup, 2640, 840, 1695, 255), "Label21"),
        label("Label20", "Special Equipment", {}, &C::Setup, 2640, 1200, 1815, 255,
              Look::Underlined),
        at(&C::Check2, Kind::CheckBox, &C::Setup, 2640, 1440, 1575, 255),
        at(&C::Check3, Kind::CheckBox, &C::Setup, 2640, 1680, 1575, 255),
        at(&C::Check4, Kind::CheckBox, &C::Setup, 2640, 1920, 1935, 255),
        at(&C::Check5, Kind::CheckBox, &C::Setup, 2640, 2160, 1575, 255),
        at(&C::Check6, Kind::CheckBox, &C::Setup, 2640, 2400, 2055, 255),
        at(&C::Check7, Kind::CheckBox, &C::Setup, 2640, 2640, 1575, 255),
        at(&C::Command5, Kind::Button, &C::Setup, 3720, 3120, 1215, 495),

        at(&C::Frame1, Kind::Panel, nullptr, 6240, 0, 3855, 3855),
        at(&C::Frame2, Kind::Panel, &C::Frame1, 120, 360, 1335, 2535),
        at(&C::tMove0, Kind::OptionButton, &C::Frame2, 240, 360, 855, 195),
        at(&C::tMove1, Kind::OptionButton, &C::Frame2, 240, 675, 855, 195),
        at(&C::tMove2, Kind::OptionButton, &C::Frame2, 240, 960, 855, 195),
        at(&C::tMove3, Kind::OptionButton, &C::Frame2, 240, 1290, 855, 195),
        at(&C::tMove4, Kind::OptionButton, &C::Frame2, 240, 1605, 855, 195),
        at(&C::tJump0, Kind::CheckBox, &C::Frame2, 240, 1920, 855, 195),
        at(&C::Frame3, Kind::Panel, &C::Frame1, 1680, 360, 1815, 3375),
        at(&C::tPartial0, Kind::CheckBox, &C::Frame3, 120, 240, 1575, 375),
        at(&C::tProne0, Kind::CheckBox, &C::Frame3, 120, 600, 1575, 375),
        at(&C::tAdjHex0, Kind::CheckBox, &C::Frame3, 120, 1005, 1575, 375),
        at(&C::tImmobile0, Kind::CheckBox, &C::Frame3, 120, 1380, 1575, 375),
        at(&C::tOpenHex0, Kind::OptionButton, &C::Frame3, 120, 1800, 1575, 375),
        at(&C::tLW0, Kind::OptionButton, &C::Frame3, 120, 2160, 1575, 375),
        at(&C::tHW0, Kind::OptionButton, &C::Frame3, 120, 2520, 1575, 375),
        at(&C::tWater0, Kind::OptionButton, &C::Frame3, 120, 2880, 1575, 375),
        at(&C::Label6, Kind::Label, &C::Frame1, 120, 3000, 1335, 255),
        at(&C::tFacing, Kind::List, &C::Frame1, 120, 3240, 1335, 315),
    };
}

std::vector<ControlLayout> terrainAndResults() {
    return {
        at(&C::Frame9, Kind::Panel, nullptr, 240, 4440, 1695, 1815),
        label("Label4", "", &C::hexLW, &C::Frame9, 240, 360, 1215, 255),
        at(&C::hexLW, Kind::List, &C::Frame9, 240, 600, 735, 315),
        label("Label5", "", &C::hexHW, &C::Frame9, 240, 1080, 1215, 255),
        at(&C::hexHW, Kind::List, &C::Frame9, 240, 1320, 735, 315),

        label("Label11", "", &C::Text12, nullptr, 9600, 4440, 975, 375),
        at(&C::Text12, Kind::TextBox, nullptr, 9600, 4680, 975, 285),
        at(&C::Command1, Kind::Button, nullptr, 9480, 5520, 975, 375),
        at(&C::Command4, Kind::Button, nullptr, 10560, 5520, 975, 375),
        at(&C::Text13, Kind::MultiLineBox, nullptr, 9360, 6000, 2175, 1215),
        at(&C::Command2, Kind::Button, nullptr, 9480, 7320, 975, 375),
        at(&C::Command3, Kind::Button, nullptr, 10560, 7320, 975, 375),
    };
}

// One column of the weapon rows with its heading, which shows the column's caption.
struct RowColumn {
    ControlRef column;
    Kind kind;
    int left;
    int width;
    int height;
    const char* heading; // the heading label's name
    int headingLeft;
    int headingWidth;
};

constexpr int HeadingTop = 4080;
constexpr int FireHeadingTop = 3960;
constexpr int HeadingHeight = 255;
constexpr int FirstRowTop = 4320;
constexpr int RowPitch = 360;
constexpr int ListHeight = 315;
constexpr int TextHeight = 285;
constexpr int FireLeft = 9000;
constexpr int FireWidth = 255;

// "Short" and "Med" end one pixel inside their right-hand neighbours; they are one pixel
// narrower so that the three bracket fields stand side by side without overlapping.
constexpr int BracketWidth = 600;

const RowColumn RowColumns[] = {
    {&C::weapName, Kind::List, 2040, 1335, ListHeight, "Label9", 2160, 855},
    {&C::weapLoc, Kind::List, 3480, 975, ListHeight, "Label10", 3600, 735},
    {&C::minRange, Kind::TextBox, 4560, 615, TextHeight, "Label13", 4680, 495},
    {&C::sRange, Kind::TextBox, 5280, BracketWidth, TextHeight, "Label14", 5400, 495},
    {&C::mRange, Kind::TextBox, 5880, BracketWidth, TextHeight, "Label15", 6000, 495},
    {&C::lRange, Kind::TextBox, 6480, 615, TextHeight, "Label16", 6600, 495},
    {&C::Damage, Kind::TextBox, 7200, 615, TextHeight, "Label8", 7200, 615},
    {&C::toHit, Kind::TextBox, 8040, 855, TextHeight, "Label19", 8280, 495},
};

// The fire boxes of rows 1 to 6 are taller than the rest; every box is centred on its row.
int fireCheckHeight(int row) {
    return row >= 1 && row <= 6 ? 315 : 195;
}

ControlLayout inRow(ControlLayout layout, int row) {
    layout.row = row;
    return layout;
}

std::vector<ControlLayout> weaponRows() {
    std::vector<ControlLayout> controls;
    for (const RowColumn& column : RowColumns) {
        controls.push_back(label(column.heading, "", column.column, nullptr, column.headingLeft,
                                 HeadingTop, column.headingWidth, HeadingHeight));
    }
    controls.push_back(label("Label22", "Check to Declare", {}, nullptr, 9240, FireHeadingTop, 1455,
                             HeadingHeight, Look::Underlined));
    controls.push_back(
        at(&C::Check1, Kind::BareCheckBox, nullptr, FireLeft, FireHeadingTop, FireWidth, 255));
    controls.push_back({std::nullopt, -1, "Line1", "", Kind::VerticalLine, nullptr, 7920,
                        HeadingTop, 30, 8520 - HeadingTop});

    for (int row = 0; row < WEAPON_ROWS; ++row) {
        const int top = FirstRowTop + RowPitch * row;
        for (const RowColumn& column : RowColumns) {
            controls.push_back(inRow(at(column.column, column.kind, nullptr, column.left, top,
                                        column.width, column.height),
                                     row));
        }
        const int height = fireCheckHeight(row);
        controls.push_back(inRow(at(&C::fireCheck, Kind::BareCheckBox, nullptr, FireLeft,
                                    top + (ListHeight - height) / 2, FireWidth, height),
                                 row));
    }
    return controls;
}

std::vector<ControlLayout> buildLayout() {
    std::vector<ControlLayout> layout = upperHalf();
    for (auto part : {terrainAndResults(), weaponRows()}) {
        layout.insert(layout.end(), part.begin(), part.end());
    }
    return layout;
}

struct TabStop {
    ControlRef control;
    int row = -1;
};

// The designed order first; the remaining fields and the weapon rows' lists follow.
std::vector<TabStop> tabStops() {
    std::vector<TabStop> stops = {
        {&C::mechName},     {&C::pilotName},    {&C::gunSkill},     {&C::pilotSkill},
        {&C::Option1},      {&C::Option2},      {&C::Check2},       {&C::Check3},
        {&C::Check4},       {&C::Check5},       {&C::Check6},       {&C::Check7},
        {&C::Command5},     {&C::Slider1},      {&C::aMove1},       {&C::aMove2},
        {&C::aMove3},       {&C::aMove4},       {&C::aProne1},      {&C::aWater1},
        {&C::dmgSensor1},   {&C::dmgShoulder1}, {&C::dmgUpperAct1}, {&C::dmgLowerAct1},
        {&C::dmgShoulder2}, {&C::dmgUpperAct2}, {&C::dmgLowerAct2}, {&C::aHeat0},
        {&C::aHeat1},       {&C::aHeat2},       {&C::aHeat3},       {&C::aHeat4},
        {&C::tMove0},       {&C::tMove1},       {&C::tMove2},       {&C::tMove3},
        {&C::tMove4},       {&C::tJump0},       {&C::tPartial0},    {&C::tProne0},
        {&C::tImmobile0},   {&C::tOpenHex0},    {&C::tLW0},         {&C::tHW0},
        {&C::tWater0},      {&C::hexLW},        {&C::hexHW},        {&C::Check1},
    };
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        stops.push_back({&C::fireCheck, row});
    }
    for (ControlRef control :
         {ControlRef(&C::Command1), ControlRef(&C::Command4), ControlRef(&C::Command2),
          ControlRef(&C::Command3), ControlRef(&C::tAdjHex0), ControlRef(&C::range1),
          ControlRef(&C::Text12), ControlRef(&C::Text13), ControlRef(&C::gunSkillText),
          ControlRef(&C::tFacing)}) {
        stops.push_back({control});
    }
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        for (const RowColumn& column : RowColumns) {
            stops.push_back({column.column, row});
        }
    }
    return stops;
}

std::vector<std::size_t> buildTabOrder() {
    const std::vector<ControlLayout>& layout = sheetLayout();
    std::vector<std::size_t> order;
    for (const TabStop& stop : tabStops()) {
        const auto found = std::find_if(layout.begin(), layout.end(), [&stop](const auto& c) {
            return c.control == stop.control && c.row == stop.row;
        });
        if (found == layout.end()) {
            throw std::logic_error("a tab stop that the layout does not place");
        }
        order.push_back(static_cast<std::size_t>(found - layout.begin()));
    }
    return order;
}

} // namespace

const std::vector<ControlLayout>& sheetLayout() {
    static const std::vector<ControlLayout> layout = buildLayout();
    return layout;
}

const std::vector<MenuEntry>& sheetMenu() {
    static const std::vector<MenuEntry> menu = {
        {std::nullopt, "File", "&File"},
        {&C::mnuOpen, {}, {}, "File", {"Ctrl+O"}},
        {&C::mnuSave, {}, {}, "File", {"Ctrl+S"}},
        {&C::mnuSaveAs, {}, {}, "File", {"Ctrl+Shift+S"}},
        {&C::mnuNew},
        {&C::mnuEdit},
        {std::nullopt, "View", "&View"},
        {&C::mnuRangeChart, {}, {}, "View", {"Ctrl+R"}},
        {&C::mnuZoomIn, {}, {}, "View", {"Ctrl++", "Ctrl+="}},
        {&C::mnuZoomOut, {}, {}, "View", {"Ctrl+-"}},
        {&C::mnuActualSize, {}, {}, "View", {"Ctrl+0"}},
        {std::nullopt, "Help", "&Help"},
        {&C::mnuHelp, {}, {}, "Help"},
        {&C::mnuAbout, {}, {}, "Help"},
    };
    return menu;
}

const std::vector<std::size_t>& sheetTabOrder() {
    static const std::vector<std::size_t> order = buildTabOrder();
    return order;
}

std::string nameOf(const ControlLayout& layout) {
    return layout.control ? controlName(*layout.control, layout.row) : layout.name;
}

} // namespace sheet
