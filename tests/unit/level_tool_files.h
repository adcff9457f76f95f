// Level files for the level tool's tests: a level built from records, written
// by the editor's own formats, and the tool's command line run in the test's
// folder.
#pragma once

#include <sstream>
#include <string>
#include <vector>

#include "level/edt_format.h"
#include "level/map_format.h"
#include "level_folder.h"
#include "tools/level_tool/command_line.h"

// A .map whose cells carry every shade, marks on a diagonal, the start at the
// given pixels and a trailer the editor never reads.
inline Bytes ToolTestMap(int columns, int rows, int startXPixels = 96, int startYPixels = 64) {
    Bytes map = MakeMapBytes(columns, rows, startXPixels, startYPixels, [](int row, int column, uint8_t* record) {
        if ((row + 2 * column) % 3 == 0) record[0] = 251;
        if ((row * column) % 5 == 1) record[4] = 255;
        if (row == column) record[10] = 1;
    });
    map.insert(map.end(), {0x11, 0x22});
    return map;
}

// A level's objects in number order, for comparing.
inline std::vector<Building> BuildingsOf(const Level& level) {
    const std::span<const Building> buildings = LevelBuildings(level);
    return {buildings.begin(), buildings.end()};
}
inline std::vector<Unit> UnitsOf(const Level& level) {
    const std::span<const Unit> units = LevelUnits(level);
    return {units.begin(), units.end()};
}

struct ToolRun {
    int status;
    std::string out;
    std::string err;
};

inline ToolRun RunTool(const std::vector<std::string>& arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out, err;
    const int status = RunLevelTool(arguments, in, out, err);
    return {status, out.str(), err.str()};
}
