#include "app/sheet_controls.h"

#include <algorithm>
#include <stdexcept>

namespace {

using C = CombatSheet;

// In the order of the window, from the setup panel to the menu bar: the name the code calls a
// control by, the name it had on the form it was drawn on, and the control.
// clang-format off
const auto CONTROLS = std::to_array<NamedControl>({
    {"setupPanel", "Setup", &C::setupPanel},
    {"mechName", "mechName", &C::mechName},
    {"pilotName", "pilotName", &C::pilotName},
    {"gunSkill", "gunSkill", &C::gunSkill},
    {"pilotSkill", "pilotSkill", &C::pilotSkill},
    {"innerSphereOption", "Option1", &C::innerSphereOption},
    {"clanOption", "Option2", &C::clanOption},
    {"amsBox", "Check2", &C::amsBox},
    {"artemisBox", "Check3", &C::artemisBox},
    {"apPodsBox", "Check4", &C::apPodsBox},
    {"c3Box", "Check5", &C::c3Box},
    {"clusterMunitionsBox", "Check6", &C::clusterMunitionsBox},
    {"ecmBox", "Check7", &C::ecmBox},
    {"doneButton", "Command5", &C::doneButton},
    {"attackerPanel", "Frame4", &C::attackerPanel},
    {"rangePanel", "Frame8", &C::rangePanel},
    {"attackerMovementPanel", "Frame5", &C::attackerMovementPanel},
    {"damagePanel", "Frame6", &C::damagePanel},
    {"heatPanel", "Frame7", &C::heatPanel},
    {"gunSkillText", "gunSkillText", &C::gunSkillText},
    {"rangeBox", "range1", &C::rangeBox},
    {"rangeSlider", "Slider1", &C::rangeSlider},
    {"stationaryOption", "aMove1", &C::stationaryOption},
    {"walkedOption", "aMove2", &C::walkedOption},
    {"ranOption", "aMove3", &C::ranOption},
    {"jumpedOption", "aMove4", &C::jumpedOption},
    {"attackerProneBox", "aProne1", &C::attackerProneBox},
    {"attackerWaterBox", "aWater1", &C::attackerWaterBox},
    {"sensorsBox", "dmgSensor1", &C::sensorsBox},
    {"rightShoulderBox", "dmgShoulder1", &C::rightShoulderBox},
    {"rightUpperActuatorBox", "dmgUpperAct1", &C::rightUpperActuatorBox},
    {"rightLowerActuatorBox", "dmgLowerAct1", &C::rightLowerActuatorBox},
    {"leftShoulderBox", "dmgShoulder2", &C::leftShoulderBox},
    {"leftUpperActuatorBox", "dmgUpperAct2", &C::leftUpperActuatorBox},
    {"leftLowerActuatorBox", "dmgLowerAct2", &C::leftLowerActuatorBox},
    {"heat0to7Option", "aHeat0", &C::heat0to7Option},
    {"heat8to12Option", "aHeat1", &C::heat8to12Option},
    {"heat13to16Option", "aHeat2", &C::heat13to16Option},
    {"heat17to23Option", "aHeat3", &C::heat17to23Option},
    {"heat24PlusOption", "aHeat4", &C::heat24PlusOption},
    {"targetPanel", "Frame1", &C::targetPanel},
    {"targetMovementPanel", "Frame2", &C::targetMovementPanel},
    {"targetPositionPanel", "Frame3", &C::targetPositionPanel},
    {"targetMoved0to2Option", "tMove0", &C::targetMoved0to2Option},
    {"targetMoved3to4Option", "tMove1", &C::targetMoved3to4Option},
    {"targetMoved5to6Option", "tMove2", &C::targetMoved5to6Option},
    {"targetMoved7to9Option", "tMove3", &C::targetMoved7to9Option},
    {"targetMoved10PlusOption", "tMove4", &C::targetMoved10PlusOption},
    {"targetJumpedBox", "tJump0", &C::targetJumpedBox},
    {"partialCoverBox", "tPartial0", &C::partialCoverBox},
    {"targetProneBox", "tProne0", &C::targetProneBox},
    {"adjacentHexBox", "tAdjHex0", &C::adjacentHexBox},
    {"immobileBox", "tImmobile0", &C::immobileBox},
    {"openHexOption", "tOpenHex0", &C::openHexOption},
    {"lightWoodsOption", "tLW0", &C::lightWoodsOption},
    {"heavyWoodsOption", "tHW0", &C::heavyWoodsOption},
    {"targetWaterOption", "tWater0", &C::targetWaterOption},
    {"facingPanel", "Label6", &C::facingPanel},
    {"tFacing", "tFacing", &C::tFacing},
    {"terrainPanel", "Frame9", &C::terrainPanel},
    {"hexLW", "hexLW", &C::hexLW},
    {"hexHW", "hexHW", &C::hexHW},
    {"weapName", "weapName", &C::weapName},
    {"weapLoc", "weapLoc", &C::weapLoc},
    {"minRange", "minRange", &C::minRange},
    {"sRange", "sRange", &C::sRange},
    {"mRange", "mRange", &C::mRange},
    {"lRange", "lRange", &C::lRange},
    {"damage", "Damage", &C::damage},
    {"toHit", "toHit", &C::toHit},
    {"fireCheck", "fireCheck", &C::fireCheck},
    {"selectAllBox", "Check1", &C::selectAllBox},
    {"totalHeatBox", "Text12", &C::totalHeatBox},
    {"declarationBox", "Text13", &C::declarationBox},
    {"calculateButton", "Command1", &C::calculateButton},
    {"copyButton", "Command2", &C::copyButton},
    {"clearButton", "Command3", &C::clearButton},
    {"declareButton", "Command4", &C::declareButton},
    {"mnuOpen", "mnuOpen", &C::mnuOpen},
    {"mnuSave", "mnuSave", &C::mnuSave},
    {"mnuSaveAs", "mnuSaveAs", &C::mnuSaveAs},
    {"mnuClose", "mnuClose", &C::mnuClose},
    {"mnuQuit", "mnuQuit", &C::mnuQuit},
    {"mnuNew", "mnuNew", &C::mnuNew},
    {"mnuEdit", "mnuEdit", &C::mnuEdit},
    {"mnuRangeChart", "mnuRangeChart", &C::mnuRangeChart},
    {"mnuZoomIn", "mnuZoomIn", &C::mnuZoomIn},
    {"mnuZoomOut", "mnuZoomOut", &C::mnuZoomOut},
    {"mnuActualSize", "mnuActualSize", &C::mnuActualSize},
    {"mnuHelp", "mnuHelp", &C::mnuHelp},
    {"mnuAbout", "mnuAbout", &C::mnuAbout},
});
// clang-format on

const NamedControl& namedControl(const ControlRef& ref) {
    const auto found = std::find_if(CONTROLS.begin(), CONTROLS.end(),
                                    [&ref](const NamedControl& c) { return c.ref == ref; });
    if (found == CONTROLS.end()) {
        throw std::invalid_argument("a control that the sheet does not list");
    }
    return *found;
}

std::string withRow(std::string_view name, int row) {
    return row < 0 ? std::string(name) : std::string(name) + "(" + std::to_string(row) + ")";
}

} // namespace

std::span<const NamedControl> sheetControls() {
    return CONTROLS;
}

bool isColumn(const ControlRef& ref) {
    return std::visit(
        [](auto member) {
            using Held = std::remove_cvref_t<decltype(std::declval<CombatSheet&>().*member)>;
            return !std::is_base_of_v<Control, Held>;
        },
        ref);
}

std::string roleName(const ControlRef& ref, int row) {
    return withRow(namedControl(ref).role, row);
}

std::string formName(const ControlRef& ref, int row) {
    return withRow(namedControl(ref).form, row);
}

const NamedControl* controlNamed(std::string_view role) {
    const auto found = std::find_if(CONTROLS.begin(), CONTROLS.end(),
                                    [role](const NamedControl& c) { return c.role == role; });
    return found == CONTROLS.end() ? nullptr : &*found;
}
