#include "layout/sheet_layout.h"

#include <algorithm>
#include <stdexcept>

namespace sheet {

namespace {

using C = CombatSheet;
using Kind = ControlKind;

// The upper half: the attacker panel, the setup panel over it, and the target panel.
std::vector<ControlLayout> upperHalf() {
    // clang-format off
    return {
        {.control = &C::attackerPanel, .kind = Kind::Panel, .left = 120, .top = 0, .width = 5895, .height = 3855, .coveredBy = &C::setupPanel},
        {.role = "gunSkillTextLabel", .form = "Label2", .in = &C::attackerPanel, .left = 240, .top = 240, .width = 975, .height = 255, .labelFor = &C::gunSkillText},
        {.control = &C::gunSkillText, .kind = Kind::TextBox, .in = &C::attackerPanel, .left = 240, .top = 480, .width = 735, .height = 285},
        {.control = &C::rangePanel, .kind = Kind::Panel, .in = &C::attackerPanel, .left = 1560, .top = 240, .width = 4215, .height = 735},
        {.control = &C::rangeBox, .kind = Kind::TextBox, .in = &C::rangePanel, .left = 240, .top = 360, .width = 615, .height = 285},
        {.control = &C::rangeSlider, .kind = Kind::Slider, .in = &C::rangePanel, .left = 960, .top = 360, .width = 2895, .height = 255},
        {.control = &C::attackerMovementPanel, .kind = Kind::Panel, .in = &C::attackerPanel, .left = 480, .top = 960, .width = 1695, .height = 2775},
        {.control = &C::stationaryOption, .kind = Kind::OptionButton, .in = &C::attackerMovementPanel, .left = 120, .top = 240, .width = 1215, .height = 375},
        {.control = &C::walkedOption, .kind = Kind::OptionButton, .in = &C::attackerMovementPanel, .left = 120, .top = 600, .width = 1215, .height = 375},
        {.control = &C::ranOption, .kind = Kind::OptionButton, .in = &C::attackerMovementPanel, .left = 120, .top = 960, .width = 1215, .height = 375},
        {.control = &C::jumpedOption, .kind = Kind::OptionButton, .in = &C::attackerMovementPanel, .left = 120, .top = 1320, .width = 1215, .height = 375},
        {.control = &C::attackerProneBox, .kind = Kind::CheckBox, .in = &C::attackerMovementPanel, .left = 120, .top = 1680, .width = 1095, .height = 255},
        {.control = &C::attackerWaterBox, .kind = Kind::CheckBox, .in = &C::attackerMovementPanel, .left = 120, .top = 2040, .width = 1455, .height = 255},
        {.control = &C::damagePanel, .kind = Kind::Panel, .in = &C::attackerPanel, .left = 2280, .top = 960, .width = 1935, .height = 2775},
        {.control = &C::sensorsBox, .kind = Kind::CheckBox, .in = &C::damagePanel, .left = 120, .top = 240, .width = 975, .height = 255},
        {.role = "rightArmLabel", .form = "Label1", .caption = "Right Arm", .in = &C::damagePanel, .left = 120, .top = 600, .width = 1095, .height = 255},
        {.control = &C::rightShoulderBox, .kind = Kind::CheckBox, .in = &C::damagePanel, .left = 120, .top = 840, .width = 1215, .height = 255, .namedAfter = "rightArmLabel"},
        {.control = &C::rightUpperActuatorBox, .kind = Kind::CheckBox, .in = &C::damagePanel, .left = 120, .top = 1080, .width = 1575, .height = 255, .namedAfter = "rightArmLabel"},
        {.control = &C::rightLowerActuatorBox, .kind = Kind::CheckBox, .in = &C::damagePanel, .left = 120, .top = 1320, .width = 1575, .height = 255, .namedAfter = "rightArmLabel"},
        {.role = "leftArmLabel", .form = "Label12", .caption = "Left Arm", .in = &C::damagePanel, .left = 120, .top = 1680, .width = 1095, .height = 255},
        {.control = &C::leftShoulderBox, .kind = Kind::CheckBox, .in = &C::damagePanel, .left = 120, .top = 1920, .width = 1215, .height = 255, .namedAfter = "leftArmLabel"},
        {.control = &C::leftUpperActuatorBox, .kind = Kind::CheckBox, .in = &C::damagePanel, .left = 120, .top = 2160, .width = 1575, .height = 255, .namedAfter = "leftArmLabel"},
        {.control = &C::leftLowerActuatorBox, .kind = Kind::CheckBox, .in = &C::damagePanel, .left = 120, .top = 2400, .width = 1575, .height = 255, .namedAfter = "leftArmLabel"},
        {.control = &C::heatPanel, .kind = Kind::Panel, .in = &C::attackerPanel, .left = 4320, .top = 960, .width = 1455, .height = 2775},
        {.control = &C::heat0to7Option, .kind = Kind::OptionButton, .in = &C::heatPanel, .left = 120, .top = 360, .width = 855, .height = 255},
        {.control = &C::heat8to12Option, .kind = Kind::OptionButton, .in = &C::heatPanel, .left = 120, .top = 720, .width = 1215, .height = 255},
        {.control = &C::heat13to16Option, .kind = Kind::OptionButton, .in = &C::heatPanel, .left = 120, .top = 1080, .width = 1095, .height = 255},
        {.control = &C::heat17to23Option, .kind = Kind::OptionButton, .in = &C::heatPanel, .left = 120, .top = 1440, .width = 1095, .height = 255},
        {.control = &C::heat24PlusOption, .kind = Kind::OptionButton, .in = &C::heatPanel, .left = 120, .top = 1800, .width = 975, .height = 255},

        // Made after the attacker panel, so that it lies over it.
        {.control = &C::setupPanel, .kind = Kind::Panel, .left = 120, .top = 0, .width = 6015, .height = 3855, .look = Look::Shaded},
        {.role = "mechNameLabel", .form = "Label18", .in = &C::setupPanel, .left = 360, .top = 360, .width = 1815, .height = 255, .labelFor = &C::mechName},
        {.control = &C::mechName, .kind = Kind::TextBox, .in = &C::setupPanel, .left = 360, .top = 600, .width = 1935, .height = 285},
        {.role = "pilotNameLabel", .form = "Label7", .in = &C::setupPanel, .left = 360, .top = 960, .width = 1815, .height = 255, .labelFor = &C::pilotName},
        {.control = &C::pilotName, .kind = Kind::TextBox, .in = &C::setupPanel, .left = 360, .top = 1200, .width = 1935, .height = 285},
        {.role = "gunSkillLabel", .form = "Label3", .caption = "Gunnery Skill (Required)", .in = &C::setupPanel, .left = 360, .top = 1560, .width = 1935, .height = 255, .labelFor = &C::gunSkill},
        {.control = &C::gunSkill, .kind = Kind::List, .in = &C::setupPanel, .left = 360, .top = 1800, .width = 735, .height = 315},
        {.role = "pilotSkillLabel", .form = "Label17", .in = &C::setupPanel, .left = 360, .top = 2280, .width = 975, .height = 255, .labelFor = &C::pilotSkill},
        {.control = &C::pilotSkill, .kind = Kind::List, .in = &C::setupPanel, .left = 360, .top = 2520, .width = 735, .height = 315},
        {.role = "mechTypeHeading", .form = "Label21", .caption = "Mech Type (Required)", .in = &C::setupPanel, .left = 2640, .top = 360, .width = 1815, .height = 255, .look = Look::Underlined},
        {.control = &C::innerSphereOption, .kind = Kind::OptionButton, .in = &C::setupPanel, .left = 2640, .top = 600, .width = 1215, .height = 195, .headedBy = "mechTypeHeading"},
        {.control = &C::clanOption, .kind = Kind::OptionButton, .in = &C::setupPanel, .left = 2640, .top = 840, .width = 1695, .height = 255, .headedBy = "mechTypeHeading"},
        {.role = "equipmentHeading", .form = "Label20", .caption = "Special Equipment", .in = &C::setupPanel, .left = 2640, .top = 1200, .width = 1815, .height = 255, .look = Look::Underlined},
        {.control = &C::amsBox, .kind = Kind::CheckBox, .in = &C::setupPanel, .left = 2640, .top = 1440, .width = 1575, .height = 255},
        {.control = &C::artemisBox, .kind = Kind::CheckBox, .in = &C::setupPanel, .left = 2640, .top = 1680, .width = 1575, .height = 255},
        {.control = &C::apPodsBox, .kind = Kind::CheckBox, .in = &C::setupPanel, .left = 2640, .top = 1920, .width = 1935, .height = 255},
        {.control = &C::c3Box, .kind = Kind::CheckBox, .in = &C::setupPanel, .left = 2640, .top = 2160, .width = 1575, .height = 255},
        {.control = &C::clusterMunitionsBox, .kind = Kind::CheckBox, .in = &C::setupPanel, .left = 2640, .top = 2400, .width = 2055, .height = 255},
        {.control = &C::ecmBox, .kind = Kind::CheckBox, .in = &C::setupPanel, .left = 2640, .top = 2640, .width = 1575, .height = 255},
        {.control = &C::doneButton, .kind = Kind::Button, .in = &C::setupPanel, .left = 3720, .top = 3120, .width = 1215, .height = 495},

        {.control = &C::targetPanel, .kind = Kind::Panel, .left = 6240, .top = 0, .width = 3855, .height = 3855},
        {.control = &C::targetMovementPanel, .kind = Kind::Panel, .in = &C::targetPanel, .left = 120, .top = 360, .width = 1335, .height = 2535},
        {.control = &C::targetMoved0to2Option, .kind = Kind::OptionButton, .in = &C::targetMovementPanel, .left = 240, .top = 360, .width = 855, .height = 195},
        {.control = &C::targetMoved3to4Option, .kind = Kind::OptionButton, .in = &C::targetMovementPanel, .left = 240, .top = 675, .width = 855, .height = 195},
        {.control = &C::targetMoved5to6Option, .kind = Kind::OptionButton, .in = &C::targetMovementPanel, .left = 240, .top = 960, .width = 855, .height = 195},
        {.control = &C::targetMoved7to9Option, .kind = Kind::OptionButton, .in = &C::targetMovementPanel, .left = 240, .top = 1290, .width = 855, .height = 195},
        {.control = &C::targetMoved10PlusOption, .kind = Kind::OptionButton, .in = &C::targetMovementPanel, .left = 240, .top = 1605, .width = 855, .height = 195},
        {.control = &C::targetJumpedBox, .kind = Kind::CheckBox, .in = &C::targetMovementPanel, .left = 240, .top = 1920, .width = 855, .height = 195},
        {.control = &C::targetPositionPanel, .kind = Kind::Panel, .in = &C::targetPanel, .left = 1680, .top = 360, .width = 1815, .height = 3375},
        {.control = &C::partialCoverBox, .kind = Kind::CheckBox, .in = &C::targetPositionPanel, .left = 120, .top = 240, .width = 1575, .height = 375},
        {.control = &C::targetProneBox, .kind = Kind::CheckBox, .in = &C::targetPositionPanel, .left = 120, .top = 600, .width = 1575, .height = 375},
        {.control = &C::adjacentHexBox, .kind = Kind::CheckBox, .in = &C::targetPositionPanel, .left = 120, .top = 1005, .width = 1575, .height = 375},
        {.control = &C::immobileBox, .kind = Kind::CheckBox, .in = &C::targetPositionPanel, .left = 120, .top = 1380, .width = 1575, .height = 375},
        {.control = &C::openHexOption, .kind = Kind::OptionButton, .in = &C::targetPositionPanel, .left = 120, .top = 1800, .width = 1575, .height = 375},
        {.control = &C::lightWoodsOption, .kind = Kind::OptionButton, .in = &C::targetPositionPanel, .left = 120, .top = 2160, .width = 1575, .height = 375},
        {.control = &C::heavyWoodsOption, .kind = Kind::OptionButton, .in = &C::targetPositionPanel, .left = 120, .top = 2520, .width = 1575, .height = 375},
        {.control = &C::targetWaterOption, .kind = Kind::OptionButton, .in = &C::targetPositionPanel, .left = 120, .top = 2880, .width = 1575, .height = 375},
        {.control = &C::facingPanel, .kind = Kind::Label, .in = &C::targetPanel, .left = 120, .top = 3000, .width = 1335, .height = 255},
        {.control = &C::tFacing, .kind = Kind::List, .in = &C::targetPanel, .left = 120, .top = 3240, .width = 1335, .height = 315},
    };
    // clang-format on
}

std::vector<ControlLayout> terrainAndResults() {
    // clang-format off
    return {
        {.control = &C::terrainPanel, .kind = Kind::Panel, .left = 240, .top = 4440, .width = 1695, .height = 1815},
        {.role = "lightWoodsLabel", .form = "Label4", .in = &C::terrainPanel, .left = 240, .top = 360, .width = 1215, .height = 255, .labelFor = &C::hexLW},
        {.control = &C::hexLW, .kind = Kind::List, .in = &C::terrainPanel, .left = 240, .top = 600, .width = 735, .height = 315},
        {.role = "heavyWoodsLabel", .form = "Label5", .in = &C::terrainPanel, .left = 240, .top = 1080, .width = 1215, .height = 255, .labelFor = &C::hexHW},
        {.control = &C::hexHW, .kind = Kind::List, .in = &C::terrainPanel, .left = 240, .top = 1320, .width = 735, .height = 315},

        {.role = "totalHeatLabel", .form = "Label11", .left = 9600, .top = 4440, .width = 975, .height = 375, .labelFor = &C::totalHeatBox},
        {.control = &C::totalHeatBox, .kind = Kind::TextBox, .left = 9600, .top = 4680, .width = 975, .height = 285},
        {.control = &C::calculateButton, .kind = Kind::Button, .left = 9480, .top = 5520, .width = 975, .height = 375},
        {.control = &C::declareButton, .kind = Kind::Button, .left = 10560, .top = 5520, .width = 975, .height = 375},
        {.control = &C::declarationBox, .kind = Kind::MultiLineBox, .left = 9360, .top = 6000, .width = 2175, .height = 1215},
        {.control = &C::copyButton, .kind = Kind::Button, .left = 9480, .top = 7320, .width = 975, .height = 375},
        {.control = &C::clearButton, .kind = Kind::Button, .left = 10560, .top = 7320, .width = 975, .height = 375},
    };
    // clang-format on
}

// One column of the weapon rows with its heading, which shows the column's caption.
struct RowColumn {
    ControlRef column;
    Kind kind;
    int left;
    int width;
    int height;
    const char* headingRole;
    const char* headingForm;
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

// clang-format off
const RowColumn RowColumns[] = {
    {.column = &C::weapName, .kind = Kind::List, .left = 2040, .width = 1335, .height = ListHeight, .headingRole = "weaponHeading", .headingForm = "Label9", .headingLeft = 2160, .headingWidth = 855},
    {.column = &C::weapLoc, .kind = Kind::List, .left = 3480, .width = 975, .height = ListHeight, .headingRole = "locationHeading", .headingForm = "Label10", .headingLeft = 3600, .headingWidth = 735},
    {.column = &C::minRange, .kind = Kind::TextBox, .left = 4560, .width = 615, .height = TextHeight, .headingRole = "minHeading", .headingForm = "Label13", .headingLeft = 4680, .headingWidth = 495},
    {.column = &C::sRange, .kind = Kind::TextBox, .left = 5280, .width = BracketWidth, .height = TextHeight, .headingRole = "shortHeading", .headingForm = "Label14", .headingLeft = 5400, .headingWidth = 495},
    {.column = &C::mRange, .kind = Kind::TextBox, .left = 5880, .width = BracketWidth, .height = TextHeight, .headingRole = "medHeading", .headingForm = "Label15", .headingLeft = 6000, .headingWidth = 495},
    {.column = &C::lRange, .kind = Kind::TextBox, .left = 6480, .width = 615, .height = TextHeight, .headingRole = "longHeading", .headingForm = "Label16", .headingLeft = 6600, .headingWidth = 495},
    {.column = &C::damage, .kind = Kind::TextBox, .left = 7200, .width = 615, .height = TextHeight, .headingRole = "damageHeading", .headingForm = "Label8", .headingLeft = 7200, .headingWidth = 615},
    {.column = &C::toHit, .kind = Kind::TextBox, .left = 8040, .width = 855, .height = TextHeight, .headingRole = "toHitHeading", .headingForm = "Label19", .headingLeft = 8280, .headingWidth = 495},
};
// clang-format on

// The fire boxes of rows 1 to 6 are taller than the rest; every box is centred on its row.
int fireCheckHeight(int row) {
    return row >= 1 && row <= 6 ? 315 : 195;
}

std::vector<ControlLayout> weaponRows() {
    std::vector<ControlLayout> controls;
    for (const RowColumn& column : RowColumns) {
        controls.push_back({.role = column.headingRole,
                            .form = column.headingForm,
                            .left = column.headingLeft,
                            .top = HeadingTop,
                            .width = column.headingWidth,
                            .height = HeadingHeight,
                            .labelFor = column.column});
    }
    controls.push_back({.role = "declareHeading",
                        .form = "Label22",
                        .left = 9240,
                        .top = FireHeadingTop,
                        .width = 1455,
                        .height = HeadingHeight,
                        .look = Look::Underlined,
                        .labelFor = &C::fireCheck});
    controls.push_back({.control = &C::selectAllBox,
                        .kind = Kind::BareCheckBox,
                        .left = FireLeft,
                        .top = FireHeadingTop,
                        .width = FireWidth,
                        .height = 255});
    controls.push_back({.role = "columnRule",
                        .form = "Line1",
                        .kind = Kind::VerticalLine,
                        .left = 7920,
                        .top = HeadingTop,
                        .width = 30,
                        .height = 8520 - HeadingTop});

    for (int row = 0; row < WEAPON_ROWS; ++row) {
        const int top = FirstRowTop + RowPitch * row;
        for (const RowColumn& column : RowColumns) {
            controls.push_back({.control = column.column,
                                .row = row,
                                .kind = column.kind,
                                .left = column.left,
                                .top = top,
                                .width = column.width,
                                .height = column.height});
        }
        const int height = fireCheckHeight(row);
        controls.push_back({.control = &C::fireCheck,
                            .row = row,
                            .kind = Kind::BareCheckBox,
                            .left = FireLeft,
                            .top = top + (ListHeight - height) / 2,
                            .width = FireWidth,
                            .height = height});
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
        {&C::mechName},
        {&C::pilotName},
        {&C::gunSkill},
        {&C::pilotSkill},
        {&C::innerSphereOption},
        {&C::clanOption},
        {&C::amsBox},
        {&C::artemisBox},
        {&C::apPodsBox},
        {&C::c3Box},
        {&C::clusterMunitionsBox},
        {&C::ecmBox},
        {&C::doneButton},
        {&C::rangeSlider},
        {&C::stationaryOption},
        {&C::walkedOption},
        {&C::ranOption},
        {&C::jumpedOption},
        {&C::attackerProneBox},
        {&C::attackerWaterBox},
        {&C::sensorsBox},
        {&C::rightShoulderBox},
        {&C::rightUpperActuatorBox},
        {&C::rightLowerActuatorBox},
        {&C::leftShoulderBox},
        {&C::leftUpperActuatorBox},
        {&C::leftLowerActuatorBox},
        {&C::heat0to7Option},
        {&C::heat8to12Option},
        {&C::heat13to16Option},
        {&C::heat17to23Option},
        {&C::heat24PlusOption},
        {&C::targetMoved0to2Option},
        {&C::targetMoved3to4Option},
        {&C::targetMoved5to6Option},
        {&C::targetMoved7to9Option},
        {&C::targetMoved10PlusOption},
        {&C::targetJumpedBox},
        {&C::partialCoverBox},
        {&C::targetProneBox},
        {&C::immobileBox},
        {&C::openHexOption},
        {&C::lightWoodsOption},
        {&C::heavyWoodsOption},
        {&C::targetWaterOption},
        {&C::hexLW},
        {&C::hexHW},
        {&C::selectAllBox},
    };
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        stops.push_back({&C::fireCheck, row});
    }
    for (ControlRef control :
         {ControlRef(&C::calculateButton), ControlRef(&C::declareButton),
          ControlRef(&C::copyButton), ControlRef(&C::clearButton), ControlRef(&C::adjacentHexBox),
          ControlRef(&C::rangeBox), ControlRef(&C::totalHeatBox), ControlRef(&C::declarationBox),
          ControlRef(&C::gunSkillText), ControlRef(&C::tFacing)}) {
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
    std::vector<std::size_t> order;
    for (const TabStop& stop : tabStops()) {
        order.push_back(placeOf(stop.control, stop.row));
    }
    return order;
}

} // namespace

const std::vector<ControlLayout>& sheetLayout() {
    static const std::vector<ControlLayout> layout = buildLayout();
    return layout;
}

const std::vector<MenuEntry>& sheetMenu() {
    // clang-format off
    static const std::vector<MenuEntry> menu = {
        {.name = "File", .caption = "&File"},
        {.command = &C::mnuOpen, .menu = "File", .keys = {"Ctrl+O"}},
        {.command = &C::mnuSave, .menu = "File", .keys = {"Ctrl+S"}},
        {.command = &C::mnuSaveAs, .menu = "File", .keys = {"Ctrl+Shift+S"}},
        {.command = &C::mnuClose, .menu = "File", .keys = {"Ctrl+W"}},
        {.command = &C::mnuQuit, .menu = "File", .keys = {"Ctrl+Q"}},
        {.command = &C::mnuNew},
        {.command = &C::mnuEdit},
        {.name = "View", .caption = "&View"},
        {.command = &C::mnuRangeChart, .menu = "View", .keys = {"Ctrl+R"}},
        {.command = &C::mnuZoomIn, .menu = "View", .keys = {"Ctrl++", "Ctrl+="}},
        {.command = &C::mnuZoomOut, .menu = "View", .keys = {"Ctrl+-"}},
        {.command = &C::mnuActualSize, .menu = "View", .keys = {"Ctrl+0"}},
        {.name = "Help", .caption = "&Help"},
        {.command = &C::mnuHelp, .menu = "Help"},
        {.command = &C::mnuAbout, .menu = "Help"},
    };
    // clang-format on
    return menu;
}

const std::vector<std::size_t>& sheetTabOrder() {
    static const std::vector<std::size_t> order = buildTabOrder();
    return order;
}

std::string roleNameOf(const ControlLayout& layout) {
    return layout.control ? roleName(*layout.control, layout.row) : layout.role;
}

std::string formNameOf(const ControlLayout& layout) {
    return layout.control ? formName(*layout.control, layout.row) : layout.form;
}

std::string spokenNameOf(const CombatSheet& sheet, const ControlLayout& layout) {
    std::string name = visitControl(sheet, *layout.control, std::max(layout.row, 0),
                                    [](const Control& control) { return control.plainCaption(); });
    // A caption may keep spaces that set it off on the sheet; a name is said without them.
    const std::size_t first = name.find_first_not_of(' ');
    const std::size_t last = name.find_last_not_of(' ');
    name = first == std::string::npos ? std::string() : name.substr(first, last - first + 1);
    // Appended piece by piece: GCC 12 at -O2 takes a joined temporary for an overlap.
    if (layout.row >= 0) {
        name.append(1, ' ').append(std::to_string(layout.row + 1));
    }
    if (layout.namedAfter != nullptr) {
        std::string spoken = sheetLayout()[placeOf(layout.namedAfter)].caption;
        name = spoken.append(1, ' ').append(name);
    }
    return name;
}

std::size_t placeOf(const ControlRef& control, int row) {
    const std::vector<ControlLayout>& layout = sheetLayout();
    const auto found = std::find_if(layout.begin(), layout.end(), [&](const ControlLayout& c) {
        return c.control == control && c.row == row;
    });
    if (found == layout.end()) {
        throw std::logic_error("a control that the layout does not place");
    }
    return static_cast<std::size_t>(found - layout.begin());
}

std::size_t placeOf(std::string_view role) {
    const std::vector<ControlLayout>& layout = sheetLayout();
    const auto found = std::find_if(layout.begin(), layout.end(),
                                    [role](const ControlLayout& c) { return c.role == role; });
    if (found == layout.end()) {
        throw std::logic_error("a label or line that the layout does not place");
    }
    return static_cast<std::size_t>(found - layout.begin());
}

} // namespace sheet
