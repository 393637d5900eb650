#pragma once

// What a random user does next on a sheet, as act() takes it: a click on any control but a
// panel, a pick from a list or a text typed into it, a text typed into a box (numbers,
// fractions, a name, nonsense), or a move of the slider. The same generator state gives the
// same action on every platform.

#include "app/combat_sheet.h"

#include <random>
#include <string>

std::string randomAction(const CombatSheet& sheet, std::mt19937& random);
