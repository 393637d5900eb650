#include "layout/sheet_arrangement.h"

#include "layout/twips.h"

#include <algorithm>

namespace sheet {

namespace {

using C = CombatSheet;

// The weapon rows' columns, each with the cell its fields, and its heading, take in a row.
struct ColumnCell {
    ControlRef column;
    const char* cell;
};

const ColumnCell ColumnCells[] = {
    {&C::weapName, "weapon"}, {&C::weapLoc, "location"}, {&C::minRange, "min"},
    {&C::sRange, "short"},    {&C::mRange, "med"},       {&C::lRange, "long"},
    {&C::damage, "damage"},   {&C::toHit, "toHit"},      {&C::fireCheck, "fire"},
};

const char* cellOfColumn(const ControlRef& column) {
    const auto found = std::find_if(std::begin(ColumnCells), std::end(ColumnCells),
                                    [&](const ColumnCell& c) { return c.column == column; });
    return found == std::end(ColumnCells) ? nullptr : found->cell;
}

// The cell of a weapon row's field, of a column's heading, of the box that ticks every row and
// of the rule between the numbers and the boxes; none for any other control.
const char* weaponCellOf(const ControlLayout& row) {
    if (row.in != nullptr) {
        return nullptr;
    }
    if (row.kind == ControlKind::VerticalLine) {
        return "rule";
    }
    if (row.control == ControlRef(&C::selectAllBox)) {
        return "fire";
    }
    if (row.row >= 0) {
        return cellOfColumn(*row.control);
    }
    if (row.labelFor == ControlRef(&C::fireCheck)) {
        return "declare";
    }
    return row.labelFor ? cellOfColumn(*row.labelFor) : nullptr;
}

std::vector<PieceCell> weaponCells() {
    std::vector<PieceCell> cells;
    for (std::size_t place = 0; place < sheetLayout().size(); ++place) {
        if (const char* cell = weaponCellOf(sheetLayout()[place])) {
            cells.push_back({place, cell});
        }
    }
    return cells;
}

std::vector<PieceCell> resultCells() {
    return {{placeOf("totalHeatLabel"), "heatLabel"},     {placeOf(&C::totalHeatBox), "heat"},
            {placeOf(&C::calculateButton), "calculate"},  {placeOf(&C::declareButton), "declare"},
            {placeOf(&C::declarationBox), "declaration"}, {placeOf(&C::copyButton), "copy"},
            {placeOf(&C::clearButton), "clear"}};
}

SheetPiece panelPiece(const char* name, Member<Panel> panel) {
    return {name, {{placeOf(panel), ""}}};
}

std::vector<SheetPiece> buildPieces() {
    return {
        panelPiece("setup", &C::setupPanel),
        panelPiece("attacker", &C::attackerPanel),
        panelPiece("target", &C::targetPanel),
        panelPiece("terrain", &C::terrainPanel),
        {"weapons", weaponCells()},
        {"results", resultCells()},
    };
}

// The desktop's form stands at half as large again as its actual size, so that its 16-pixel
// rows are 24 pixels apart; under a finger they must be 44 pixels apart.
constexpr int DesktopRowPixels = 16;
constexpr int DesktopWidth = pixels(ClientWidthTwips);
constexpr int MouseRowPixels = 24;
constexpr int FingerRowPixels = 44;
// Lower than a tablet on its side (768): a phone held sideways.
constexpr int PhoneHeight = 600;

std::vector<SheetArrangement> buildArrangements() {
    // In the order of sheetPieces(): setup, attacker, target, terrain, weapons, results.
    return {
        {.name = "phone",
         .columns = 1,
         .rows = RowForm::Card,
         .places = {{0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}, {0, 1}},
         .staying = "results"},
        {.name = "portrait",
         .minWidth = 640,
         .minWidthByFinger = 640,
         .columns = 2,
         .places = {{0, 1}, {0, 1}, {1, 1}, {1, 1}, {0, 2}, {0, 2}},
         .staying = "results",
         .stayingBelowHeight = PhoneHeight},
        {.name = "landscape",
         .minWidth = 900,
         .minWidthByFinger = 900,
         .columns = 3,
         .places = {{0, 2}, {0, 2}, {2, 1}, {2, 1}, {0, 3}, {0, 3}},
         .staying = "results",
         .stayingBelowHeight = PhoneHeight},
        {.name = "desktop",
         .minWidth = (DesktopWidth * MouseRowPixels + DesktopRowPixels - 1) / DesktopRowPixels,
         .minWidthByFinger =
             (DesktopWidth * FingerRowPixels + DesktopRowPixels - 1) / DesktopRowPixels},
    };
}

} // namespace

const std::vector<SheetPiece>& sheetPieces() {
    static const std::vector<SheetPiece> pieces = buildPieces();
    return pieces;
}

const std::vector<SheetArrangement>& sheetArrangements() {
    static const std::vector<SheetArrangement> arrangements = buildArrangements();
    return arrangements;
}

} // namespace sheet
