#include "ui/control_lookup.h"

#include <charconv>
#include <optional>
#include <utility>

namespace {

template <typename T> struct Member {
    std::string_view name;
    T CombatSheet::*member;
};

template <typename T> struct Column {
    std::string_view name;
    RowArray<T> CombatSheet::*member;
};

constexpr Member<Panel> Panels[] = {
    {"Setup", &CombatSheet::Setup},   {"Frame4", &CombatSheet::Frame4},
    {"Frame8", &CombatSheet::Frame8}, {"Frame5", &CombatSheet::Frame5},
    {"Frame6", &CombatSheet::Frame6}, {"Frame7", &CombatSheet::Frame7},
    {"Frame1", &CombatSheet::Frame1}, {"Frame2", &CombatSheet::Frame2},
    {"Frame3", &CombatSheet::Frame3}, {"Frame9", &CombatSheet::Frame9},
    {"Label6", &CombatSheet::Label6},
};

constexpr Member<TextBox> TextBoxes[] = {
    {"mechName", &CombatSheet::mechName},
    {"pilotName", &CombatSheet::pilotName},
    {"gunSkillText", &CombatSheet::gunSkillText},
    {"range1", &CombatSheet::range1},
    {"Text12", &CombatSheet::Text12},
    {"Text13", &CombatSheet::Text13},
};

constexpr Member<ComboBox> ComboBoxes[] = {
    {"gunSkill", &CombatSheet::gunSkill}, {"pilotSkill", &CombatSheet::pilotSkill},
    {"tFacing", &CombatSheet::tFacing},   {"hexLW", &CombatSheet::hexLW},
    {"hexHW", &CombatSheet::hexHW},
};

constexpr Member<CheckBox> CheckBoxes[] = {
    {"Check1", &CombatSheet::Check1},
    {"Check2", &CombatSheet::Check2},
    {"Check3", &CombatSheet::Check3},
    {"Check4", &CombatSheet::Check4},
    {"Check5", &CombatSheet::Check5},
    {"Check6", &CombatSheet::Check6},
    {"Check7", &CombatSheet::Check7},
    {"aProne1", &CombatSheet::aProne1},
    {"aWater1", &CombatSheet::aWater1},
    {"dmgSensor1", &CombatSheet::dmgSensor1},
    {"dmgShoulder1", &CombatSheet::dmgShoulder1},
    {"dmgUpperAct1", &CombatSheet::dmgUpperAct1},
    {"dmgLowerAct1", &CombatSheet::dmgLowerAct1},
    {"dmgShoulder2", &CombatSheet::dmgShoulder2},
    {"dmgUpperAct2", &CombatSheet::dmgUpperAct2},
    {"dmgLowerAct2", &CombatSheet::dmgLowerAct2},
    {"tJump0", &CombatSheet::tJump0},
    {"tPartial0", &CombatSheet::tPartial0},
    {"tProne0", &CombatSheet::tProne0},
    {"tAdjHex0", &CombatSheet::tAdjHex0},
    {"tImmobile0", &CombatSheet::tImmobile0},
};

constexpr Member<OptionButton> OptionButtons[] = {
    {"Option1", &CombatSheet::Option1},     {"Option2", &CombatSheet::Option2},
    {"aMove1", &CombatSheet::aMove1},       {"aMove2", &CombatSheet::aMove2},
    {"aMove3", &CombatSheet::aMove3},       {"aMove4", &CombatSheet::aMove4},
    {"aHeat0", &CombatSheet::aHeat0},       {"aHeat1", &CombatSheet::aHeat1},
    {"aHeat2", &CombatSheet::aHeat2},       {"aHeat3", &CombatSheet::aHeat3},
    {"aHeat4", &CombatSheet::aHeat4},       {"tMove0", &CombatSheet::tMove0},
    {"tMove1", &CombatSheet::tMove1},       {"tMove2", &CombatSheet::tMove2},
    {"tMove3", &CombatSheet::tMove3},       {"tMove4", &CombatSheet::tMove4},
    {"tOpenHex0", &CombatSheet::tOpenHex0}, {"tLW0", &CombatSheet::tLW0},
    {"tHW0", &CombatSheet::tHW0},           {"tWater0", &CombatSheet::tWater0},
};

constexpr Member<Slider> Sliders[] = {{"Slider1", &CombatSheet::Slider1}};

constexpr Member<Command> Commands[] = {
    {"Command1", &CombatSheet::Command1}, {"Command2", &CombatSheet::Command2},
    {"Command3", &CombatSheet::Command3}, {"Command4", &CombatSheet::Command4},
    {"Command5", &CombatSheet::Command5}, {"mnuNew", &CombatSheet::mnuNew},
    {"mnuEdit", &CombatSheet::mnuEdit},   {"mnuHelp", &CombatSheet::mnuHelp},
    {"mnuAbout", &CombatSheet::mnuAbout},
};

constexpr Column<ComboBox> ComboColumns[] = {
    {"weapName", &CombatSheet::weapName},
    {"weapLoc", &CombatSheet::weapLoc},
};

constexpr Column<TextBox> TextColumns[] = {
    {"minRange", &CombatSheet::minRange}, {"sRange", &CombatSheet::sRange},
    {"mRange", &CombatSheet::mRange},     {"lRange", &CombatSheet::lRange},
    {"Damage", &CombatSheet::Damage},     {"toHit", &CombatSheet::toHit},
};

constexpr Column<CheckBox> CheckColumns[] = {{"fireCheck", &CombatSheet::fireCheck}};

// "weapName(3)" is column "weapName", row 3; rows outside 0 to 11 are no control.
std::optional<std::pair<std::string_view, int>> splitRowName(std::string_view name) {
    auto open = name.find('(');
    if (open == std::string_view::npos || name.size() < open + 3 || name.back() != ')') {
        return std::nullopt;
    }
    std::string_view digits = name.substr(open + 1, name.size() - open - 2);
    int row = -1;
    auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), row);
    if (error != std::errc() || end != digits.data() + digits.size() || row < 0 ||
        row >= WEAPON_ROWS) {
        return std::nullopt;
    }
    return std::pair{name.substr(0, open), row};
}

