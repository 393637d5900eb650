#pragma once

// The numbers of the game's rules that the sheet works with, each under its name, in one
// place: what a situation adds to a to-hit number, how far the slider reaches and what the
// lists offer. The handlers and Calculate read them from here.

#include <array>
#include <cstdint>

namespace rules {

using Mod = std::int16_t;

// The attacker's movement and heat, and the target's movement: a modifier per option, in the
// order of the options ("Stationary" to "Jumped", "0-7" to "24+", "0-2" to "10+").
inline constexpr std::array<Mod, 4> AttackerMovementMods = {0, 1, 2, 3};
inline constexpr std::array<Mod, 5> HeatMods = {0, 1, 2, 3, 4};
inline constexpr std::array<Mod, 5> TargetMovementMods = {0, 1, 2, 3, 4};

// The attacker's condition.
inline constexpr Mod AttackerProneMod = 2;
inline constexpr Mod AttackerInWaterMod = 1;
inline constexpr Mod SensorHitMod = 2;
// A hit shoulder makes the arm's actuators meaningless: the arm is worth the shoulder alone.
inline constexpr Mod ShoulderHitMod = 4;
inline constexpr Mod ActuatorHitMod = 1;

// The target's condition and where it stands.
inline constexpr Mod TargetJumpedMod = 1;
inline constexpr Mod TargetImmobileMod = -4;
inline constexpr Mod PartialCoverMod = 3;
inline constexpr Mod TargetInLightWoodsMod = 1;
inline constexpr Mod TargetInHeavyWoodsMod = 2;
inline constexpr Mod TargetInWaterMod = -1;
// A prone target is easier to hit from the next hex and harder from farther away.
inline constexpr Mod ProneAdjacentMod = -2;
inline constexpr Mod ProneFartherMod = 1;

// Woods between attacker and target: each hex counts, up to a limit of hexes per kind.
inline constexpr int LightWoodsPerHex = 1;
inline constexpr int HeavyWoodsPerHex = 2;
inline constexpr int LightWoodsLimit = 3;
inline constexpr int HeavyWoodsLimit = 2;

// The range: the slider sets whole hexes up to the longest range; the next hex is adjacent.
inline constexpr int AdjacentRange = 1;
inline constexpr int LongestRange = 24;
inline constexpr Mod ShortRangeMod = 0;
inline constexpr Mod MediumRangeMod = 2;
inline constexpr Mod LongRangeMod = 4;

// Weapon families that shoot better: LB-X guns firing cluster rounds, and pulse lasers.
inline constexpr Mod ClusterMunitionsMod = -1;
inline constexpr Mod PulseLaserMod = -2;

// A pilot's skills run from 0, the best, to this.
inline constexpr int WorstSkill = 12;

} // namespace rules
