#pragma once

// The sheet on windows too narrow for the desktop's form: its controls gathered into pieces
// (a panel, the weapon rows, the results) and, for each width, the columns the pieces stand in.
// A piece keeps its panels' own order inside; a front end lays a piece's cells out as the
// arrangement's form of rows says. The widest arrangement is the desktop's form itself, at the
// places of sheetLayout().

#include "layout/sheet_layout.h"

#include <cstddef>
#include <string>
#include <vector>

namespace sheet {

// One control of a piece and the cell it takes there; an empty cell flows in the piece's order.
struct PieceCell {
    std::size_t place = 0; // in sheetLayout()
    std::string cell;      // "toHit", "calculate"...; a weapon row's cells repeat row by row
};

struct SheetPiece {
    std::string name;
    std::vector<PieceCell> cells;
};

// How the weapon rows stand: a row of the desktop's columns, or a card of three short lines.
enum class RowForm { Line, Card };

// Where a piece stands in an arrangement: from its first column, over so many.
struct PiecePlace {
    int column = 0;
    int span = 1;
};

struct SheetArrangement {
    std::string name;
    // The narrowest window, in CSS pixels at actual size, that takes this arrangement, with a
    // mouse and under a finger.
    int minWidth = 0;
    int minWidthByFinger = 0;
    int columns = 0; // none: the desktop's form, at the places of sheetLayout()
    RowForm rows = RowForm::Line;
    std::vector<PiecePlace> places = {}; // one for each of sheetPieces(), in its order
    // The piece that stays on screen at the foot of the window while the rest scrolls, on a
    // window lower than stayingBelowHeight (none: on every window): on a phone, held either way,
    // where the results would be screens away; on a tablet they are a short scroll away, and a
    // bar there would lie over the weapons' fields the finger aims at.
    std::string staying = {};
    int stayingBelowHeight = 0;
};

// Every control of the sheet window in exactly one piece, in the order of play.
const std::vector<SheetPiece>& sheetPieces();
// From the narrowest window to the widest: a window takes the widest whose least width it has.
const std::vector<SheetArrangement>& sheetArrangements();

} // namespace sheet
