#include "web/state_upgrade.h"

#include <nlohmann/json.hpp>

#include <string>
#include <utility>

namespace {

using Json = nlohmann::json;

// Version 1 called most of the attacker's and the target's controls by the numbered names of
// the form they were first drawn on. These old names are written here and nowhere else.
constexpr std::pair<const char*, const char*> RenamedControls[] = {
    {"aMove1", "stationaryOption"},
    {"aMove2", "walkedOption"},
    {"aMove3", "ranOption"},
    {"aMove4", "jumpedOption"},
    {"aProne1", "attackerProneBox"},
    {"aWater1", "attackerWaterBox"},
    {"dmgSensor1", "sensorsBox"},
    {"dmgShoulder1", "rightShoulderBox"},
    {"dmgUpperAct1", "rightUpperActuatorBox"},
    {"dmgLowerAct1", "rightLowerActuatorBox"},
    {"dmgShoulder2", "leftShoulderBox"},
    {"dmgUpperAct2", "leftUpperActuatorBox"},
    {"dmgLowerAct2", "leftLowerActuatorBox"},
    {"aHeat0", "heat0to7Option"},
    {"aHeat1", "heat8to12Option"},
    {"aHeat2", "heat13to16Option"},
    {"aHeat3", "heat17to23Option"},
    {"aHeat4", "heat24PlusOption"},
    {"tMove0", "targetMoved0to2Option"},
    {"tMove1", "targetMoved3to4Option"},
    {"tMove2", "targetMoved5to6Option"},
    {"tMove3", "targetMoved7to9Option"},
    {"tMove4", "targetMoved10PlusOption"},
    {"tJump0", "targetJumpedBox"},
    {"tPartial0", "partialCoverBox"},
    {"tProne0", "targetProneBox"},
    {"tAdjHex0", "adjacentHexBox"},
    {"tImmobile0", "immobileBox"},
    {"tOpenHex0", "openHexOption"},
    {"tLW0", "lightWoodsOption"},
    {"tHW0", "heavyWoodsOption"},
    {"tWater0", "targetWaterOption"},
    {"facingLabel", "facingPanel"},
};

constexpr std::pair<const char*, const char*> RenamedModifiers[] = {
    {"dmgShoulder1Mod", "rightShoulderMod"},      {"dmgUpperAct1Mod", "rightUpperActuatorMod"},
    {"dmgLowerAct1Mod", "rightLowerActuatorMod"}, {"dmgShoulder2Mod", "leftShoulderMod"},
    {"dmgUpperAct2Mod", "leftUpperActuatorMod"},  {"dmgLowerAct2Mod", "leftLowerActuatorMod"},
};

// A weapon column of version 1 was "Damage"; its rows were "Damage(0)" to "Damage(11)".
constexpr std::string_view OldDamageColumn = "Damage(";

void rename(Json& object, const char* from, const char* to) {
    if (object.contains(from)) {
        object[to] = std::move(object[from]);
        object.erase(from);
    }
}

void upgradeControls(Json& controls) {
    for (const auto& [from, to] : RenamedControls) {
        rename(controls, from, to);
    }
    Json renamed = Json::object();
    for (auto& [name, state] : controls.items()) {
        const bool damage = name.starts_with(OldDamageColumn);
        renamed[damage ? "damage" + name.substr(OldDamageColumn.size() - 1) : name] =
            std::move(state);
    }
    controls = std::move(renamed);
}

// Version 1 kept whether the LB-X guns fire cluster munitions among the modifiers, as 0 or 1.
void upgradeSituation(Json& state, Json& situation) {
    for (const auto& [from, to] : RenamedModifiers) {
        rename(situation, from, to);
    }
    if (situation.contains("clusterMunitions")) {
        const Json& flag = situation["clusterMunitions"];
        state["firesClusterMunitions"] =
            flag.is_number_integer() ? Json(flag.get<int>() == 1) : flag;
        situation.erase("clusterMunitions");
    }
}

} // namespace

void upgradeKeptState(Json& state) {
    if (!state.is_object() || state.value("version", Json()) != Json(1)) {
        return;
    }
    if (state.contains("controls") && state["controls"].is_object()) {
        upgradeControls(state["controls"]);
    }
    if (state.contains("situation") && state["situation"].is_object()) {
        upgradeSituation(state, state["situation"]);
    }
    state["version"] = KeptStateVersion;
}
