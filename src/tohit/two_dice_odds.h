#pragma once

// The odds of a to-hit number: how many of the 36 equally likely outcomes of two six-sided
// dice reach it, and what a shot is then worth on average.

#include <string>

inline constexpr int DICE_OUTCOMES = 36;

// The outcomes of two dice whose sum is `target` or more. A fractional target needs the
// next whole number, so 7.5 counts as 8.
int outcomesAtLeast(double target);

// "15/36 (41.7%)"; "100%" when every roll hits and "0%" when none can.
std::string chanceText(double target);

// The share of the outcomes as a percentage: "41.7%"; "100%" and "0%" without a decimal.
std::string percentText(int outcomes);

// The chance to hit times the damage, to one decimal: "2.1".
std::string expectedDamageText(double target, double damage);

// The damage to expect per attack from a sum over all outcomes, in which every hitting outcome
// of every shot counts with that shot's damage; to one decimal: "2.1".
std::string expectedDamageText(double damageOverOutcomes);

// A number rounded to one decimal, halves away from zero, always with its decimal: "41.7",
// "2.0", "-0.5".
std::string oneDecimal(double value);
