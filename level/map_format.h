// The .map file: terrain and the starting screen position. The editor reads the
// header and three bytes of each cell record, and writes back only the four
// bytes of the starting position.
//
// Offsets: 5 and 9 hold the starting position's left and top edge in pixels
// (16 bits each), 13 the number of columns, 17 the number of rows, and from 23
// one 17-byte record per cell, row after row. In a cell record, byte 0 above
// 250 adds 1 to the cell's value, byte 4 above 250 adds 2, byte 10 equal to 1
// adds 10. Everything else belongs to the game and is left alone.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>

#include "level/level_data.h"

constexpr int64_t MapStartXOffset = 5;
constexpr int64_t MapStartYOffset = 9;
constexpr int64_t MapColumnsOffset = 13;
constexpr int64_t MapRowsOffset = 17;
constexpr size_t MapHeaderSize = 18;  // the header fields the editor reads end here
constexpr int64_t MapCellsOffset = 23;
constexpr int64_t MapCellRecordSize = 17;

// The bytes a map of columns x rows needs to hold all its cell records.
constexpr int64_t MapFileSize(int32_t columns, int32_t rows) {
    return MapCellsOffset + MapCellRecordSize * columns * rows;
}

struct MapHeader {
    int32_t startX = 0;  // in cells
    int32_t startY = 0;
    int32_t startXPixels = 0;  // as the file keeps them, 16 bits
    int32_t startYPixels = 0;
    int32_t columns = 0;
    int32_t rows = 0;
};

enum class MapSizeCheck {
    Fits,
    HeaderCut,  // fewer than MapHeaderSize bytes
    NoCells,    // 0 columns or 0 rows
    TooLarge,   // more than the grid's 96 columns or 80 rows
};

// Reads the header fields and says whether the grid can take the map.
MapSizeCheck ReadMapHeader(std::span<const uint8_t> bytes, MapHeader& header);

// Reads a whole .map: the header into `header` and, only when the grid can
// hold the map, its size and cells into `grid` (otherwise `grid` is left as it
// was). A file that ends among its cell records gives cells of value 0 from
// there on.
MapSizeCheck ParseMap(std::span<const uint8_t> bytes, MapHeader& header, MapGrid& grid);

// The four bytes saving puts at offsets 5, 6, 9 and 10: startX x 32 and
// startY x 32, low byte first.
std::array<uint8_t, 4> MapStartBytes(int32_t startX, int32_t startY);

// Patches the starting position into the bytes of a whole .map; false, and
// nothing changed, when the bytes are too short to hold a header.
bool PatchMapStart(std::span<uint8_t> bytes, int32_t startX, int32_t startY);
