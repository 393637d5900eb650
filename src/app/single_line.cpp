#include "app/single_line.h"

#include <algorithm>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

constexpr char32_t Replacement = 0xFFFD;

// The code point at the start of the text and its length in bytes; none for a byte that does
// not start a well-formed UTF-8 sequence: a stray or missing continuation byte, an overlong
// form, a surrogate, or a code point beyond U+10FFFF.
std::optional<char32_t> decode(std::string_view text, std::size_t& length) {
    const auto lead = static_cast<unsigned char>(text[0]);
    length = lead < 0x80   ? 1
             : lead < 0xC2 ? 0
             : lead < 0xE0 ? 2
             : lead < 0xF0 ? 3
             : lead < 0xF5 ? 4
                           : 0;
    if (length == 0 || length > text.size()) {
        length = 1;
        return std::nullopt;
    }
    if (length == 1) {
        return lead;
    }
    // The second byte's range narrows where the lead byte alone would allow overlong forms,
    // surrogates or code points beyond U+10FFFF.
    const unsigned char low = lead == 0xE0 ? 0xA0 : lead == 0xF0 ? 0x90 : 0x80;
    const unsigned char high = lead == 0xED ? 0x9F : lead == 0xF4 ? 0x8F : 0xBF;
    char32_t code = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        const auto byte = static_cast<unsigned char>(text[k]);
        if (byte < (k == 1 ? low : 0x80) || byte > (k == 1 ? high : 0xBF)) {
            length = 1;
            return std::nullopt;
        }
        code = (code << 6) | (byte & 0x3F);
    }
    return code;
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

// The byte at which each character of the text starts, and then the text's end.
std::vector<std::size_t> characterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t at = 0; at < text.size();) {
        starts.push_back(at);
        std::size_t length = 0;
        decode(text.substr(at), length);
        at += length;
    }
    starts.push_back(text.size());
    return starts;
}

// The text's characters, each as its bytes.
std::vector<std::string_view> characters(std::string_view text) {
    const std::vector<std::size_t> starts = characterStarts(text);
    std::vector<std::string_view> list;
    for (std::size_t k = 0; k + 1 < starts.size(); ++k) {
        list.push_back(text.substr(starts[k], starts[k + 1] - starts[k]));
    }
    return list;
}

void append(std::string& text, char32_t code) {
    if (code < 0x80) {
        text += static_cast<char>(code);
    } else if (code < 0x800) {
        text += static_cast<char>(0xC0 | (code >> 6));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else if (code < 0x10000) {
        text += static_cast<char>(0xE0 | (code >> 12));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    } else {
        text += static_cast<char>(0xF0 | (code >> 18));
        text += static_cast<char>(0x80 | ((code >> 12) & 0x3F));
        text += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
        text += static_cast<char>(0x80 | (code & 0x3F));
    }
}

} // namespace

std::string singleLine(std::string_view text) {
    std::string line;
    line.reserve(text.size());
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 0;
        const std::optional<char32_t> code = decode(text.substr(at), length);
        // CR LF is one line break, as it is one in a text pasted from elsewhere.
        const bool crlf = code == U'\r' && text.substr(at + 1, 1) == "\n";
        at += length + (crlf ? 1 : 0);
        if (!code) {
            append(line, Replacement);
        } else if (breaksTheLine(*code)) {
            line += ' ';
        } else if (!isDropped(*code)) {
            line.append(text.substr(at - length, length));
        }
    }
    return line;
}

bool isSingleLine(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 0;
        const std::optional<char32_t> code = decode(text.substr(at), length);
        if (!code || breaksTheLine(*code) || isDropped(*code)) {
            return false;
        }
        at += length;
    }
    return true;
}

bool changesDirection(std::string_view text) {
    for (std::size_t at = 0; at < text.size();) {
        std::size_t length = 0;
        const std::optional<char32_t> code = decode(text.substr(at), length);
        if (code && isDirectionFormat(*code)) {
            return true;
        }
        at += length;
    }
    return false;
}

std::size_t characterCount(std::string_view text) {
    std::size_t count = 0;
    for (std::size_t at = 0; at < text.size(); ++count) {
        std::size_t length = 0;
        decode(text.substr(at), length);
        at += length;
    }
    return count;
}

std::string editWithin(std::string_view before, std::string_view after, std::size_t limit) {
    const std::vector<std::string_view> now = characters(after);
    if (now.size() <= limit) {
        return std::string(after);
    }
    const std::vector<std::string_view> old = characters(before);
    // The characters the edit left alone at the start, and then at the end.
    const std::size_t shorter = std::min(old.size(), now.size());
    std::size_t head = 0;
    while (head < shorter && old[head] == now[head]) {
        ++head;
    }
    std::size_t tail = 0;
    while (tail < shorter - head && old[old.size() - 1 - tail] == now[now.size() - 1 - tail]) {
        ++tail;
    }
    const std::vector<std::size_t> starts = characterStarts(after);
    if (head + tail > limit) {
        return std::string(after.substr(0, starts[limit]));
    }
    const std::size_t fitting = limit - tail; // the untouched head and what of the edit fits
    return std::string(after.substr(0, starts[fitting]))
        .append(after.substr(starts[now.size() - tail]));
}
