#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <utility>

inline constexpr int WEAPON_ROWS = 12;

// One column of the weapon rows: an element per row, index 0 (top) to 11.
template <typename T> using RowArray = std::array<T, WEAPON_ROWS>;

// A column of controls that all carry the column's caption.
template <typename T> RowArray<T> rowOf(const std::string& caption) {
    return [&caption]<std::size_t... Row>(std::index_sequence<Row...>) {
        return RowArray<T>{((void)Row, T(caption))...};
    }
    (std::make_index_sequence<WEAPON_ROWS>{});
}