template <typename T, std::size_t N>
ModelControl findIn(const Member<T> (&members)[N], CombatSheet& sheet, std::string_view name) {
    for (const auto& entry : members) {
        if (entry.name == name) {
            return &(sheet.*entry.member);
        }
    }
    return std::monostate{};
}

template <typename T, std::size_t N>
ModelControl findIn(const Column<T> (&columns)[N], CombatSheet& sheet, std::string_view column,
                    int row) {
    for (const auto& entry : columns) {
        if (entry.name == column) {
            return &(sheet.*entry.member)[static_cast<std::size_t>(row)];
        }
    }
    return std::monostate{};
}

bool found(const ModelControl& control) {
    return !std::holds_alternative<std::monostate>(control);
}

} // namespace

ModelControl findControl(CombatSheet& sheet, std::string_view name) {
    if (auto rowName = splitRowName(name)) {
        auto [column, row] = *rowName;
        for (ModelControl control :
             {findIn(ComboColumns, sheet, column, row), findIn(TextColumns, sheet, column, row),
              findIn(CheckColumns, sheet, column, row)}) {
            if (found(control)) {
                return control;
            }
        }
        return std::monostate{};
    }
    for (ModelControl control : {findIn(Panels, sheet, name), findIn(TextBoxes, sheet, name),
                                 findIn(ComboBoxes, sheet, name), findIn(CheckBoxes, sheet, name),
                                 findIn(OptionButtons, sheet, name), findIn(Sliders, sheet, name),
                                 findIn(Commands, sheet, name)}) {
        if (found(control)) {
            return control;
        }
    }
    return std::monostate{};
}
