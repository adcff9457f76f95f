// Finding and reading a level pair for the level tool: a LEVEL argument names
// the pair, and the files are parsed the way the editor loads them, but into
// records of their own instead of the editor's globals, and with reasons in
// words instead of message boxes.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "level/level_data.h"
#include "level/map_format.h"

struct LevelPaths {
    std::string map;  // "M03.map", "levels/M03.map"
    std::string edt;
};

// A LEVEL argument is a base name ("M03", "levels/M03") or the path of either
// file of the pair ("levels/M03.edt"). False, with the reason, for an empty
// name or a folder.
bool LevelPathsOf(std::string_view argument, LevelPaths& paths, std::string& error);

// The whole file; false with "cannot read PATH: reason".
bool ReadFileBytes(const std::string& path, std::vector<uint8_t>& bytes, std::string& error);

// The level as the editor holds it after loading both files into a freshly
// started editor: the grid beyond the map's size is all 0, and the starting
// position comes from the .map.
struct LevelRecords {
    MapGrid grid{};
    LevelInfo info{};
    std::vector<Building> buildings;  // in file order; building n is element n - 1
    std::vector<Unit> units;
};

// Why the editor refuses a .map, in one line; empty when it takes it.
std::string MapRefusal(MapSizeCheck check, size_t fileSize, const MapHeader& header);

// Both files of the pair, as the editor would load them. False, with the
// reason in one line, when either file cannot be read or the editor refuses
// the .map; a damaged .edt loads as far as the editor reads it.
bool ReadLevel(const LevelPaths& paths, LevelRecords& level, std::string& error);
