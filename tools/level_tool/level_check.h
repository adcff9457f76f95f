// Checking level pairs before a mod is released: damaged files, maps the
// editor refuses, objects off the map, unknown codes, values outside the
// ranges the editor keeps, too many objects, and objects on top of one another.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "level/level_names.h"

enum class Severity { Warning, Error };

struct Finding {
    std::string file;    // the path of the file it is about
    Severity severity;
    std::string object;  // "building 12", "unit 3", or empty for the file as a whole
    std::string message;

    bool operator==(const Finding&) const = default;
};

// "M03.edt: error: building 12: side 3 is outside 0..1 for kind 25 (小炮塔)"
std::string FormatFinding(const Finding& finding);

// The findings for one pair from its bytes; a file that is missing or could
// not be read comes as nullopt with the reason in `unreadable` ("" when it is
// simply not there).
struct LevelFileBytes {
    std::string path;
    std::optional<std::vector<uint8_t>> bytes;
    std::string unreadable;
};
std::vector<Finding> CheckLevelBytes(const LevelFileBytes& map, const LevelFileBytes& edt);

// Reads and checks one pair.
std::vector<Finding> CheckLevel(const LevelPairPaths& paths);

struct FolderCheck {
    int levels = 0;  // pairs with at least one file present
    int errors = 0;
    int warnings = 0;
    std::vector<Finding> findings;  // level by level, in file order
};

// Checks every pair M00..M23 with at least one file in `folder`. False, with
// the reason, when the folder cannot be read or holds no level at all.
bool CheckFolder(const std::string& folder, FolderCheck& result, std::string& error);
