// Writing a level pair: the .edt is written whole from the level, through the
// platform's durable replace, so it is either the new file or still the old
// one; of the .map only the four bytes of the starting position are patched,
// in place, and only in a file that still has its whole header.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "level/level_data.h"
#include "level/level_names.h"
#include "level/pair_reading.h"

// The whole .edt of the level.
std::vector<uint8_t> LevelEdtBytes(const Level& level);

// Whether saving the level's starting position changes the .map read as `map`:
// saving writes whole cells, so a start the file keeps between cells changes
// even when its cell does not.
bool SavingChangesMapStart(const MapReadReport& map, const Level& level);

struct FileWrite {
    bool written = false;
    int error = 0;  // the errno of a failure, 0 when the system gave none
};

FileWrite PatchMapFileStart(const std::string& path, const Level& level);
FileWrite WriteEdtFile(const std::string& path, const Level& level);

// Both files, so that a failure leaves as little as possible half done: the
// .map first (unless `patchMap` is false), then the .edt only if the .map
// went well. The editor's SaveLevel writes the files one by one instead,
// since it reports each and carries on past a .map it could not patch.
struct LevelWriteReport {
    FileWrite map;
    FileWrite edt;
};
LevelWriteReport WriteLevelPair(const Level& level, const LevelPairPaths& paths, bool patchMap = true);
