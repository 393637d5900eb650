#include "web/sheets_backup.h"

#include <nlohmann/json.hpp>

namespace {

// Keys in the order they were written, so that a Mech reads back in its file's own order.
using Json = nlohmann::ordered_json;

struct Fault {
    std::string text;
};

std::string textOf(const Json& entry, const char* key, int number) {
    if (!entry.contains(key)) {
        return {};
    }
    if (!entry.at(key).is_string()) {
        throw Fault{"Sheet " + std::to_string(number) + ": \"" + key + "\" is not a text."};
    }
    return entry.at(key).get<std::string>();
}

BackedUpSheet sheetOf(const Json& entry, int number) {
    if (!entry.is_object() || !entry.contains("mech") || !entry.at("mech").is_object()) {
        throw Fault{"Sheet " + std::to_string(number) + " holds no Mech."};
    }
    BackedUpSheet sheet{.mech = entry.at("mech").dump(2), .file = textOf(entry, "file", number)};
    if (entry.contains("state")) {
        sheet.state = entry.at("state").dump();
    }
    return sheet;
}

void checkOutline(const Json& file) {
    if (!file.is_object() || !file.contains("format") || file.at("format") != SheetsFormatName) {
        throw Fault{"It is not a backup of Vexolan's sheets."};
    }
    if (!file.contains("version") || !file.at("version").is_number_integer()) {
        throw Fault{"It names no version of its format."};
    }
    if (file.at("version").get<long long>() > SheetsFormatVersion) {
        throw Fault{"It was written by a newer version of Vexolan."};
    }
    if (!file.contains("sheets") || !file.at("sheets").is_array()) {
        throw Fault{"It holds no list of sheets."};
    }
}

} // namespace

std::string writeSheetsBackup(const std::vector<BackedUpSheet>& sheets) {
    Json list = Json::array();
    for (const BackedUpSheet& sheet : sheets) {
        Json entry = {{"mech", Json::parse(sheet.mech)}};
        if (!sheet.file.empty()) {
            entry["file"] = sheet.file;
        }
        if (!sheet.state.empty()) {
            entry["state"] = Json::parse(sheet.state);
        }
        list.push_back(std::move(entry));
    }
    const Json file = {
        {"format", SheetsFormatName}, {"version", SheetsFormatVersion}, {"sheets", list}};
    return file.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

SheetsBackupReading readSheetsBackup(std::string_view bytes) {
    if (bytes.size() > SheetsFileSizeLimit) {
        return {.fault = "It is far larger than any backup of sheets."};
    }
    const Json file = Json::parse(bytes, nullptr, false);
    if (file.is_discarded()) {
        return {.fault = "The file is not JSON in UTF-8."};
    }
    try {
        checkOutline(file);
        SheetsBackupReading reading;
        int number = 0;
        for (const Json& entry : file.at("sheets")) {
            reading.sheets.push_back(sheetOf(entry, ++number));
        }
        return reading;
    } catch (const Fault& fault) {
        return {.fault = fault.text};
    }
}
