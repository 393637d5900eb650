#pragma once

class CombatSheet;

// The range slider writes the range into its box and marks a target one hex away as
// adjacent; adjacency decides the modifier of a prone target.
void wireRangeRules(CombatSheet& sheet);
