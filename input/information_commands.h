// The map-information page: both sides' starting credits, research points and
// air forces, which towers each side may build, the PVT switches, the mission
// limit and the starting screen position.
#pragma once

#include <cstdint>

constexpr int32_t CreditsCap = 50000;
constexpr int32_t ResearchPointsCap = 10000;
constexpr int32_t MostAirForces = 50;
constexpr int32_t LongestLimitTime = 100;
constexpr int32_t LastLimitType = 2;  // 0 reinforcements, 1 time limit, 2 hold out
// The game's screen, which the starting position places on the map.
constexpr int32_t GameScreenColumns = 20;
constexpr int32_t GameScreenRows = 15;

// Credits and research points move in hundreds: "<" first drops a value to
// the hundred below it, then by 100 down to 0; ">" rises to the next hundred,
// never past `cap`. A negative value from a file climbs by 100.
int32_t HundredBelow(int32_t value);
int32_t HundredAbove(int32_t value, int32_t cap);

// Runs the map-information command of control `id`; false when `id` is not a
// control of that page.
bool RunMapInformationCommand(int32_t id);
