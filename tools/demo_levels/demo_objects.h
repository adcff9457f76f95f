// The buildings and units of a demo level: who owns what, where it stands and
// what it produces.
#pragma once

#include <cstdint>
#include <vector>

#include "level/level_data.h"
#include "level/value_ranges.h"
#include "tools/demo_levels/demo_random.h"
#include "tools/demo_levels/demo_terrain.h"

struct ObjectCounts {
    int buildings;  // at least 2: every level has a main base on each side
    int units;
};

// Places `counts` objects on the terrain of `grid` around the sites, each side
// on its own half and the neutral factories in the middle ground. Buildings
// never overlap and stay off the water; units stand on distinct free cells.
// False when the map has no room left for one of them.
bool PlaceObjects(const MapGrid& grid, const LevelSites& sites, int levelNumber, ObjectCounts counts,
                  DemoRandom& random, std::vector<Building>& buildings, std::vector<Unit>& units);
