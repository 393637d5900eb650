#pragma once

// The controls a user can reach, by the names the user and the failure reports know them
// by, so that a random user can address them by index.

#include "app/combat_sheet.h"

#include <array>

namespace random_test {

struct NamedBox {
    const char* name;
    CheckBox CombatSheet::*box;
};

struct NamedOption {
    const char* name;
    OptionButton CombatSheet::*button;
};

struct NamedCommand {
    const char* name;
    Command CombatSheet::*command;
};

struct NamedText {
    const char* name;
    TextBox CombatSheet::*box;
};

struct NamedRowText {
    const char* name;
    RowArray<TextBox> CombatSheet::*column;
};

struct NamedList {
    const char* name;
    ComboBox CombatSheet::*list;
};

struct NamedRowList {
    const char* name;
    RowArray<ComboBox> CombatSheet::*column;
};

// Every check box outside the fire column, the grayed actuators and "Adjacent Hex" included.
inline constexpr std::array<NamedBox, 21> BOXES = {{
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
    {"Check1", &CombatSheet::Check1},
    {"Check2", &CombatSheet::Check2},
    {"Check3", &CombatSheet::Check3},
    {"Check4", &CombatSheet::Check4},
    {"Check5", &CombatSheet::Check5},
    {"Check6", &CombatSheet::Check6},
    {"Check7", &CombatSheet::Check7},
}};

inline constexpr std::array<NamedOption, 4> ATTACKER_MOVES = {{
    {"aMove1", &CombatSheet::aMove1},
    {"aMove2", &CombatSheet::aMove2},
    {"aMove3", &CombatSheet::aMove3},
    {"aMove4", &CombatSheet::aMove4},
}};

inline constexpr std::array<NamedOption, 5> HEAT_LEVELS = {{
    {"aHeat0", &CombatSheet::aHeat0},
    {"aHeat1", &CombatSheet::aHeat1},
    {"aHeat2", &CombatSheet::aHeat2},
    {"aHeat3", &CombatSheet::aHeat3},
    {"aHeat4", &CombatSheet::aHeat4},
}};

inline constexpr std::array<NamedOption, 5> TARGET_MOVES = {{
    {"tMove0", &CombatSheet::tMove0},
    {"tMove1", &CombatSheet::tMove1},
    {"tMove2", &CombatSheet::tMove2},
    {"tMove3", &CombatSheet::tMove3},
    {"tMove4", &CombatSheet::tMove4},
}};

inline constexpr std::array<NamedOption, 4> TARGET_POSITIONS = {{
    {"tOpenHex0", &CombatSheet::tOpenHex0},
    {"tLW0", &CombatSheet::tLW0},
    {"tHW0", &CombatSheet::tHW0},
    {"tWater0", &CombatSheet::tWater0},
}};

inline constexpr std::array<NamedOption, 2> TECHNOLOGY_BASES = {{
    {"Option1", &CombatSheet::Option1},
    {"Option2", &CombatSheet::Option2},
}};

// All option buttons, group after group.
inline constexpr std::array<NamedOption, 20> OPTIONS = {{
    ATTACKER_MOVES[0],   ATTACKER_MOVES[1],   ATTACKER_MOVES[2],   ATTACKER_MOVES[3],
    HEAT_LEVELS[0],      HEAT_LEVELS[1],      HEAT_LEVELS[2],      HEAT_LEVELS[3],
    HEAT_LEVELS[4],      TARGET_MOVES[0],     TARGET_MOVES[1],     TARGET_MOVES[2],
    TARGET_MOVES[3],     TARGET_MOVES[4],     TARGET_POSITIONS[0], TARGET_POSITIONS[1],
    TARGET_POSITIONS[2], TARGET_POSITIONS[3], TECHNOLOGY_BASES[0], TECHNOLOGY_BASES[1],
}};

enum CommandIndex { Calculate, Copy, Clear, Declare, Done, NewMech, EditMech, HelpContents, About };

inline constexpr std::array<NamedCommand, 9> COMMANDS = {{
    {"Command1 (Calculate)", &CombatSheet::Command1},
    {"Command2 (Copy)", &CombatSheet::Command2},
    {"Command3 (Clear)", &CombatSheet::Command3},
    {"Command4 (Declare)", &CombatSheet::Command4},
    {"Command5 (Done)", &CombatSheet::Command5},
    {"mnuNew", &CombatSheet::mnuNew},
    {"mnuEdit", &CombatSheet::mnuEdit},
    {"mnuHelp", &CombatSheet::mnuHelp},
    {"mnuAbout", &CombatSheet::mnuAbout},
}};

// The first three take typing; the others are read-only or disabled and must ignore it.
inline constexpr int TYPED_TEXTS = 3;
inline constexpr std::array<NamedText, 6> TEXTS = {{
    {"mechName", &CombatSheet::mechName},
    {"pilotName", &CombatSheet::pilotName},
    {"Text13", &CombatSheet::Text13},
    {"range1", &CombatSheet::range1},
    {"gunSkillText", &CombatSheet::gunSkillText},
    {"Text12", &CombatSheet::Text12},
}};

inline constexpr int TYPED_ROW_TEXTS = 4;
inline constexpr std::array<NamedRowText, 6> ROW_TEXTS = {{
    {"minRange", &CombatSheet::minRange},
    {"sRange", &CombatSheet::sRange},
    {"mRange", &CombatSheet::mRange},
    {"lRange", &CombatSheet::lRange},
    {"Damage", &CombatSheet::Damage},
    {"toHit", &CombatSheet::toHit},
}};

// The two woods boxes take typing; the other lists are pick-only (and "tFacing" disabled).
enum ListIndex { LightWoods, HeavyWoods, GunSkill, PilotSkill, Facing };
inline constexpr std::array<NamedList, 5> LISTS = {{
    {"hexLW", &CombatSheet::hexLW},
    {"hexHW", &CombatSheet::hexHW},
    {"gunSkill", &CombatSheet::gunSkill},
    {"pilotSkill", &CombatSheet::pilotSkill},
    {"tFacing", &CombatSheet::tFacing},
}};

enum RowListIndex { WeaponName, WeaponLocation };
inline constexpr std::array<NamedRowList, 2> ROW_LISTS = {{
    {"weapName", &CombatSheet::weapName},
    {"weapLoc", &CombatSheet::weapLoc},
}};

} // namespace random_test
