// Helpers for level tests: records and .map bytes made to measure, and
// reading and writing whole files in the test's folder.
#pragma once

#include <array>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <string>
#include <vector>

#include "level/level_data.h"

using Bytes = std::vector<uint8_t>;

// A building of `kind` as the kind command makes it, at column x, row y.
inline Building BuildingOf(int32_t kind, int32_t x, int32_t y) {
    Building building = DefaultBuilding();
    ApplyBuildingKind(building, kind);
    building.x = x;
    building.y = y;
    return building;
}

// A building's production levels 1..5.
using Levels = std::array<int32_t, ProductionLevels>;

inline Levels ProducedOf(const Building& building) {
    return {building.produced[1], building.produced[2], building.produced[3], building.produced[4],
            building.produced[5]};
}
inline Levels OffsetsOf(const Building& building) {
    return {building.classOffset[1], building.classOffset[2], building.classOffset[3], building.classOffset[4],
            building.classOffset[5]};
}

// A .map of columns x rows with the starting position in pixels; `cell` may
// set the 17 bytes of each cell record (all zero otherwise). Every byte the
// editor does not read is filled with a pattern so that changes show.
inline Bytes MakeMapBytes(int columns, int rows, int startXPixels = 0, int startYPixels = 0,
                          const std::function<void(int row, int column, uint8_t* record)>& cell = {}) {
    Bytes bytes(23 + 17 * size_t(columns) * size_t(rows));
    for (size_t i = 0; i < bytes.size(); ++i) bytes[i] = uint8_t(0x40 + i % 7);  // never above 250, never 1
    bytes[5] = uint8_t(startXPixels % 256);
    bytes[6] = uint8_t(startXPixels / 256);
    bytes[9] = uint8_t(startYPixels % 256);
    bytes[10] = uint8_t(startYPixels / 256);
    bytes[13] = uint8_t(columns);
    bytes[17] = uint8_t(rows);
    for (int row = 0; row < rows; ++row)
        for (int column = 0; column < columns; ++column) {
            uint8_t* record = &bytes[23 + 17 * (size_t(row) * size_t(columns) + size_t(column))];
            if (cell) cell(row, column, record);
        }
    return bytes;
}

inline bool WriteWholeFile(const std::string& name, const Bytes& bytes) {
    std::FILE* file = std::fopen(name.c_str(), "wb");
    if (!file) return false;
    const bool written = bytes.empty() || std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    return std::fclose(file) == 0 && written;
}

inline Bytes ReadWholeFile(const std::string& name) {
    Bytes bytes;
    std::FILE* file = std::fopen(name.c_str(), "rb");
    if (!file) return bytes;
    int c;
    while ((c = std::fgetc(file)) != EOF) bytes.push_back(uint8_t(c));
    std::fclose(file);
    return bytes;
}
