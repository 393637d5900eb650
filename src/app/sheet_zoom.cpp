#include "app/sheet_zoom.h"

#include "app/combat_sheet.h"

#include <algorithm>

namespace {

void zoomBy(CombatSheet& sheet, int step) {
    sheet.zoom = std::clamp(sheet.zoom + step, CombatSheet::ActualSize, LargestZoom);
}

} // namespace

void wireSheetZoom(CombatSheet& sheet) {
    sheet.mnuZoomIn.onClick([&sheet] { zoomBy(sheet, ZoomStep); });
    sheet.mnuZoomOut.onClick([&sheet] { zoomBy(sheet, -ZoomStep); });
    sheet.mnuActualSize.onClick([&sheet] { sheet.zoom = CombatSheet::ActualSize; });
}
