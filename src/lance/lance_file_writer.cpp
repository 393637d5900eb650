#include "lance/lance_file_writer.h"

#include "mechfile/mech_value_writer.h"

std::string writeLanceFile(const LanceFile& lance) {
    using Json = nlohmann::ordered_json;
    Json file;
    file["format"] = LanceFormatName;
    file["version"] = LanceFormatVersion;
    file["turn"] = lance.turn;
    Json& mechs = file["mechs"] = Json::array();
    for (const MechFile& mech : lance.mechs) {
        mechs.push_back(mechValue(mech));
    }
    // As in a Mech file, text that is not UTF-8 is written with replacement characters.
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}
