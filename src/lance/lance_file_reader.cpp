#include "lance/lance_file_reader.h"

#include "lance/lance.h"
#include "mechfile/mech_value_reader.h"

#include <string>

namespace {

using Json = JsonDocument::Json;

[[noreturn]] void refuse(std::string text) {
    throw MechFileFault{std::move(text)};
}

int turnIn(const JsonDocument& file, const Json& value) {
    const std::string turns =
        "from " + std::to_string(Lance::FirstTurn) + " to " + std::to_string(Lance::LastTurn);
    if (file.isWrittenAsFraction(value)) {
        refuse("Turn: " + file.spelled(value) +
               " is not written as a whole number; a turn is a whole number " + turns + ".");
    }
    if (!value.is_number_integer() || value < Lance::FirstTurn || value > Lance::LastTurn) {
        refuse("Turn: " + file.spelled(value) + " is not a turn " + turns + ".");
    }
    return value.get<int>();
}

// Each Mech is read as its own file would be; a fault in it says which Mech it lies in.
std::vector<MechFile> mechsIn(const JsonDocument& file, const Json& value,
                              const CombatSheet& sheet) {
    if (!value.is_array() || value.empty() || value.size() > LanceMechLimit) {
        refuse("Mechs: " + file.spelled(value) + " is not a list of 1 to " +
               std::to_string(LanceMechLimit) + " Mechs.");
    }
    std::vector<MechFile> mechs;
    for (const Json& mech : value) {
        const std::string label = "Mech " + std::to_string(mechs.size() + 1) + ": ";
        try {
            mechs.push_back(readMechValue(file, mech, sheet));
        } catch (const MechFileFault& fault) {
            refuse(label + fault.text);
        }
    }
    return mechs;
}

} // namespace

std::variant<LanceFile, MechFileFault> readLanceFile(std::string_view bytes,
                                                     const CombatSheet& sheet) {
    try {
        const JsonDocument file(bytes);
        const Json& document = file.root();
        checkFileFormat(file, document, LanceFormatName, "lance", LanceFormatVersion);
        checkFileKeys(file, document, "", {"format", "version", "turn", "mechs"}, "lance");
        LanceFile lance;
        lance.turn = turnIn(file, document.at("turn"));
        lance.mechs = mechsIn(file, document.at("mechs"), sheet);
        return lance;
    } catch (const MechFileFault& fault) {
        return fault;
    }
}
