#pragma once

// Mech files: the Mech of a sheet (its setup, its weapon rows and the damage it has taken, but
// never the situation of a turn or any result) as a small JSON document in UTF-8, and back.
// A file is checked whole before any of it reaches a sheet, and it reaches a sheet only
// through the controls, as its user would enter it, so that every rule of the sheet runs.

#include "app/arm_damage.h"
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

// The equipment boxes of the setup panel under their keys, in the order of
// MechFile::equipment; a message names a box by its caption.
struct EquipmentBox {
    std::string_view key;
    CheckBox CombatSheet::*box;
};
inline constexpr std::array<EquipmentBox, 6> EQUIPMENT = {{
    {"ams", &CombatSheet::amsBox},
    {"artemisIV", &CombatSheet::artemisBox},
    {"antiPersonnelPods", &CombatSheet::apPodsBox},
    {"c3MasterSlave", &CombatSheet::c3Box},
    {"lbxClusterMunitions", &CombatSheet::clusterMunitionsBox},
    {"ecmSuite", &CombatSheet::ecmBox},
}};

// The keys of the arms' damage, in the order of ARMS and MechFile::arms.
inline constexpr std::array<std::string_view, ARMS.size()> ARM_KEYS = {"rightArm", "leftArm"};

// An actuator box's value as a file spells it, by the box's value.
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
        BoxState upperActuator = BoxState::Unticked;
        BoxState lowerActuator = BoxState::Unticked;
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
