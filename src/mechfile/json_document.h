#pragma once

// The JSON text of a Mech file, read whole before any of its meaning is checked, and its values
// spelled for messages as the file writes them.

#include <nlohmann/json.hpp>

#include <map>
#include <string>
#include <string_view>
#include <vector>

class JsonDocument {
public:
    using Json = nlohmann::ordered_json;

    // Reads the bytes, which must be strict UTF-8 and JSON, nested no deeper than a Mech file,
    // with no key twice in one object. Throws a MechFileFault that names the first fault.
    explicit JsonDocument(std::string_view bytes);
    // The spellings are kept by the address of their values.
    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;

    const Json& root() const { return root_; }
    // A value of this document as the file writes it, a text in single quotes, cut short
    // enough for a message.
    std::string spelled(const Json& value) const;
    // Whether the value is a number written with a fraction or an exponent ("4.0", "1e3"),
    // as no whole number of a Mech file is.
    bool isWrittenAsFraction(const Json& value) const;

private:
    void keepSpellings(const Json& value, const std::vector<std::string>& spellings,
                       std::size_t& next);
    void writeCompact(const Json& value, std::string& text, std::size_t enough) const;

    Json root_;
    // Each number with a fraction or an exponent, or too large for a whole number, as the file
    // writes it: the JSON reader keeps only its value, which would be written otherwise
    // ("1e30" as "1e+30", "4.50" as "4.5").
    std::map<const Json*, std::string> numbers_;
};
