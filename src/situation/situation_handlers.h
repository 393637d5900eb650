#pragma once

// The situation handlers: each situation control turns its state into its to-hit modifier
// at once; the shoulder, water, adjacency and prone interlocks keep neighbours consistent.
// Handlers that set a neighbouring control rely on its own handler running inside that
// setting, before they go on.

class CombatSheet;

void wireSituationHandlers(CombatSheet& sheet);
