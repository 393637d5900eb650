#include "web/state_upgrade.h"

#include "app/sheet_controls.h"

#include <nlohmann/json.hpp>

#include <string>
#include <utility>

namespace {

using Json = nlohmann::ordered_json;

// Version 1 called the controls that the form had numbered (the attacker's movement "aMove1"
// to "aMove4", the arms' boxes, the heat levels, the target's boxes and options) and the
// damage column ("Damage(0)") by their form names, which the table of controls still holds;
// and the facing panel by a name of its own.
constexpr std::pair<const char*, const char*> FacingPanel = {"facingLabel", "facingPanel"};

constexpr std::pair<const char*, const char*> RenamedModifiers[] = {
    {"dmgShoulder1Mod", "rightShoulderMod"},      {"dmgUpperAct1Mod", "rightUpperActuatorMod"},
    {"dmgLowerAct1Mod", "rightLowerActuatorMod"}, {"dmgShoulder2Mod", "leftShoulderMod"},
    {"dmgUpperAct2Mod", "leftUpperActuatorMod"},  {"dmgLowerAct2Mod", "leftLowerActuatorMod"},
};

void rename(Json& object, const char* from, const char* to) {
    if (object.contains(from)) {
        object[to] = std::move(object[from]);
        object.erase(from);
    }
}

void upgradeControls(Json& controls) {
    forEachControl([&controls](const ControlRef& ref, int row, const std::string& now) {
        if (!controls.contains(now)) {
            rename(controls, formName(ref, row).c_str(), now.c_str());
        }
    });
    rename(controls, FacingPanel.first, FacingPanel.second);
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
