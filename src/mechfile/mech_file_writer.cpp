#include "mechfile/mech_file_writer.h"

#include "mechfile/mech_value_writer.h"

namespace {

using Json = nlohmann::ordered_json;

Json textOrNull(const std::string& text) {
    return text.empty() ? Json(nullptr) : Json(text);
}

Json skillOrNull(const std::optional<int>& skill) {
    return skill ? Json(*skill) : Json(nullptr);
}

// A row without weapon and location is null, so that a Mech's few weapons stand out.
Json rowJson(const MechFile::Row& row) {
    if (row.weapon.empty() && row.location.empty()) {
        return nullptr;
    }
    Json json;
    json["weapon"] = textOrNull(row.weapon);
    json["location"] = textOrNull(row.location);
    return json;
}

Json armJson(const MechFile::Arm& arm) {
    Json json;
    json["shoulder"] = arm.shoulder;
    json["upperActuator"] = BOX_STATES.at(static_cast<std::size_t>(arm.upperActuator));
    json["lowerActuator"] = BOX_STATES.at(static_cast<std::size_t>(arm.lowerActuator));
    return json;
}

} // namespace

Json mechValue(const MechFile& mech) {
    Json file;
    file["format"] = MechFormatName;
    file["version"] = MechFormatVersion;
    file["mechModel"] = mech.mechModel;
    file["pilotName"] = mech.pilotName;
    file["gunnerySkill"] = skillOrNull(mech.gunnerySkill);
    file["pilotingSkill"] = skillOrNull(mech.pilotingSkill);
    file["technologyBase"] = mech.techBase == TechBase::Clan ? "Clan" : "Inner Sphere";
    Json& equipment = file["equipment"] = Json::object();
    for (std::size_t i = 0; i < EQUIPMENT.size(); ++i) {
        equipment[std::string(EQUIPMENT[i].key)] = mech.equipment[i];
    }
    Json& weapons = file["weapons"] = Json::array();
    for (const MechFile::Row& row : mech.rows) {
        weapons.push_back(rowJson(row));
    }
    Json& damage = file["damage"] = Json::object();
    damage["sensors"] = mech.sensors;
    for (std::size_t i = 0; i < ARMS.size(); ++i) {
        damage[std::string(ARM_KEYS[i])] = armJson(mech.arms[i]);
    }
    return file;
}

std::string writeMechFile(const MechFile& mech) {
    // Text that is not UTF-8 can only come from outside the sheet's own boxes; it is written
    // with replacement characters rather than not at all.
    return mechValue(mech).dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
