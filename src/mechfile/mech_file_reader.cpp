#include "mechfile/mech_file_reader.h"

#include "app/single_line.h"
#include "mechfile/mech_value_reader.h"

#include <algorithm>
#include <vector>

namespace {

using Json = JsonDocument::Json;
using Keys = std::vector<std::string_view>;

// Thrown at the first fault, so that checking reads as a list of demands.
[[noreturn]] void refuse(std::string text) {
    throw MechFileFault{std::move(text)};
}

// Whether the value is this text.
bool isText(const Json& value, std::string_view text) {
    return value.is_string() && value.get_ref<const std::string&>() == text;
}

// A name as its single-line box holds it.
std::string nameIn(const JsonDocument& file, const Json& value, const std::string& label,
                   const TextBox& box) {
    if (!value.is_string()) {
        refuse(label + ": " + file.spelled(value) + " is not a text in quotes.");
    }
    // What the sheet's name boxes make of any text typed or pasted into them, so that every
    // name the writer can write is one this reader reads.
    const std::string& text = value.get_ref<const std::string&>();
    if (changesDirection(text)) {
        refuse(label + ": a name cannot hold a character that changes the direction of the "
                       "text (U+202A to U+202E, U+2066 to U+2069).");
    }
    if (!isSingleLine(text)) {
        refuse(label + ": a name cannot hold a line break or other control character.");
    }
    if (const std::size_t length = characterCount(text); length > box.maxLength()) {
        refuse(label + ": a name holds at most " + std::to_string(box.maxLength()) +
               " characters; this one holds " + std::to_string(length) + ".");
    }
    return text;
}

std::optional<int> skillIn(const JsonDocument& file, const Json& value, const std::string& label) {
    if (value.is_null()) {
        return std::nullopt;
    }
    const std::string skills = "from 0 to " + std::to_string(rules::WorstSkill);
    if (file.isWrittenAsFraction(value)) {
        refuse(label + ": " + file.spelled(value) +
               " is not written as a whole number; a skill is a whole number " + skills + ".");
    }
    if (!value.is_number_integer() || value < 0 || value > rules::WorstSkill) {
        refuse(label + ": " + file.spelled(value) + " is not a skill " + skills + ".");
    }
    return value.get<int>();
}

TechBase techBaseIn(const JsonDocument& file, const Json& value) {
    if (isText(value, "Inner Sphere")) {
        return TechBase::InnerSphere;
    }
    if (isText(value, "Clan")) {
        return TechBase::Clan;
    }
    refuse("Technology base: " + file.spelled(value) + " is neither 'Inner Sphere' nor 'Clan'.");
}

bool flagIn(const JsonDocument& file, const Json& value, std::string_view label) {
    if (!value.is_boolean()) {
        refuse(std::string(label) + ": " + file.spelled(value) + " is not true or false.");
    }
    return value.get<bool>();
}

// The entry of a list that the value names, or "" for null: nothing chosen.
template <typename Entries>
std::string entryIn(const JsonDocument& file, const Json& value, const Entries& entries,
                    const std::string& label, std::string_view what) {
    if (value.is_null()) {
        return {};
    }
    const auto found =
        std::find_if(entries.begin(), entries.end(),
                     [&value](std::string_view entry) { return isText(value, entry); });
    if (found == entries.end()) {
        refuse(label + ": " + file.spelled(value) + " is not " + std::string(what) + ".");
    }
    return std::string(*found);
}

MechFile::Row rowIn(const JsonDocument& file, const Json& value, int row,
                    const std::vector<std::string>& weaponNames) {
    if (value.is_null()) {
        return {};
    }
    const std::string label = "Row " + std::to_string(row + 1);
    checkFileKeys(file, value, label, {"weapon", "location"}, "Mech");
    return {entryIn(file, value.at("weapon"), weaponNames, label, "a weapon of the catalogue"),
            entryIn(file, value.at("location"), WEAPON_LOCATIONS, label,
                    "a location (RA, RL, RT, CT, LT, LL, LA or H)")};
}

RowArray<MechFile::Row> rowsIn(const JsonDocument& file, const Json& value,
                               const std::vector<std::string>& weaponNames) {
    if (!value.is_array() || value.size() != WEAPON_ROWS) {
        refuse("Weapons: " + file.spelled(value) + " is not a list of " +
               std::to_string(WEAPON_ROWS) + " rows.");
    }
    RowArray<MechFile::Row> rows;
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        rows[static_cast<std::size_t>(i)] =
            rowIn(file, value.at(static_cast<std::size_t>(i)), i, weaponNames);
    }
    return rows;
}

MechFile::Arm armIn(const JsonDocument& file, const Json& value, const ArmDamage& boxes) {
    const std::string label(boxes.label);
    checkFileKeys(file, value, label, {"shoulder", "upperActuator", "lowerActuator"}, "Mech");
    auto state = [&](const char* key, const char* name) {
        const Json& box = value.at(key);
        const auto found =
            std::find_if(BOX_STATES.begin(), BOX_STATES.end(),
                         [&box](std::string_view state) { return isText(box, state); });
        if (found == BOX_STATES.end()) {
            refuse(label + " " + name + ": " + file.spelled(box) +
                   " is not 'unticked', 'ticked' or 'grayed'.");
        }
        return static_cast<BoxState>(found - BOX_STATES.begin());
    };
    const MechFile::Arm arm{flagIn(file, value.at("shoulder"), label + " shoulder"),
                            state("upperActuator", "upper actuator"),
                            state("lowerActuator", "lower actuator")};
    // Only the shoulder rule grays an actuator box; a click on it never does.
    if (!arm.shoulder &&
        (arm.upperActuator == BoxState::Grayed || arm.lowerActuator == BoxState::Grayed)) {
        refuse(label + ": an actuator stands grayed only under a hit shoulder.");
    }
    return arm;
}

