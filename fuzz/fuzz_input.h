#pragma once

// Splits a fuzz input into the pieces a target acts on.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace fuzz {

// The input cut at every NUL byte: each piece is one thing the user types. The first byte
// of a piece chooses where it goes, the rest is the text.
struct Typing {
    unsigned char choice;
    std::string text;
};

inline std::vector<Typing> typings(const std::uint8_t* data, std::size_t size) {
    std::vector<Typing> pieces;
    std::string_view input(reinterpret_cast<const char*>(data), size);
    while (!input.empty()) {
        const std::size_t end = input.find('\0');
        std::string_view piece = input.substr(0, end);
        pieces.push_back({static_cast<unsigned char>(piece.empty() ? 0 : piece[0]),
                          std::string(piece.empty() ? piece : piece.substr(1))});
        if (end == std::string_view::npos) {
            break;
        }
        input.remove_prefix(end + 1);
    }
    return pieces;
}

} // namespace fuzz
