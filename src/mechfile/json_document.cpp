#include "mechfile/json_document.h"

#include "mechfile/mech_file_fault.h"

#include <algorithm>
#include <set>

namespace {

using Json = JsonDocument::Json;

// No Mech file nests deeper; stopping a deeper one early spares every later step a walk down a
// value nested thousands deep.
constexpr std::size_t MaxDepth = 8;

[[noreturn]] void refuse(std::string text) {
    throw MechFileFault{std::move(text)};
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

// Builds the document as the JSON reader goes through the text, refusing at once what no Mech
// file holds, and keeps the spelling of each number the reader turns into a double, in the
// order of the text.
class DocumentBuilder final : public nlohmann::json_sax<Json> {
public:
    DocumentBuilder(std::string_view bytes, Json& root, std::vector<std::string>& spellings)
        : bytes_(bytes), root_(root), spellings_(spellings) {}

    bool null() override { return put(nullptr); }
    bool boolean(bool value) override { return put(value); }
    bool number_integer(number_integer_t value) override { return put(value); }
    bool number_unsigned(number_unsigned_t value) override { return put(value); }
    bool number_float(number_float_t value, const string_t& spelling) override {
        spellings_.push_back(spelling);
        return put(value);
    }
    bool string(string_t& value) override { return put(std::move(value)); }
    bool binary(binary_t& value) override { return put(Json::binary(std::move(value))); }
    bool start_object(std::size_t) override {
        keys_.emplace_back();
        return open(Json::object());
    }
    bool key(string_t& key) override {
        if (!keys_.back().insert(key).second) {
            refuse("The key '" + key + "' stands twice in one object.");
        }
        key_ = std::move(key);
        return true;
    }
    bool end_object() override {
        keys_.pop_back();
        open_.pop_back();
        return true;
    }
    bool start_array(std::size_t) override { return open(Json::array()); }
    bool end_array() override {
        open_.pop_back();
        return true;
    }
    bool parse_error(std::size_t byte, const std::string&, const Json::exception& error) override {
        if (dynamic_cast<const Json::parse_error*>(&error) == nullptr) {
            refuse("The file holds a number too large to read.");
        }
        refuse("The file is not JSON: it goes wrong at " + placeOf(bytes_, byte) + ".");
    }

private:
    // The value in its place: the whole document, the next item of a list, or the member of an
    // object under the key just read; none lies inside more lists and objects than MaxDepth.
    // Members are appended: the key set has ruled out a second one of the same key, and a search
    // for it in a large object would take long.
    Json* put(Json value) {
        if (open_.size() > MaxDepth) {
            refuse("The file nests lists and objects deeper than a Mech file does.");
        }
        if (open_.empty()) {
            root_ = std::move(value);
            return &root_;
        }
        Json& parent = *open_.back();
        if (parent.is_array()) {
            parent.push_back(std::move(value));
            return &parent.back();
        }
        auto& members = parent.get_ref<Json::object_t&>();
        members.emplace_back(std::move(key_), std::move(value));
        return &members.back().second;
    }
    // A list or object stays where it is while its items are read: nothing is added to the
    // list or object around it meanwhile.
    bool open(Json container) {
        open_.push_back(put(std::move(container)));
        return true;
    }

    std::string_view bytes_;
    Json& root_;
    std::vector<std::string>& spellings_;
    std::vector<Json*> open_;                 // the lists and objects being read, outermost first
    std::vector<std::set<std::string>> keys_; // the keys read so far of each open object
    std::string key_;
};

} // namespace

JsonDocument::JsonDocument(std::string_view bytes) {
    if (!isUtf8(bytes)) {
        refuse("The file is not UTF-8 text.");
    }
    // The JSON reader takes a NUL byte for the end of the text; to this reader it is the
    // first byte of all that does not fit.
    if (const std::size_t nul = bytes.find('\0'); nul != std::string_view::npos) {
        refuse("The file is not JSON: it goes wrong at " + placeOf(bytes, nul + 1) + ".");
    }
    std::vector<std::string> spellings;
    DocumentBuilder builder(bytes, root_, spellings);
    Json::sax_parse(bytes, &builder);
    // The values lie where they will stay only now that the whole document is read.
    std::size_t next = 0;
    keepSpellings(root_, spellings, next);
}

void JsonDocument::keepSpellings(const Json& value, const std::vector<std::string>& spellings,
                                 std::size_t& next) {
    if (value.is_number_float()) {
        numbers_.emplace(&value, spellings.at(next++));
    } else if (value.is_structured()) {
        // A list's items and an object's values, in the order of the text.
        for (const Json& item : value) {
            keepSpellings(item, spellings, next);
        }
    }
}

std::string JsonDocument::spelled(const Json& value) const {
    constexpr std::size_t Shown = 40;
    std::string text;
    if (value.is_string()) {
        text.append("'").append(value.get_ref<const std::string&>()).append("'");
    } else {
        writeCompact(value, text, Shown);
    }
    if (text.size() > Shown) {
        // The text starts with a quote or JSON's own punctuation, never inside a character.
        std::size_t cut = Shown;
        while (isContinuation(static_cast<unsigned char>(text[cut]))) {
            --cut;
        }
        text.resize(cut);
        text.append("...");
    }
    return text;
}

bool JsonDocument::isWrittenAsFraction(const Json& value) const {
    const auto number = numbers_.find(&value);
    return number != numbers_.end() && number->second.find_first_of(".eE") != std::string::npos;
}

// JSON without blanks, each number as the file writes it; it stops once the text is longer
// than `enough`.
void JsonDocument::writeCompact(const Json& value, std::string& text, std::size_t enough) const {
    if (const auto number = numbers_.find(&value); number != numbers_.end()) {
        text.append(number->second);
        return;
    }
    if (!value.is_structured()) {
        text.append(value.dump(-1, ' ', false, Json::error_handler_t::replace));
        return;
    }
    const bool object = value.is_object();
    text.append(object ? "{" : "[");
    for (auto item = value.begin(); item != value.end() && text.size() <= enough; ++item) {
        if (item != value.begin()) {
            text.append(",");
        }
        if (object) {
            text.append(Json(item.key()).dump(-1, ' ', false, Json::error_handler_t::replace))
                .append(":");
        }
        writeCompact(*item, text, enough);
    }
    text.append(object ? "}" : "]");
}
