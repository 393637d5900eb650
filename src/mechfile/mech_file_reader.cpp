#include "mechfile/mech_file_reader.h"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <cstdint>
#include <vector>

namespace {

using Json = nlohmann::ordered_json;
using Keys = std::vector<std::string_view>;

// Thrown at the first fault, so that checking reads as a list of demands.
struct Refusal {
    std::string text;
};

[[noreturn]] void refuse(std::string text) {
    throw Refusal{std::move(text)};
}

bool isContinuation(unsigned char byte) {
    return (byte & 0xC0) == 0x80;
}

// Strict UTF-8: no stray or missing continuation bytes, no overlong forms, no surrogates,
// nothing beyond U+10FFFF.
bool isUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        const std::size_t length = lead < 0x80   ? 1
                                   : lead < 0xC2 ? 0
                                   : lead < 0xE0 ? 2
                                   : lead < 0xF0 ? 3
                                   : lead < 0xF5 ? 4
                                                 : 0;
        if (length == 0 || i + length > text.size()) {
            return false;
        }
        // The second byte's range narrows where the lead byte alone would allow overlong forms,
        // surrogates or code points beyond U+10FFFF.
        const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
        const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
        for (std::size_t k = 1; k < length; ++k) {
            const auto byte = static_cast<unsigned char>(text[i + k]);
            if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) {
                return false;
            }
        }
        i += length;
    }
    return true;
}

// Whether the value is this text.
bool isText(const Json& value, std::string_view text) {
    return value.is_string() && value.get_ref<const std::string&>() == text;
}

// A value as the file spells it, a text in single quotes, cut short enough for a message.
std::string spelled(const Json& value) {
    constexpr std::size_t Shown = 40;
    std::string text = value.is_string()
                           ? "'" + value.get<std::string>() + "'"
                           : value.dump(-1, ' ', false, Json::error_handler_t::replace);
    if (text.size() > Shown) {
        // The text starts with a quote or JSON's own punctuation, never inside a character.
        std::size_t cut = Shown;
        while (isContinuation(static_cast<unsigned char>(text[cut]))) {
            --cut;
        }
        text = text.substr(0, cut) + "...";
    }
    return text;
}

// Line and column, counted in characters from 1, of the byte the JSON reader stopped at, which
// it counts from 1.
std::string placeOf(std::string_view bytes, std::size_t byte) {
    const std::string_view before = bytes.substr(0, byte - 1);
    const std::size_t lineStart = before.rfind('\n') + 1; // 0 on the first line
    const auto column = std::count_if(before.begin() + static_cast<std::ptrdiff_t>(lineStart),
                                      before.end(), [](char c) { return !isContinuation(c); });
    return "line " + std::to_string(std::count(before.begin(), before.end(), '\n') + 1) +
           ", column " + std::to_string(column + 1);
}

Json parsed(std::string_view bytes) {
    if (!isUtf8(bytes)) {
        refuse("The file is not UTF-8 text.");
    }
    // The JSON reader takes a NUL byte for the end of the text; to this reader it is the
    // first byte of all that does not fit.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        refuse("The file is not JSON: it goes wrong at " + placeOf(bytes, nul + 1) + ".");
    }
    // No Mech file nests deeper; stopping a deeper one early spares every later step a walk
    // down a value nested thousands deep.
    constexpr int MaxDepth = 8;
    try {
        return Json::parse(bytes, [](int depth, Json::parse_event_t, Json&) {
            if (depth > MaxDepth) {
                refuse("The file nests lists and objects deeper than a Mech file does.");
            }
            return true;
        });
    } catch (const Json::parse_error& error) {
        refuse("The file is not JSON: it goes wrong at " + placeOf(bytes, error.byte) + ".");
    } catch (const Json::exception&) {
        refuse("The file holds a number too large to read.");
    }
}

