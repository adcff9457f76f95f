// The map-information page: both sides' starting credits, research points and
// air forces, which towers each side may build, the PVT switches, the mission
// limit and the starting screen position.
#pragma once

#include <cstdint>

#include "level/value_ranges.h"

// Credits and research points move in hundreds: "<" first drops a value to
// the hundred below it, then by 100 down to 0; ">" rises to the next hundred,
// never past `cap`. A negative value from a file climbs by 100.
int32_t HundredBelow(int32_t value);
int32_t HundredAbove(int32_t value, int32_t cap);

// Runs the map-information command of control `id`; false when `id` is not a
// control of that page.
bool RunMapInformationCommand(int32_t id);
