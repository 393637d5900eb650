#pragma once

// The tool tip of a row's to-hit field: how its number was made and how likely it is.
// It is written from the same ToHitRow that gives the number, so the two cannot disagree.

#include <optional>
#include <string>

#include "tohit/to_hit_row.h"

class CombatSheet;

// The summand as the sheet names it, without its value: "Gunnery",
// "Medium range", "Walked", "Right arm damage", "Heat 8-12", "Target moved 3-4". A movement or
// heat level is named by the caption of the option chosen on the sheet.
std::string summandLabel(const CombatSheet& sheet, const ToHitRow& row, Summand summand);

// For row `index` as calculated: its summands, its chance on two dice, and, when its damage
// is a number, the damage to expect, one to a line. For a row out of range: how far its long
// range reaches. For an empty or failed row: nothing.
std::string toHitToolTip(const CombatSheet& sheet, const ToHitRow& row, int index);

// The damage of row `index` when it is one number to weigh a hit with; none for missiles,
// which list theirs per missile ("1/missle"), and for anything else that is no number.
std::optional<double> damageNumber(const CombatSheet& sheet, int index);
