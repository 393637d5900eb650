#include "mechfile/mech_on_sheet.h"

#include <algorithm>

namespace {

std::optional<int> chosenSkill(const ComboBox& list) {
    const int index = list.listIndex();
    return index < 0 ? std::nullopt : std::optional<int>(std::stoi(list.text()));
}

bool ticked(const CheckBox& box) {
    return box.value() != BoxState::Unticked;
}

void pick(ComboBox& list, const std::string& entry) {
    const auto& items = list.items();
    const auto found = std::find(items.begin(), items.end(), entry);
    if (!entry.empty() && found != items.end()) {
        list.userPick(static_cast<int>(found - items.begin()));
    }
}

void clickTo(CheckBox& box, bool tick) {
    if (ticked(box) != tick) {
        box.userClick();
    }
}

// A click steps a grayed box to ticked and a ticked one to unticked, so two clicks at most
// bring an actuator where it belongs.
void clickActuatorTo(CheckBox& box, BoxState value) {
    for (int click = 0; click < 2 && box.value() != value; ++click) {
        box.userClick();
    }
}

void putArm(const MechFile::Arm& arm, const ArmDamage& boxes, CombatSheet& sheet) {
    clickTo(sheet.*boxes.shoulder, arm.shoulder);
    clickActuatorTo(sheet.*boxes.upperActuator, arm.upperActuator);
    clickActuatorTo(sheet.*boxes.lowerActuator, arm.lowerActuator);
}

} // namespace

MechFile mechOnSheet(const CombatSheet& sheet) {
    MechFile mech;
    mech.mechModel = sheet.mechName.text();
    mech.pilotName = sheet.pilotName.text();
    mech.gunnerySkill = chosenSkill(sheet.gunSkill);
    mech.pilotingSkill = chosenSkill(sheet.pilotSkill);
    mech.techBase = sheet.techBase;
    for (std::size_t i = 0; i < EQUIPMENT.size(); ++i) {
        mech.equipment[i] = ticked(sheet.*EQUIPMENT[i].box);
    }
    for (std::size_t i = 0; i < mech.rows.size(); ++i) {
        mech.rows[i] = {sheet.weapName[i].text(), sheet.weapLoc[i].text()};
    }
    mech.sensors = ticked(sheet.sensorsBox);
    for (std::size_t i = 0; i < ARMS.size(); ++i) {
        mech.arms[i] = {ticked(sheet.*ARMS[i].shoulder), (sheet.*ARMS[i].upperActuator).value(),
                        (sheet.*ARMS[i].lowerActuator).value()};
    }
    return mech;
}

void putMechOnSheet(const MechFile& mech, CombatSheet& sheet) {
    sheet.mechName.userType(mech.mechModel);
    sheet.pilotName.userType(mech.pilotName);
    pick(sheet.gunSkill, mech.gunnerySkill ? std::to_string(*mech.gunnerySkill) : "");
    pick(sheet.pilotSkill, mech.pilotingSkill ? std::to_string(*mech.pilotingSkill) : "");
    // The base comes before the weapons: the row fill reads it at every pick.
    (mech.techBase == TechBase::Clan ? sheet.clanOption : sheet.innerSphereOption).userClick();
    for (std::size_t i = 0; i < EQUIPMENT.size(); ++i) {
        clickTo(sheet.*EQUIPMENT[i].box, mech.equipment[i]);
    }
    for (std::size_t i = 0; i < mech.rows.size(); ++i) {
        pick(sheet.weapName[i], mech.rows[i].weapon);
        pick(sheet.weapLoc[i], mech.rows[i].location);
    }
    clickTo(sheet.sensorsBox, mech.sensors);
    for (std::size_t i = 0; i < ARMS.size(); ++i) {
        putArm(mech.arms[i], ARMS[i], sheet);
    }
    sheet.doneButton.userClick();
}
