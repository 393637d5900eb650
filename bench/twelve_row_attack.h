#pragma once

class CombatSheet;
struct FakePlatform;

// Fills in the sheet as a player would: gunnery skill, a weapon in each of the twelve rows,
// a range and a situation, with every kind of row the calculation tells apart: pulse lasers,
// cluster munitions, minimum range, long range, out of range, and arm weapons under arm
// damage.
void fillInAttack(CombatSheet& sheet);

// Whether the last Calculate gave every row a result, without a message.
bool everyRowCalculated(const CombatSheet& sheet, const FakePlatform& fake);
