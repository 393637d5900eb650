#include "app/single_line.h"

#include <algorithm>
#include <iterator>
#include <optional>
#include <utf8.h>
#include <vector>

namespace {

constexpr char32_t Replacement = 0xFFFD;

// One character of a text: its bytes, and its code point; none for a byte that does not start a
// well-formed UTF-8 sequence (a stray or missing continuation byte, an overlong form, a
// surrogate, or a code point beyond U+10FFFF), which stands alone as the one character it
// becomes.
struct Character {
    std::string_view bytes;
    std::optional<char32_t> code;
};

std::vector<Character> characters(std::string_view text) {
    std::vector<Character> list;
    const char* at = text.data();
    const char* const end = at + text.size();
    while (at != end) {
        // Up to the first byte that is not UTF-8, utfcpp has checked every sequence.
        const char* const invalid = utf8::find_invalid(at, end);
        while (at != invalid) {
            const char* const start = at;
            const char32_t code = utf8::unchecked::next(at);
            list.push_back({std::string_view(start, static_cast<std::size_t>(at - start)), code});
        }
        if (invalid != end) {
            list.push_back({std::string_view(at, 1), std::nullopt});
            ++at;
        }
    }
    return list;
}

bool breaksTheLine(char32_t code) {
    return code == '\n' || code == '\r' || code == '\v' || code == '\f' || code == '\t' ||
           code == 0x85 || code == 0x2028 || code == 0x2029;
}

bool isControl(char32_t code) {
    return code < 0x20 || (code >= 0x7F && code <= 0x9F);
}

// The embeddings and overrides (LRE, RLE, PDF, LRO, RLO) and the isolates (LRI, RLI, FSI, PDI).
bool isDirectionFormat(char32_t code) {
    return (code >= 0x202A && code <= 0x202E) || (code >= 0x2066 && code <= 0x2069);
}

bool isDropped(char32_t code) {
    return isControl(code) || isDirectionFormat(code);
}

// The byte at which the text's character `k` starts, or its end after its last character.
std::size_t startOf(std::string_view text, const std::vector<Character>& list, std::size_t k) {
    return k < list.size() ? static_cast<std::size_t>(list[k].bytes.data() - text.data())
                           : text.size();
}

} // namespace

std::string singleLine(std::string_view text) {
    const std::vector<Character> list = characters(text);
    std::string line;
    line.reserve(text.size());
    for (std::size_t k = 0; k < list.size(); ++k) {
        const std::optional<char32_t> code = list[k].code;
        if (!code) {
            utf8::append(Replacement, std::back_inserter(line));
        } else if (breaksTheLine(*code)) {
            line += ' ';
            // CR LF is one line break, as it is one in a text pasted from elsewhere.
            if (*code == U'\r' && k + 1 < list.size() && list[k + 1].code == U'\n') {
                ++k;
            }
        } else if (!isDropped(*code)) {
            line.append(list[k].bytes);
        }
    }
    return line;
}

bool isSingleLine(std::string_view text) {
    const std::vector<Character> list = characters(text);
    return std::all_of(list.begin(), list.end(), [](const Character& character) {
        return character.code && !breaksTheLine(*character.code) && !isDropped(*character.code);
    });
}

bool changesDirection(std::string_view text) {
    const std::vector<Character> list = characters(text);
    return std::any_of(list.begin(), list.end(), [](const Character& character) {
        return character.code && isDirectionFormat(*character.code);
    });
}

std::size_t characterCount(std::string_view text) {
    return characters(text).size();
}

std::string editWithin(std::string_view before, std::string_view after, std::size_t limit) {
    const std::vector<Character> now = characters(after);
    if (now.size() <= limit) {
        return std::string(after);
    }
    const std::vector<Character> old = characters(before);
    const auto same = [](const Character& a, const Character& b) { return a.bytes == b.bytes; };
    // The characters the edit left alone at the start, and then at the end.
    const std::size_t shorter = std::min(old.size(), now.size());
    const auto head = static_cast<std::size_t>(
        std::mismatch(old.begin(), old.begin() + shorter, now.begin(), same).first - old.begin());
    const auto tail = static_cast<std::size_t>(
        std::mismatch(old.rbegin(), old.rbegin() + (shorter - head), now.rbegin(), same).first -
        old.rbegin());
    if (head + tail > limit) {
        return std::string(after.substr(0, startOf(after, now, limit)));
    }
    const std::size_t fitting = limit - tail; // the untouched head and what of the edit fits
    return std::string(after.substr(0, startOf(after, now, fitting)))
        .append(after.substr(startOf(after, now, now.size() - tail)));
}
