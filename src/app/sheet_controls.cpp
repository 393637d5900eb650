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
    {"aMove1", "aMove1", &C::aMove1},
    {"aMove2", "aMove2", &C::aMove2},
    {"aMove3", "aMove3", &C::aMove3},
    {"aMove4", "aMove4", &C::aMove4},
    {"aProne1", "aProne1", &C::aProne1},
    {"aWater1", "aWater1", &C::aWater1},
    {"dmgSensor1", "dmgSensor1", &C::dmgSensor1},
    {"dmgShoulder1", "dmgShoulder1", &C::dmgShoulder1},
    {"dmgUpperAct1", "dmgUpperAct1", &C::dmgUpperAct1},
    {"dmgLowerAct1", "dmgLowerAct1", &C::dmgLowerAct1},
    {"dmgShoulder2", "dmgShoulder2", &C::dmgShoulder2},
    {"dmgUpperAct2", "dmgUpperAct2", &C::dmgUpperAct2},
    {"dmgLowerAct2", "dmgLowerAct2", &C::dmgLowerAct2},
    {"aHeat0", "aHeat0", &C::aHeat0},
    {"aHeat1", "aHeat1", &C::aHeat1},
    {"aHeat2", "aHeat2", &C::aHeat2},
    {"aHeat3", "aHeat3", &C::aHeat3},
    {"aHeat4", "aHeat4", &C::aHeat4},
    {"targetPanel", "Frame1", &C::targetPanel},
    {"targetMovementPanel", "Frame2", &C::targetMovementPanel},
    {"targetPositionPanel", "Frame3", &C::targetPositionPanel},
    {"tMove0", "tMove0", &C::tMove0},
    {"tMove1", "tMove1", &C::tMove1},
    {"tMove2", "tMove2", &C::tMove2},
    {"tMove3", "tMove3", &C::tMove3},
    {"tMove4", "tMove4", &C::tMove4},
    {"tJump0", "tJump0", &C::tJump0},
    {"tPartial0", "tPartial0", &C::tPartial0},
    {"tProne0", "tProne0", &C::tProne0},
    {"tAdjHex0", "tAdjHex0", &C::tAdjHex0},
    {"tImmobile0", "tImmobile0", &C::tImmobile0},
    {"tOpenHex0", "tOpenHex0", &C::tOpenHex0},
    {"tLW0", "tLW0", &C::tLW0},
    {"tHW0", "tHW0", &C::tHW0},
    {"tWater0", "tWater0", &C::tWater0},
    {"facingLabel", "Label6", &C::facingLabel},
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
    {"Damage", "Damage", &C::Damage},
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
