// The terrain of a demo level: plains, ridges running across the map, lakes
// with shallow shores, and roads between the two bases, all drawn from a seed.
#pragma once

#include "level/level_data.h"
#include "tools/demo_levels/demo_random.h"

struct CellPoint {
    int column;
    int row;
};

// Where the level's life is: each side's main base (its top-left cell) and the
// middle ground between them.
struct LevelSites {
    CellPoint base[2];
    CellPoint centre;
};

// Shades as the editor draws them (value modulo 10, lightest first), and the
// mark that the editor draws over a cell; the demo levels use it for roads.
constexpr int32_t PlainShade = 0;
constexpr int32_t SlopeShade = 1;
constexpr int32_t CrestShade = 2;  // ridge crests and lake shores
constexpr int32_t WaterShade = 3;
constexpr int32_t RoadMark = 10;

constexpr int32_t ShadeOf(int32_t value) { return value % RoadMark; }
constexpr bool IsRoadCell(int32_t value) { return value >= RoadMark; }

// The main bases' footprint, which the terrain keeps dry.
constexpr int MainBaseWidth = 4;
constexpr int MainBaseHeight = 3;

// Chooses the sites for a map of columns x rows.
LevelSites ChooseSites(int columns, int rows, DemoRandom& random);

// Fills grid.cells for its columns x rows; lakes keep clear of the bases.
void DrawTerrain(MapGrid& grid, const LevelSites& sites, DemoRandom& random);
