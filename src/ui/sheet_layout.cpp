#include "ui/sheet_layout.h"

#include "app/combat_sheet.h"

namespace sheet {

namespace {

using Kind = ControlKind;

// The upper half: the setup panel over the attacker panel, and the target panel.
std::vector<ControlLayout> upperHalf() {
    return {
        {"Frame4", Kind::Panel, "ATTACKER", "", 120, 0, 5895, 3855},
        {"Label2", Kind::Label, "Gunnery Skill", "Frame4", 240, 240, 975, 255},
        {"gunSkillText", Kind::TextBox, "", "Frame4", 240, 480, 735, 285, false, "Gunnery Skill"},
        {"Frame8", Kind::Panel, "Range to Target", "Frame4", 1560, 240, 4215, 735},
        {"range1", Kind::TextBox, "", "Frame8", 240, 360, 615, 285, false, "Range"},
        {"Slider1", Kind::Slider, "", "Frame8", 960, 360, 2895, 255, false, "Range to Target"},
        {"Frame5", Kind::Panel, "Movement", "Frame4", 480, 960, 1695, 2775},
        {"aMove1", Kind::OptionButton, "Stationary", "Frame5", 120, 240, 1215, 375},
        {"aMove2", Kind::OptionButton, "Walked", "Frame5", 120, 600, 1215, 375},
        {"aMove3", Kind::OptionButton, "Ran", "Frame5", 120, 960, 1215, 375},
        {"aMove4", Kind::OptionButton, "Jumped", "Frame5", 120, 1320, 1215, 375},
        {"aProne1", Kind::CheckBox, "Prone", "Frame5", 120, 1680, 1095, 255},
        {"aWater1", Kind::CheckBox, "In Lvl 1 Water", "Frame5", 120, 2040, 1455, 255},
        {"Frame6", Kind::Panel, "Damage", "Frame4", 2280, 960, 1935, 2775},
        {"dmgSensor1", Kind::CheckBox, "Sensors", "Frame6", 120, 240, 975, 255},
        {"Label1", Kind::Label, "Right Arm", "Frame6", 120, 600, 1095, 255},
        {"dmgShoulder1", Kind::CheckBox, "Shoulder", "Frame6", 120, 840, 1215, 255},
        {"dmgUpperAct1", Kind::CheckBox, "Upper Actuator", "Frame6", 120, 1080, 1575, 255},
        {"dmgLowerAct1", Kind::CheckBox, "Lower Actuator", "Frame6", 120, 1320, 1575, 255},
        {"Label12", Kind::Label, "Left Arm", "Frame6", 120, 1680, 1095, 255},
        {"dmgShoulder2", Kind::CheckBox, "Shoulder", "Frame6", 120, 1920, 1215, 255},
        {"dmgUpperAct2", Kind::CheckBox, "Upper Actuator", "Frame6", 120, 2160, 1575, 255},
        {"dmgLowerAct2", Kind::CheckBox, "Lower Actuator", "Frame6", 120, 2400, 1575, 255},
        {"Frame7", Kind::Panel, "Heat Level", "Frame4", 4320, 960, 1455, 2775},
        {"aHeat0", Kind::OptionButton, "0-7", "Frame7", 120, 360, 855, 255},
        {"aHeat1", Kind::OptionButton, "8-12", "Frame7", 120, 720, 1215, 255},
        {"aHeat2", Kind::OptionButton, "13-16", "Frame7", 120, 1080, 1095, 255},
        {"aHeat3", Kind::OptionButton, "17-23", "Frame7", 120, 1440, 1095, 255},
        {"aHeat4", Kind::OptionButton, "24+", "Frame7", 120, 1800, 975, 255},

        // Created after the attacker panel so that it lies over it.
        {"Setup", Kind::Panel, "SETUP", "", 120, 0, 6015, 3855},
        {"Label18", Kind::Label, "Mech Model", "Setup", 360, 360, 1815, 255},
        {"mechName", Kind::TextBox, "", "Setup", 360, 600, 1935, 285, false, "Mech Model"},
        {"Label7", Kind::Label, "Korvath Name", "Setup", 360, 960, 1815, 255},
        {"pilotName", Kind::TextBox, "", "Setup", 360, 1200, 1935, 285, false, "Korvath Name"},
        {"Label3", Kind::Label, "Gunnery Skill (Required)", "Setup", 360, 1560, 1935, 255},
        {"gunSkill", Kind::PickList, "", "Setup", 360, 1800, 735, 315, false, "Gunnery Skill"},
        {"Label17", Kind::Label, "Piloting Skill", "Setup", 360, 2280, 975, 255},
        {"pilotSkill", Kind::PickList, "", "Setup", 360, 2520, 735, 315, false, "Piloting Skill"},
        {"Label21", Kind::Label, "Mech Type (Required)", "Setup", 2640, 360, 1815, 255, true},
        {"Option1", Kind::OptionButton, "Inner Sphere", "Setup", 2640, 600, 1215, 195},
        {"Option2", Kind::OptionButton, "Clan ", "Setup", 2640, 840, 1695, 255},
        {"Label20", Kind::Label, "Special Equipment", "Setup", 2640, 1200, 1815, 255, true},
        {"Check2", Kind::CheckBox, "AMS", "Setup", 2640, 1440, 1575, 255},
        {"Check3", Kind::CheckBox, "Artemis IV", "Setup", 2640, 1680, 1575, 255},
        {"Check4", Kind::CheckBox, "Anti-Personnel Pods", "Setup", 2640, 1920, 1935, 255},
        {"Check5", Kind::CheckBox, "c3 Master/Slave", "Setup", 2640, 2160, 1575, 255},
        {"Check6", Kind::CheckBox, "LB-X Cluster Munitions", "Setup", 2640, 2400, 2055, 255},
        {"Check7", Kind::CheckBox, "ECM Suite", "Setup", 2640, 2640, 1575, 255},
        {"Command5", Kind::Button, "Done", "Setup", 3720, 3120, 1215, 495},

        {"Frame1", Kind::Panel, "TARGET", "", 6240, 0, 3855, 3855},
        {"Frame2", Kind::Panel, "Movement", "Frame1", 120, 360, 1335, 2535},
        {"tMove0", Kind::OptionButton, "0-2", "Frame2", 240, 360, 855, 195},
        {"tMove1", Kind::OptionButton, "3-4", "Frame2", 240, 675, 855, 195},
        {"tMove2", Kind::OptionButton, "5-6", "Frame2", 240, 960, 855, 195},
        {"tMove3", Kind::OptionButton, "7-9", "Frame2", 240, 1290, 855, 195},
        {"tMove4", Kind::OptionButton, "10+", "Frame2", 240, 1605, 855, 195},
        {"tJump0", Kind::CheckBox, "Jumped", "Frame2", 240, 1920, 855, 195},
        {"Frame3", Kind::Panel, "Position", "Frame1", 1680, 360, 1815, 3375},
        {"tPartial0", Kind::CheckBox, "Partial Cover", "Frame3", 120, 240, 1575, 375},
        {"tProne0", Kind::CheckBox, "Prone", "Frame3", 120, 600, 1575, 375},
        {"tAdjHex0", Kind::CheckBox, "Adjacent Hex", "Frame3", 120, 1005, 1575, 375},
        {"tImmobile0", Kind::CheckBox, "Immobile", "Frame3", 120, 1380, 1575, 375},
        {"tOpenHex0", Kind::OptionButton, "In Open Hex", "Frame3", 120, 1800, 1575, 375},
        {"tLW0", Kind::OptionButton, "In Light Woods", "Frame3", 120, 2160, 1575, 375},
        {"tHW0", Kind::OptionButton, "In Heavy Woods", "Frame3", 120, 2520, 1575, 375},
        {"tWater0", Kind::OptionButton, "In Lvl 1 Water", "Frame3", 120, 2880, 1575, 375},
        {"Label6", Kind::Label, "Facing", "Frame1", 120, 3000, 1335, 255},
        {"tFacing", Kind::PickList, "", "Frame1", 120, 3240, 1335, 315, false, "Facing"},
    };
}

std::vector<ControlLayout> terrainAndResults() {
    return {
        {"Frame9", Kind::Panel, "Intervening Terrain", "", 240, 4440, 1695, 1815},
        {"Label4", Kind::Label, "Light Woods", "Frame9", 240, 360, 1215, 255},
        {"hexLW", Kind::EditableList, "", "Frame9", 240, 600, 735, 315, false, "Light Woods"},
        {"Label5", Kind::Label, "Heavy Woods", "Frame9", 240, 1080, 1215, 255},
        {"hexHW", Kind::EditableList, "", "Frame9", 240, 1320, 735, 315, false, "Heavy Woods"},

        {"Label11", Kind::Label, "Total Heat", "", 9600, 4440, 975, 375},
        {"Text12", Kind::TextBox, "", "", 9600, 4680, 975, 285, false, "Total Heat"},
        {"Command1", Kind::Button, "Calculate", "", 9480, 5520, 975, 375},
        {"Command4", Kind::Button, "Declare", "", 10560, 5520, 975, 375},
        {"Text13", Kind::MultiLineBox, "", "", 9360, 6000, 2175, 1215, false, "Declaration"},
        {"Command2", Kind::Button, "Copy", "", 9480, 7320, 975, 375},
        {"Command3", Kind::Button, "Clear", "", 10560, 7320, 975, 375},
    };
}

// One column of the weapon rows with its heading.
struct RowColumn {
    const char* name;
    Kind kind;
    int left;
    int width;
    int height;
    const char* heading; // the heading label's name
    const char* caption;
    int headingLeft;
    int headingWidth;
    const char* accessibleSuffix;
};

constexpr int HeadingTop = 4080;
constexpr int FireHeadingTop = 3960;
constexpr int HeadingHeight = 255;
constexpr int FirstRowTop = 4320;
constexpr int RowPitch = 360;
constexpr int ListHeight = 315;
constexpr int TextHeight = 285;

// "Short" and "Med" end one pixel inside their right-hand neighbours; they are one pixel
// narrower so that the three bracket fields stand side by side without overlapping.
constexpr int BracketWidth = 600;

constexpr RowColumn RowColumns[] = {
    {"weapName", Kind::PickList, 2040, 1335, ListHeight, "Label9", "Weapon", 2160, 855, "Weapon"},
    {"weapLoc", Kind::PickList, 3480, 975, ListHeight, "Label10", "Location", 3600, 735,
     "Location"},
    {"minRange", Kind::TextBox, 4560, 615, TextHeight, "Label13", "Min", 4680, 495, "Min"},
    {"sRange", Kind::TextBox, 5280, BracketWidth, TextHeight, "Label14", "Short", 5400, 495,
     "Short"},
    {"mRange", Kind::TextBox, 5880, BracketWidth, TextHeight, "Label15", "Med", 6000, 495, "Med"},
    {"lRange", Kind::TextBox, 6480, 615, TextHeight, "Label16", "Long", 6600, 495, "Long"},
    {"Damage", Kind::TextBox, 7200, 615, TextHeight, "Label8", "Damage", 7200, 615, "Damage"},
    {"toHit", Kind::TextBox, 8040, 855, TextHeight, "Label19", "To-Hit", 8280, 495, "To-Hit"},
};

// The fire boxes of rows 1 to 6 are taller than the rest; every box is centred on its row.
int fireCheckHeight(int row) {
    return row >= 1 && row <= 6 ? 315 : 195;
}

std::vector<ControlLayout> weaponRows() {
    std::vector<ControlLayout> controls;
    for (const RowColumn& column : RowColumns) {
        controls.push_back({column.heading, Kind::Label, column.caption, "", column.headingLeft,
                            HeadingTop, column.headingWidth, HeadingHeight});
    }
    controls.push_back({"Label22", Kind::Label, "Check to Declare", "", 9240, FireHeadingTop, 1455,
                        HeadingHeight, true});
    controls.push_back({"Check1", Kind::CheckBox, "", "", 9000, FireHeadingTop, 255, 255, false,
                        "Declare all rows"});
    controls.push_back(
        {"Line1", Kind::VerticalLine, "", "", 7920, HeadingTop, 30, 8520 - HeadingTop});

    for (int row = 0; row < WEAPON_ROWS; ++row) {
        const int top = FirstRowTop + RowPitch * row;
        const std::string rowName = "Row " + std::to_string(row + 1) + " ";
        for (const RowColumn& column : RowColumns) {
            controls.push_back({rowControlName(column.name, row), column.kind, "", "", column.left,
                                top, column.width, column.height, false,
                                rowName + column.accessibleSuffix});
        }
        const int height = fireCheckHeight(row);
        controls.push_back({rowControlName("fireCheck", row), Kind::CheckBox, "", "", 9000,
                            top + (ListHeight - height) / 2, 255, height, false,
                            rowName + "Declare"});
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

std::vector<std::string> buildTabOrder() {
    std::vector<std::string> order = {
        "mechName",     "pilotName",    "gunSkill",     "pilotSkill",   "Option1",
        "Option2",      "Check2",       "Check3",       "Check4",       "Check5",
        "Check6",       "Check7",       "Command5",     "Slider1",      "aMove1",
        "aMove2",       "aMove3",       "aMove4",       "aProne1",      "aWater1",
        "dmgSensor1",   "dmgShoulder1", "dmgUpperAct1", "dmgLowerAct1", "dmgShoulder2",
        "dmgUpperAct2", "dmgLowerAct2", "aHeat0",       "aHeat1",       "aHeat2",
        "aHeat3",       "aHeat4",       "tMove0",       "tMove1",       "tMove2",
        "tMove3",       "tMove4",       "tJump0",       "tPartial0",    "tProne0",
        "tImmobile0",   "tOpenHex0",    "tLW0",         "tHW0",         "tWater0",
        "hexLW",        "hexHW",        "Check1",
    };
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        order.push_back(rowControlName("fireCheck", row));
    }
    for (const char* name : {"Command1", "Command4", "Command2", "Command3", "tAdjHex0", "range1",
                             "Text12", "Text13", "gunSkillText", "tFacing"}) {
        order.push_back(name);
    }
    for (int row = 0; row < WEAPON_ROWS; ++row) {
        for (const RowColumn& column : RowColumns) {
            order.push_back(rowControlName(column.name, row));
        }
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
        {"mnuNew", "&New Mech", ""},
        {"mnuEdit", "&Edit Mech", ""},
        {"Help", "&Help", "", true},
        {"mnuHelp", "&Contents", "Help"},
        {"mnuAbout", "&About Vexolan", "Help"},
    };
    return menu;
}

const std::vector<std::string>& sheetTabOrder() {
    static const std::vector<std::string> order = buildTabOrder();
    return order;
}

std::string rowControlName(const std::string& column, int row) {
    return column + "(" + std::to_string(row) + ")";
}

} // namespace sheet
