// The map view of a level drawn by the editor's own drawing code, as the
// object page shows it right after loading: terrain, marked cells, buildings,
// units and the grid, with nothing hovered or selected.
#pragma once

#include <cstdint>
#include <vector>

#include "engine/canvas.h"
#include "level/level_data.h"

// The 640 by 640 pixels of the view at the map's top-left corner, or with
// `whole` the whole map: columns x cellSize + 1 by rows x cellSize + 1 pixels,
// the last grid lines included. A cell size other than 10, 20 or 40 gives an
// empty canvas.
Canvas RenderLevel(const Level& level, int cellSize, bool whole);

// The view's scroll positions that draw the whole map: the positions the
// editor's scroll bars can reach, one view apart.
std::vector<int32_t> ViewStarts(int32_t mapCells, int32_t viewCells);
