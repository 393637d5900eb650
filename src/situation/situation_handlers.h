#pragma once

// The situation handlers: each situation control turns its state into its to-hit modifier
// at once; the shoulder, water, adjacency and prone interlocks keep neighbours consistent.

class CombatSheet;

void wireSituationHandlers(CombatSheet& sheet);