void readEquipment(const JsonDocument& file, const Json& value, const CombatSheet& sheet,
                   MechFile& mech) {
    Keys keys;
    for (const EquipmentBox& box : EQUIPMENT) {
        keys.push_back(box.key);
    }
    checkFileKeys(file, value, "Equipment", keys, "Mech");
    for (std::size_t i = 0; i < EQUIPMENT.size(); ++i) {
        mech.equipment[i] =
            flagIn(file, value.at(EQUIPMENT[i].key), (sheet.*EQUIPMENT[i].box).plainCaption());
    }
}

void readDamage(const JsonDocument& file, const Json& value, const CombatSheet& sheet,
                MechFile& mech) {
    checkFileKeys(file, value, "Damage", {"sensors", ARM_KEYS[0], ARM_KEYS[1]}, "Mech");
    mech.sensors = flagIn(file, value.at("sensors"), sheet.sensorsBox.plainCaption());
    for (std::size_t i = 0; i < ARMS.size(); ++i) {
        mech.arms[i] = armIn(file, value.at(ARM_KEYS[i]), ARMS[i]);
    }
}

} // namespace

void checkFileKeys(const JsonDocument& file, const JsonDocument::Json& value,
                   const std::string& label, const std::vector<std::string_view>& keys,
                   std::string_view kind) {
    const std::string where = label.empty() ? "" : label + ": ";
    if (!value.is_object()) {
        refuse(where + file.spelled(value) + " is not an object in braces.");
    }
    for (std::string_view key : keys) {
        if (!value.contains(key)) {
            // Appended piece by piece: GCC 12 at -O3 takes a joined temporary for an overlap.
            refuse(std::string(where).append("'").append(key).append("' is missing."));
        }
    }
    for (const auto& item : value.items()) {
        if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
            refuse(where + "'" + item.key() + "' is not part of a " + std::string(kind) + " file.");
        }
    }
}

void checkFileFormat(const JsonDocument& file, const JsonDocument::Json& document,
                     std::string_view formatName, std::string_view kind, int newestVersion) {
    if (!document.is_object() || !document.contains("format") ||
        !isText(document.at("format"), formatName)) {
        refuse("The file is not a Vexolan " + std::string(kind) + " file.");
    }
    if (!document.contains("version")) {
        refuse("'version' is missing.");
    }
    const Json& version = document.at("version");
    if (!version.is_number_integer() || version < 1) {
        refuse("Version: " + file.spelled(version) + " is not a version number.");
    }
    if (version > newestVersion) {
        refuse("The file is of version " + file.spelled(version) + " of the " + std::string(kind) +
               " format; this Vexolan reads versions up to " + std::to_string(newestVersion) +
               ". A newer Vexolan wrote it.");
    }
}

MechFile readMechValue(const JsonDocument& file, const JsonDocument::Json& document,
                       const CombatSheet& sheet) {
    checkFileFormat(file, document, MechFormatName, "Mech", MechFormatVersion);
    checkFileKeys(file, document, "",
                  {"format", "version", "mechModel", "pilotName", "gunnerySkill", "pilotingSkill",
                   "technologyBase", "equipment", "weapons", "damage"},
                  "Mech");
    MechFile mech;
    mech.mechModel = nameIn(file, document.at("mechModel"), "Mech model", sheet.mechName);
    mech.pilotName = nameIn(file, document.at("pilotName"), "Pilot name", sheet.pilotName);
    mech.gunnerySkill = skillIn(file, document.at("gunnerySkill"), "Gunnery skill");
    mech.pilotingSkill = skillIn(file, document.at("pilotingSkill"), "Piloting skill");
    mech.techBase = techBaseIn(file, document.at("technologyBase"));
    readEquipment(file, document.at("equipment"), sheet, mech);
    // Every row's list offers the same weapons.
    mech.rows = rowsIn(file, document.at("weapons"), sheet.weapName.front().items());
    readDamage(file, document.at("damage"), sheet, mech);
    return mech;
}

std::variant<MechFile, MechFileFault> readMechFile(std::string_view bytes,
                                                   const CombatSheet& sheet) {
    try {
        const JsonDocument file(bytes);
        return readMechValue(file, file.root(), sheet);
    } catch (const MechFileFault& fault) {
        return fault;
    }
}

MechFileFault unreadableFileFault(const platform::FileStore::Reading& reading,
                                  std::string_view kind) {
    using Status = platform::FileStore::Status;
    switch (reading.status) {
    case Status::Missing:
        return {"The file does not exist."};
    case Status::Folder:
        return {"It is a folder, not a file."};
    case Status::TooLarge:
        return {"The file is larger than 1 MiB, far too large for a " + std::string(kind) +
                " file."};
    case Status::LinkLoop:
        return {"The symbolic links on the way to the file go round in a loop."};
    default:
        return {"The file cannot be read (" + reading.reason + ")."};
    }
}
