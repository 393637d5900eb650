// Where the sheet's controls stand: each on the whole pixels of the form it was drawn on, and
// inside its panel.

#include "layout/sheet_layout.h"

#include <gtest/gtest.h>

namespace {

// The form was drawn at 15 twips a pixel; a length off that grid is a slip, and at some zooms
// puts its control a pixel apart from its neighbours. A control that reaches beyond its panel is
// cut off there, and on the window's client area.
TEST(SheetLayout, EveryPlaceLiesOnWholePixelsInsideItsPanel) {
    for (const sheet::ControlLayout& place : sheet::sheetLayout()) {
        for (const int length : {place.left, place.top, place.width, place.height}) {
            EXPECT_EQ(length % 15, 0) << sheet::codeNameOf(place);
        }
        const sheet::ControlLayout* panel =
            place.in != nullptr ? &sheet::sheetLayout()[sheet::placeOf(place.in)] : nullptr;
        EXPECT_LE(place.left + place.width, panel ? panel->width : sheet::ClientWidthTwips)
            << sheet::codeNameOf(place);
        EXPECT_LE(place.top + place.height, panel ? panel->height : sheet::ClientHeightTwips)
            << sheet::codeNameOf(place);
    }
}

// A label that reaches into another of its panel hides part of that one where both are drawn.
TEST(SheetLayout, NoLabelReachesIntoAnother) {
    const auto& places = sheet::sheetLayout();
    const auto label = [](const sheet::ControlLayout& place) {
        return place.kind == sheet::ControlKind::Label;
    };
    for (auto one = places.begin(); one != places.end(); ++one) {
        for (auto other = one + 1; other != places.end(); ++other) {
            const bool apart =
                one->left + one->width <= other->left || other->left + other->width <= one->left ||
                one->top + one->height <= other->top || other->top + other->height <= one->top;
            EXPECT_TRUE(!label(*one) || !label(*other) || one->in != other->in || apart)
                << sheet::codeNameOf(*one) << " and " << sheet::codeNameOf(*other);
        }
    }
}

} // namespace