// An object holding exactly these keys, no more and no fewer.
void checkKeys(const Json& value, const std::string& label, const Keys& keys) {
    const std::string where = label.empty() ? "" : label + ": ";
    if (!value.is_object()) {
        refuse(where + spelled(value) + " is not an object in braces.");
    }
    for (std::string_view key : keys) {
        if (!value.contains(key)) {
            refuse(where + "'" + std::string(key) + "' is missing.");
        }
    }
    for (const auto& item : value.items()) {
        if (std::find(keys.begin(), keys.end(), item.key()) == keys.end()) {
            refuse(where + "'" + item.key() + "' is not part of a Mech file.");
        }
    }
}

void checkFormat(const Json& document) {
    if (!document.is_object() || !document.contains("format") ||
        !isText(document.at("format"), MechFormatName)) {
        refuse("The file is not a Vexolan Mech file.");
    }
    if (!document.contains("version")) {
        refuse("'version' is missing.");
    }
    const Json& version = document.at("version");
    if (!version.is_number_integer() || version < 1) {
        refuse("Version: " + spelled(version) + " is not a version number.");
    }
    if (version > MechFormatVersion) {
        refuse("The file is of version " + spelled(version) +
               " of the Mech format; this Vexolan reads versions up to " +
               std::to_string(MechFormatVersion) + ". A newer Vexolan wrote it.");
    }
}

// A name as a single-line box holds it.
std::string nameIn(const Json& value, const std::string& label) {
    if (!value.is_string()) {
        refuse(label + ": " + spelled(value) + " is not a text in quotes.");
    }
    std::string text = value.get<std::string>();
    if (std::any_of(text.begin(), text.end(),
                    [](unsigned char c) { return c < 0x20 || c == 0x7F; })) {
        refuse(label + ": a name cannot hold a line break or other control character.");
    }
    return text;
}

std::optional<int> skillIn(const Json& value, const std::string& label) {
    if (value.is_null()) {
        return std::nullopt;
    }
    if (!value.is_number_integer() || value < 0 || value > rules::WorstSkill) {
        refuse(label + ": " + spelled(value) + " is not a skill from 0 to " +
               std::to_string(rules::WorstSkill) + ".");
    }
    return value.get<int>();
}

TechBase techBaseIn(const Json& value) {
    if (isText(value, "Inner Sphere")) {
        return TechBase::InnerSphere;
    }
    if (isText(value, "Clan")) {
        return TechBase::Clan;
    }
    refuse("Technology base: " + spelled(value) + " is neither 'Inner Sphere' nor 'Clan'.");
}

bool flagIn(const Json& value, std::string_view label) {
    if (!value.is_boolean()) {
        refuse(std::string(label) + ": " + spelled(value) + " is not true or false.");
    }
    return value.get<bool>();
}

// The entry of a list that the value names, or "" for null: nothing chosen.
template <typename Entries>
std::string entryIn(const Json& value, const Entries& entries, const std::string& label,
                    std::string_view what) {
    if (value.is_null()) {
        return {};
    }
    const auto found =
        std::find_if(entries.begin(), entries.end(),
                     [&value](std::string_view entry) { return isText(value, entry); });
    if (found == entries.end()) {
        refuse(label + ": " + spelled(value) + " is not " + std::string(what) + ".");
    }
    return std::string(*found);
}

MechFile::Row rowIn(const Json& value, int row, const std::vector<std::string>& weaponNames) {
    if (value.is_null()) {
        return {};
    }
    const std::string label = "Row " + std::to_string(row + 1);
    checkKeys(value, label, {"weapon", "location"});
    return {entryIn(value.at("weapon"), weaponNames, label, "a weapon of the catalogue"),
            entryIn(value.at("location"), WEAPON_LOCATIONS, label,
                    "a location (RA, RL, RT, CT, LT, LL, LA or H)")};
}

