#pragma once

// How every front end shows a range chart: the colours of the chance bands and the marks, and
// the words of the legend and the headings, in one place.

#include "tohit/chance_band.h"

#include <cstdint>
#include <string_view>

namespace chart {

using Rgb = std::uint32_t; // 0xRRGGBB

// From green, sure to hit, to dark red, sure to miss; in the order of ChanceBand.
inline constexpr Rgb BandColours[] = {0x1a9850, 0x91cf60, 0xfee08b, 0xfc8d59, 0xd73027, 0x6e0a1e};
constexpr Rgb bandColour(ChanceBand band) {
    return BandColours[static_cast<int>(band)];
}
// Light text on the two reds, dark text on the rest, the green included: every number stands
// out from its colour by 4.5 to 1 or more, whatever the page's look around the chart.
constexpr Rgb bandTextColour(ChanceBand band) {
    return band == ChanceBand::Remote || band == ChanceBand::Never ? 0xffffff : 0x000000;
}
// Beyond the long range: a hatch of this colour, with nothing written.
inline constexpr Rgb OutOfRangeHatch = 0xb0b0b0;
inline constexpr Rgb DamageLineColour = 0xeeeeee;
// A heavy line on the left of a cell where a bracket starts, and the sides of the column of the
// range the slider stands at, in pixels at actual size.
inline constexpr Rgb BracketEdgeColour = 0x202020;
inline constexpr int BracketEdgeWidth = 3;
inline constexpr Rgb PresentRangeColour = 0x1f4ec8;
inline constexpr int PresentRangeWidth = 2;

inline constexpr std::string_view TitlePrefix = "Range Chart - ";
inline constexpr std::string_view LegendHeading = "Chance to hit on two dice:";
inline constexpr std::string_view OutOfRangeLegend = "Beyond long range";
inline constexpr std::string_view BracketEdgeLegend =
    "A bracket starts: minimum, short, medium, long";
inline constexpr std::string_view PresentRangeLegend = "The range the slider stands at";
inline constexpr std::string_view DamageLineTip =
    "The ticked weapons whose damage is a number: the chance to hit times the damage, added up";

} // namespace chart
