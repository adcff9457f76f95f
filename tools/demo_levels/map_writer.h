// Writes a whole .map for a grid of cell values. The editor reads only the
// header fields and three bytes of each cell record; the rest of the file is
// ours to choose, and map_writer.cpp says what the demo levels put there.
#pragma once

#include <cstdint>
#include <vector>

#include "level/level_data.h"

// The .map of `grid` (its columns x rows cells, values 0..3 and 10..13) with
// the starting screen position at column startX, row startY.
std::vector<uint8_t> WriteMap(const MapGrid& grid, int32_t startX, int32_t startY);
