#pragma once

// Mech files: the Mech of a sheet (its setup, its weapon rows and the damage it has taken, but
// never the situation of a turn or any result) as a small JSON document in UTF-8, and back.
// A file is checked whole before any of it reaches a sheet, and it reaches a sheet only
// through the controls, as its user would enter it, so that every rule of the sheet runs.

#include "app/check_box.h"
#include "app/combat_sheet.h"
#include "app/row_array.h"

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

inline constexpr std::string_view MechFormatName = "Vexolan Mech";
inline constexpr int MechFormatVersion = 1;
inline constexpr std::string_view MechFileExtension = ".vexmech";
// A Mech file is a few kilobytes; anything far larger is not one and is not read at all.
inline constexpr std::size_t MechFileSizeLimit = 1024 * 1024;
inline constexpr int MaxSkill = 12;

// The equipment boxes of the setup panel, in the order of MechFile::equipment.
struct EquipmentBox {
    std::string_view key;
    std::string_view label;
    CheckBox CombatSheet::*box;
};
inline constexpr std::array<EquipmentBox, 6> EQUIPMENT = {{
    {"ams", "AMS", &CombatSheet::Check2},
    {"artemisIV", "Artemis IV", &CombatSheet::Check3},
    {"antiPersonnelPods", "Anti-Personnel Pods", &CombatSheet::Check4},
    {"c3MasterSlave", "c3 Master/Slave", &CombatSheet::Check5},
    {"lbxClusterMunitions", "LB-X Cluster Munitions", &CombatSheet::Check6},
    {"ecmSuite", "ECM Suite", &CombatSheet::Check7},
}};

// The damage boxes of one arm, in the order of MechFile::arms: the right arm, then the left.
struct ArmBoxes {
    std::string_view key;
    std::string_view label;
    CheckBox CombatSheet::*shoulder;
    CheckBox CombatSheet::*upperActuator;
    CheckBox CombatSheet::*lowerActuator;
};
inline constexpr std::array<ArmBoxes, 2> ARMS = {{
    {"rightArm", "Right arm", &CombatSheet::dmgShoulder1, &CombatSheet::dmgUpperAct1,
     &CombatSheet::dmgLowerAct1},
    {"leftArm", "Left arm", &CombatSheet::dmgShoulder2, &CombatSheet::dmgUpperAct2,
     &CombatSheet::dmgLowerAct2},
}};

// An actuator box's value as a file spells it, by CheckBox value.
inline constexpr std::array<std::string_view, 3> BOX_STATES = {"unticked", "ticked", "grayed"};

struct MechFile {
    struct Row {
        std::string weapon; // empty where nothing is chosen
        std::string location;
        bool operator==(const Row&) const = default;
    };
    // An actuator box can stand grayed, under a hit shoulder, as well as ticked or unticked.
    struct Arm {
        bool shoulder = false;
        int upperActuator = CheckBox::Unticked;
        int lowerActuator = CheckBox::Unticked;
        bool operator==(const Arm&) const = default;
    };

    std::string mechModel;
    std::string pilotName;
    std::optional<int> gunnerySkill; // none until one is chosen
    std::optional<int> pilotingSkill;
    TechBase techBase = TechBase::InnerSphere;
    std::array<bool, EQUIPMENT.size()> equipment{};
    RowArray<Row> rows{};
    bool sensors = false;
    std::array<Arm, ARMS.size()> arms{};

    bool operator==(const MechFile&) const = default;
};
