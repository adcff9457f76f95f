// The ranges the editor keeps values in. The commands step values within
// them and the level tool's check reports values outside them; a file may
// bring any value, and loading takes it as it is.
#pragma once

#include <cstdint>

// Mission information, for each side.
constexpr int32_t CreditsCap = 50000;
constexpr int32_t ResearchPointsCap = 10000;
constexpr int32_t MostAirForces = 50;
constexpr int32_t LongestLimitTime = 100;
constexpr int32_t LastLimitType = 2;  // 0 reinforcements, 1 time limit, 2 hold out
// The game's screen, which the starting position places on the map.
constexpr int32_t GameScreenColumns = 20;
constexpr int32_t GameScreenRows = 15;

// Objects.
constexpr int32_t FullHealthPercent = 100;
constexpr int32_t NeutralSide = 2;  // only kinds 101..108 may be neutral
// The robot factory's fifth level cannot build the last robot kind.
constexpr int32_t RobotFactoryFifthLevelLastItem = 45;
