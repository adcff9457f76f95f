// What must hold for any bytes read as a .map: the size check agrees with the
// header, a refused map leaves the level alone, an accepted one fills exactly
// its columns x rows with the values its cell bytes say and takes its start,
// and patching the start position changes only its four bytes. Shared by the fuzz target and
// the unit test that replays its corpus.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>
#include <vector>

#include "level/map_format.h"
#include "level/pair_reading.h"

namespace fuzz_checks {

// The bytes read directly, -1 past the end, as the format defines them.
inline int ByteAt(std::span<const uint8_t> bytes, size_t offset) {
    return offset < bytes.size() ? bytes[offset] : -1;
}

inline int32_t ExpectedCell(std::span<const uint8_t> bytes, int columns, int row, int column) {
    const size_t start = size_t(MapCellsOffset) + size_t(MapCellRecordSize) * (size_t(row) * size_t(columns) + size_t(column));
    return (ByteAt(bytes, start) > 250 ? 1 : 0) + (ByteAt(bytes, start + 4) > 250 ? 2 : 0) +
           (ByteAt(bytes, start + 10) == 1 ? 10 : 0);
}

inline MapSizeCheck ExpectedCheck(std::span<const uint8_t> bytes) {
    if (bytes.size() < MapHeaderSize) return MapSizeCheck::HeaderCut;
    const int columns = bytes[size_t(MapColumnsOffset)], rows = bytes[size_t(MapRowsOffset)];
    if (columns == 0 || rows == 0) return MapSizeCheck::NoCells;
    if (columns > MapGridColumns || rows > MapGridRows) return MapSizeCheck::TooLarge;
    return MapSizeCheck::Fits;
}

inline std::string CheckMapInput(std::span<const uint8_t> bytes) {
    constexpr int32_t Untouched = -7;
    const auto level = std::make_unique<Level>();
    MapGrid* const grid = &level->mapGrid;
    grid->columns = grid->rows = Untouched;
    for (auto& row : grid->cells)
        for (int32_t& cell : row) cell = Untouched;
    level->levelInfo.startX = level->levelInfo.startY = Untouched;

    const MapReadReport report = ReadMapBytes(*level, bytes);
    const MapHeader& header = report.header;
    const MapSizeCheck check = report.check;
    if (check != ExpectedCheck(bytes)) return "size check disagrees with the header";
    if (bytes.size() >= 11 && (header.startX != (bytes[5] + 256 * bytes[6]) / 32 ||
                               header.startY != (bytes[9] + 256 * bytes[10]) / 32))
        return "start position misread";

    const bool fits = check == MapSizeCheck::Fits;
    if (fits && (grid->columns != header.columns || grid->rows != header.rows)) return "grid size not the header's";
    if (!fits && (grid->columns != Untouched || grid->rows != Untouched)) return "a refused map changed the grid size";
    const int32_t expectedStartX = fits ? header.startX : Untouched, expectedStartY = fits ? header.startY : Untouched;
    if (level->levelInfo.startX != expectedStartX || level->levelInfo.startY != expectedStartY)
        return "the start not taken as the map was";
    for (int row = 0; row < MapGridRows; ++row)
        for (int column = 0; column < MapGridColumns; ++column) {
            const bool inMap = fits && row < header.rows && column < header.columns;
            const int32_t expected = inMap ? ExpectedCell(bytes, header.columns, row, column) : Untouched;
            if (grid->cells[row][column] != expected) return "cell " + std::to_string(column) + "," + std::to_string(row) + " wrong";
        }

    std::vector<uint8_t> patched(bytes.begin(), bytes.end());
    const bool patchedOk = PatchMapStart(patched, header.startX, header.startY);
    if (patchedOk != (bytes.size() >= MapHeaderSize)) return "patch taken or refused wrongly";
    for (size_t i = 0; i < bytes.size(); ++i) {
        const bool startByte = i == 5 || i == 6 || i == 9 || i == 10;
        if (!startByte && patched[i] != bytes[i]) return "patch changed byte " + std::to_string(i);
    }
    if (patchedOk) {
        MapHeader again;
        ReadMapHeader(patched, again);
        if (again.startX != header.startX || again.startY != header.startY || again.columns != header.columns ||
            again.rows != header.rows)
            return "patching the start it read moved it";
    }
    return "";
}

}  // namespace fuzz_checks
