// Reading a level pair into a Level: from bytes, or from the files at given
// paths. This is the one reader of level files; the editor's LoadLevel, the
// level tool, the tests and the fuzzers all read through it. It shows no
// message: a report says what became of each file, and the caller words it.
//
// Each file of the pair is read on its own. A .map that is taken replaces the
// grid and the starting position; a .edt that is read replaces the mission
// information (all but the starting position) and both object tables. A file
// that is missing, unreadable or refused leaves its part of the level as it was.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <string>
#include <vector>

#include "level/edt_format.h"
#include "level/level_data.h"
#include "level/level_names.h"
#include "level/map_format.h"

enum class FileState { Read, Missing, Unreadable };

// One file of a pair as found: its bytes, or why there are none.
struct LevelFile {
    FileState state = FileState::Missing;
    std::string reason;  // for a file not read, in the system's words: "No such file or directory"
    std::vector<uint8_t> bytes;
};

// The whole file at `path`. A folder is unreadable, "it is a folder".
LevelFile ReadLevelFile(const std::string& path);

struct MapReadReport {
    FileState file = FileState::Missing;
    std::string reason;  // why a file not read was not
    size_t size = 0;     // bytes read
    MapHeader header;    // as read, whether the map was taken or not
    MapSizeCheck check = MapSizeCheck::Fits;

    bool Read() const { return file == FileState::Read; }
    bool Taken() const { return file == FileState::Read && check == MapSizeCheck::Fits; }
    bool Refused() const { return file == FileState::Read && check != MapSizeCheck::Fits; }
    // Taken, but the file ends among its cell records; the missing cells read as plain ground.
    bool CellsCutShort() const { return Taken() && int64_t(size) < MapFileSize(header.columns, header.rows); }
};

struct EdtReadReport {
    FileState file = FileState::Missing;
    std::string reason;
    size_t size = 0;
    EdtLayout layout;  // how its object lists end
    // Each building's production levels 1..5 as the file holds them, before
    // empty levels get their defaults.
    std::vector<std::array<int32_t, ProductionLevels>> fileLevels;

    bool Read() const { return file == FileState::Read; }
    bool CutShort() const {
        return layout.ending == EdtEnding::HeaderCut || layout.ending == EdtEnding::RecordCut ||
               layout.ending == EdtEnding::EndTagCut;
    }
};

struct LevelReadReport {
    MapReadReport map;
    EdtReadReport edt;
};

// From bytes.
MapReadReport ReadMapBytes(Level& level, std::span<const uint8_t> bytes);
EdtReadReport ReadEdtBytes(Level& level, std::span<const uint8_t> bytes);
MapReadReport ReadMapFile(Level& level, const LevelFile& file);
EdtReadReport ReadEdtFile(Level& level, const LevelFile& file);
LevelReadReport ReadLevelPair(Level& level, const LevelFile& map, const LevelFile& edt);

// From the files at the paths.
MapReadReport ReadMapFile(Level& level, const std::string& path);
EdtReadReport ReadEdtFile(Level& level, const std::string& path);
LevelReadReport ReadLevelPair(Level& level, const LevelPairPaths& paths);

// Why a refused map was refused, in one line: "the map is 97 x 10 cells; the
// editor holds at most 96 x 80". Empty for a map that was not refused.
std::string MapRefusalText(const MapReadReport& map);
