// The demo levels M00 to M23: our own maps and missions, made from a fixed seed
// per level, so the same program always writes the same files.
#pragma once

#include <cstdint>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "level/level_data.h"
#include "level/level_names.h"

constexpr int DemoLevelCount = LevelNumberCount;

struct DemoLevel {
    int number = 0;
    MapGrid grid{};
    LevelInfo info{};  // startX and startY go to the .map, the rest to the .edt
    std::vector<Building> buildings;  // in file order
    std::vector<Unit> units;
};

// Level `number` (0..23); null only if its objects found no room, which the
// tests rule out for every level.
std::unique_ptr<DemoLevel> BuildDemoLevel(int number);

// The level's two files, written by the level file formats.
std::vector<uint8_t> DemoMapBytes(const DemoLevel& level);
std::vector<uint8_t> DemoEdtBytes(const DemoLevel& level);

struct DemoFolderReport {
    int levelsWritten = 0;
    int levelsKept = 0;     // a file of the pair was already there
    std::string failure;    // empty when every level was written or kept
};

// Writes M00..M23 into `folder`, creating it. A level whose .map or .edt
// already exists is left as it is, so a user's edits survive, unless
// `replace` is set.
DemoFolderReport WriteDemoLevelFolder(const std::filesystem::path& folder, bool replace);
