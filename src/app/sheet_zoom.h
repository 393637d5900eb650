#pragma once

// The zoom of a sheet: players read it across a table, so it grows in steps of a quarter up
// to twice its actual size and shrinks back, never below actual size.

class CombatSheet;

inline constexpr int LargestZoom = 200;
inline constexpr int ZoomStep = 25;

void wireSheetZoom(CombatSheet& sheet);