RowArray<MechFile::Row> rowsIn(const Json& value, const std::vector<std::string>& weaponNames) {
    if (!value.is_array() || value.size() != WEAPON_ROWS) {
        refuse("Weapons: " + spelled(value) + " is not a list of " + std::to_string(WEAPON_ROWS) +
               " rows.");
    }
    RowArray<MechFile::Row> rows;
    for (int i = 0; i < WEAPON_ROWS; ++i) {
        rows[static_cast<std::size_t>(i)] =
            rowIn(value.at(static_cast<std::size_t>(i)), i, weaponNames);
    }
    return rows;
}

MechFile::Arm armIn(const Json& value, const ArmDamage& boxes) {
    const std::string label(boxes.label);
    checkKeys(value, label, {"shoulder", "upperActuator", "lowerActuator"});
    auto state = [&](const char* key, const char* name) {
        const Json& box = value.at(key);
        const auto found =
            std::find_if(BOX_STATES.begin(), BOX_STATES.end(),
                         [&box](std::string_view state) { return isText(box, state); });
        if (found == BOX_STATES.end()) {
            refuse(label + " " + name + ": " + spelled(box) +
                   " is not 'unticked', 'ticked' or 'grayed'.");
        }
        return static_cast<BoxState>(found - BOX_STATES.begin());
    };
    const MechFile::Arm arm{flagIn(value.at("shoulder"), label + " shoulder"),
                            state("upperActuator", "upper actuator"),
                            state("lowerActuator", "lower actuator")};
    // Only the shoulder rule grays an actuator box; a click on it never does.
    if (!arm.shoulder &&
        (arm.upperActuator == BoxState::Grayed || arm.lowerActuator == BoxState::Grayed)) {
        refuse(label + ": an actuator stands grayed only under a hit shoulder.");
    }
    return arm;
}

void readEquipment(const Json& value, const CombatSheet& sheet, MechFile& mech) {
    Keys keys;
    for (const EquipmentBox& box : EQUIPMENT) {
        keys.push_back(box.key);
    }
    checkKeys(value, "Equipment", keys);
    for (std::size_t i = 0; i < EQUIPMENT.size(); ++i) {
        mech.equipment[i] =
            flagIn(value.at(EQUIPMENT[i].key), (sheet.*EQUIPMENT[i].box).plainCaption());
    }
}

void readDamage(const Json& value, const CombatSheet& sheet, MechFile& mech) {
    checkKeys(value, "Damage", {"sensors", ARM_KEYS[0], ARM_KEYS[1]});
    mech.sensors = flagIn(value.at("sensors"), sheet.dmgSensor1.plainCaption());
    for (std::size_t i = 0; i < ARMS.size(); ++i) {
        mech.arms[i] = armIn(value.at(ARM_KEYS[i]), ARMS[i]);
    }
}

MechFile mechIn(const Json& document, const CombatSheet& sheet) {
    checkFormat(document);
    checkKeys(document, "",
              {"format", "version", "mechModel", "pilotName", "gunnerySkill", "pilotingSkill",
               "technologyBase", "equipment", "weapons", "damage"});
    MechFile mech;
    mech.mechModel = nameIn(document.at("mechModel"), "Mech model");
    mech.pilotName = nameIn(document.at("pilotName"), "Pilot name");
    mech.gunnerySkill = skillIn(document.at("gunnerySkill"), "Gunnery skill");
    mech.pilotingSkill = skillIn(document.at("pilotingSkill"), "Piloting skill");
    mech.techBase = techBaseIn(document.at("technologyBase"));
    readEquipment(document.at("equipment"), sheet, mech);
    // Every row's list offers the same weapons.
    mech.rows = rowsIn(document.at("weapons"), sheet.weapName.front().items());
    readDamage(document.at("damage"), sheet, mech);
    return mech;
}

} // namespace

std::variant<MechFile, MechFileFault> readMechFile(std::string_view bytes,
                                                   const CombatSheet& sheet) {
    try {
        return mechIn(parsed(bytes), sheet);
    } catch (const Refusal& refusal) {
        return MechFileFault{refusal.text};
    }
}
