// The pieces of the sheet and the arrangements that stand them in columns on narrow windows.

#include "layout/sheet_arrangement.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>

namespace {

using sheet::sheetArrangements;
using sheet::sheetLayout;
using sheet::sheetPieces;

// A control of the window in no piece would vanish on a narrow window, one in two would be
// drawn twice; a control inside a panel moves with its panel.
TEST(SheetArrangement, EveryControlOfTheWindowStandsInOnePiece) {
    std::map<std::size_t, int> pieces;
    for (const sheet::SheetPiece& piece : sheetPieces()) {
        for (const sheet::PieceCell& cell : piece.cells) {
            ++pieces[cell.place];
        }
    }
    for (std::size_t place = 0; place < sheetLayout().size(); ++place) {
        const int expected = sheetLayout()[place].in == nullptr ? 1 : 0;
        EXPECT_EQ(pieces[place], expected) << sheet::codeNameOf(sheetLayout()[place]);
    }
}

// A row missing a cell, or with two fields in one, lays its fields over one another.
TEST(SheetArrangement, EveryWeaponRowAndTheHeadingsTakeEachCellOnce) {
    std::map<int, std::multiset<std::string>> rows;
    for (const sheet::SheetPiece& piece : sheetPieces()) {
        for (const sheet::PieceCell& cell : piece.cells) {
            if (piece.name == "weapons") {
                rows[sheetLayout()[cell.place].row].insert(cell.cell);
            }
        }
    }
    const std::multiset<std::string> row = {"weapon", "location", "min",   "short", "med",
                                            "long",   "damage",   "toHit", "fire"};
    std::multiset<std::string> headings = row;
    headings.insert({"declare", "rule"});
    ASSERT_EQ(rows.size(), WEAPON_ROWS + 1);
    EXPECT_EQ(rows[-1], headings);
    for (int at = 0; at < WEAPON_ROWS; ++at) {
        EXPECT_EQ(rows[at], row) << "row " << at;
    }
}

// A piece beyond the last column would stand off the window's edge; an empty last column would
// squeeze the pieces into the others.
TEST(SheetArrangement, EveryPieceStandsInsideTheColumns) {
    for (const sheet::SheetArrangement& arrangement : sheetArrangements()) {
        if (arrangement.columns == 0) {
            EXPECT_TRUE(arrangement.places.empty()) << arrangement.name;
            continue;
        }
        ASSERT_EQ(arrangement.places.size(), sheetPieces().size()) << arrangement.name;
        int reach = 0;
        for (const sheet::PiecePlace& place : arrangement.places) {
            EXPECT_GE(place.column, 0) << arrangement.name;
            EXPECT_GE(place.span, 1) << arrangement.name;
            EXPECT_LE(place.column + place.span, arrangement.columns) << arrangement.name;
            reach = std::max(reach, place.column + place.span);
        }
        EXPECT_EQ(reach, arrangement.columns) << arrangement.name << ": a last column left empty";
    }
}

} // namespace
