// The level as JSON, for version control, review and hand edits: the mission
// information, the starting position, every building and unit with all their
// fields, and the terrain. docs/level-json.md describes the format.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "level/level_data.h"

inline constexpr char LevelJsonFormat[] = "tarnhold-level";
inline constexpr int LevelJsonVersion = 1;

// The whole document, one building, unit or terrain row to a line, ending in
// a line feed.
std::string LevelToJson(const Level& level);

// What a JSON document brings: the level's .edt records and starting position,
// and, when the document has its "map" section, the map size and terrain.
struct LevelFromJsonResult {
    Level level;
    bool hasMap = false;
    // One line each, "path: what is wrong"; empty when the document is good.
    // Only the first problems are listed; problemCount counts them all.
    std::vector<std::string> errors;
    size_t problemCount = 0;
};

// Reads a document written by LevelToJson or by hand. Every value must be an
// integer the files can store or loading gives; values outside the ranges the
// editor keeps are taken as they are (check reports them). Unknown and missing
// keys, keys given twice, nesting deeper than 64 and values of the wrong type
// are errors.
LevelFromJsonResult LevelFromJson(std::string_view text);
