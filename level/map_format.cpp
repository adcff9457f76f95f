// Reading the .map the way the game's format is walked: relative skips from one
// field to the next, -1 past the end.
#include "level/map_format.h"

#include "level/byte_stream.h"

namespace {

// The value of one cell from its record, starting at the reader's position.
int32_t ReadCellValue(ByteReader& reader) {
    int32_t value = 0;
    if (ReadByte(reader) > 250) value += 1;
    Skip(reader, 3);
    if (ReadByte(reader) > 250) value += 2;
    Skip(reader, 5);
    if (ReadByte(reader) == 1) value += 10;
    Skip(reader, 6);
    return value;
}

}  // namespace

MapSizeCheck ReadMapHeader(std::span<const uint8_t> bytes, MapHeader& header) {
    ByteReader reader{bytes};
    Skip(reader, MapStartXOffset);
    header.startXPixels = ReadWord(reader);
    header.startX = header.startXPixels / PixelsPerCell;
    Skip(reader, 2);
    header.startYPixels = ReadWord(reader);
    header.startY = header.startYPixels / PixelsPerCell;
    Skip(reader, 2);
    header.columns = ReadByte(reader);
    Skip(reader, 3);
    header.rows = ReadByte(reader);
    if (bytes.size() < MapHeaderSize) return MapSizeCheck::HeaderCut;
    if (header.columns == 0 || header.rows == 0) return MapSizeCheck::NoCells;
    if (header.columns > MapGridColumns || header.rows > MapGridRows) return MapSizeCheck::TooLarge;
    return MapSizeCheck::Fits;
}

MapSizeCheck ParseMap(std::span<const uint8_t> bytes, MapHeader& header, MapGrid& grid) {
    const MapSizeCheck check = ReadMapHeader(bytes, header);
    if (check != MapSizeCheck::Fits) return check;
    grid.columns = header.columns;
    grid.rows = header.rows;
    ByteReader reader{bytes, MapCellsOffset};
    for (int32_t row = 0; row < header.rows; ++row)
        for (int32_t column = 0; column < header.columns; ++column) grid.cells[row][column] = ReadCellValue(reader);
    return check;
}

std::array<uint8_t, 4> MapStartBytes(int32_t startX, int32_t startY) {
    const int64_t x = int64_t(startX) * PixelsPerCell;
    const int64_t y = int64_t(startY) * PixelsPerCell;
    return {uint8_t(x % 256), uint8_t(x / 256), uint8_t(y % 256), uint8_t(y / 256)};
}

bool PatchMapStart(std::span<uint8_t> bytes, int32_t startX, int32_t startY) {
    if (bytes.size() < MapHeaderSize) return false;
    const std::array<uint8_t, 4> start = MapStartBytes(startX, startY);
    bytes[MapStartXOffset] = start[0];
    bytes[MapStartXOffset + 1] = start[1];
    bytes[MapStartYOffset] = start[2];
    bytes[MapStartYOffset + 1] = start[3];
    return true;
}
