// The .map as the demo levels write it. Fields are little-endian like the rest
// of the file; the bytes the editor does not read carry values of our own:
//
// Header (23 bytes)
//   0..3   "DMAP", marking the file as one of our demo maps
//   4      1, the revision of this writer
//   5..8   starting left edge in pixels as 32 bits (the editor uses 5..6)
//   9..12  starting top edge in pixels as 32 bits (the editor uses 9..10)
//   13..16 columns as 32 bits (the editor uses 13)
//   17..20 rows as 32 bits (the editor uses 17)
//   21..22 the size of a cell record, 17, so a reader can step over records
//
// Cell record (17 bytes)
//   0      255 when the cell has the +1 shade, else a ground pattern 0..15
//   1      the cell's shade 0..3, lightest to darkest
//   2..3   zero
//   4      255 when the cell has the +2 shade, else a ground pattern 0..15
//   5..9   zero
//   10     1 on a road (the marked cells), else 0
//   11     on a road, which neighbours are road too: 1 north, 2 east,
//          4 south, 8 west; else 0
//   12..16 zero
//
// The ground patterns stay far below the 251 that the shade test looks for,
// and byte 10 is only ever 0 or 1, so what the editor reads is exactly the grid.
#include "tools/demo_levels/map_writer.h"

#include "level/byte_stream.h"
#include "level/map_format.h"

namespace {

constexpr uint8_t Signature[] = {'D', 'M', 'A', 'P'};
constexpr uint8_t WriterRevision = 1;
constexpr uint8_t LayerSet = 255;
constexpr int MarkedValue = 10;

void PutLong(std::vector<uint8_t>& out, int64_t value) {
    for (int i = 0; i < 4; ++i) PutByte(out, int32_t((value >> (8 * i)) & 0xFF));
}

uint8_t GroundPattern(int row, int column) { return uint8_t((column * 7 + row * 13) % 16); }

bool IsRoad(const MapGrid& grid, int row, int column) {
    return row >= 0 && column >= 0 && row < grid.rows && column < grid.columns &&
           grid.cells[row][column] >= MarkedValue;
}

uint8_t RoadNeighbours(const MapGrid& grid, int row, int column) {
    return uint8_t((IsRoad(grid, row - 1, column) ? 1 : 0) | (IsRoad(grid, row, column + 1) ? 2 : 0) |
                   (IsRoad(grid, row + 1, column) ? 4 : 0) | (IsRoad(grid, row, column - 1) ? 8 : 0));
}

void PutCell(std::vector<uint8_t>& out, const MapGrid& grid, int row, int column) {
    const int32_t value = grid.cells[row][column];
    const int32_t shade = value % MarkedValue;
    const bool road = value >= MarkedValue;
    const size_t start = out.size();
    PutZeros(out, size_t(MapCellRecordSize));
    uint8_t* record = &out[start];
    record[0] = (shade & 1) != 0 ? LayerSet : GroundPattern(row, column);
    record[1] = uint8_t(shade);
    record[4] = (shade & 2) != 0 ? LayerSet : GroundPattern(row + 1, column);
    record[10] = road ? 1 : 0;
    record[11] = road ? RoadNeighbours(grid, row, column) : 0;
}

}  // namespace

std::vector<uint8_t> WriteMap(const MapGrid& grid, int32_t startX, int32_t startY) {
    std::vector<uint8_t> out;
    out.reserve(size_t(MapCellsOffset + MapCellRecordSize * grid.columns * grid.rows));
    out.insert(out.end(), std::begin(Signature), std::end(Signature));
    PutByte(out, WriterRevision);
    // The editor writes the start back as these very bytes, so a level that is
    // loaded and saved unchanged keeps its .map byte for byte.
    const std::array<uint8_t, 4> start = MapStartBytes(startX, startY);
    out.insert(out.end(), {start[0], start[1], 0, 0, start[2], start[3], 0, 0});
    PutLong(out, grid.columns);
    PutLong(out, grid.rows);
    PutWord(out, MapCellRecordSize);
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) PutCell(out, grid, row, column);
    return out;
}
