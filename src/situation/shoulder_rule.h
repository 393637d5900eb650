#pragma once

class CombatSheet;

// A destroyed shoulder overrides the actuators of the same arm: the arm is worth the
// shoulder's 4 alone and its actuator boxes show grayed.
void wireShoulderRule(CombatSheet& sheet);
