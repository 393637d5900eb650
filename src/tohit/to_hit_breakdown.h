#pragma once

// The tool tip of a row's to-hit field: how its number was made and how likely it is.
// It is written from the same ToHitRow that gives the number, so the two cannot disagree.

#include <string>
#include <string_view>

struct ToHitRow;

// The summand `index` (0 to 19) as the sheet names it, without its value: "Gunnery",
// "Medium range", "Walked", "Right arm damage", "Heat 8-12", "Target moved 3-4".
std::string summandLabel(const ToHitRow& row, int index);

// The non-zero summands in order, the gunnery skill always, and their total:
// "Gunnery 4, Medium range +2, Walked +1 = 7".
std::string summandsLine(const ToHitRow& row);

// For a calculated row: its summands, its chance on two dice, and, when the damage text is
// a number, the damage to expect, one to a line. For a row out of range: how far its long
// range reaches. For an empty or failed row: nothing.
std::string toHitToolTip(const ToHitRow& row, std::string_view damageText,
                         std::string_view longRangeText);
