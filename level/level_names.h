// The names of the game's levels: level n (0..23) is the pair of files
// Mnn.map and Mnn.edt, "M" and two digits.
#pragma once

#include <cstdint>
#include <string>

constexpr int32_t HighestLevelNumber = 23;
constexpr int32_t LevelNumberCount = HighestLevelNumber + 1;

// "M07".
std::string LevelBaseName(int32_t levelNumber);

constexpr int LevelFileNameSize = 8;  // "M07.map" and its terminator
// The base name and the extension (".map" or ".edt"). The commands keep the
// number within 0..23; a name that would not fit is cut short rather than
// written past the buffer.
void BuildLevelFileName(char (&name)[LevelFileNameSize], int32_t levelNumber, const char* extension);

// Where the two files of a pair are.
struct LevelPairPaths {
    std::string map;  // "M03.map", "levels/M03.map"
    std::string edt;
};

// Level `levelNumber`'s pair in `folder`; the folder "." gives the bare names,
// as the editor opens them in its working folder.
LevelPairPaths LevelPairIn(const std::string& folder, int32_t levelNumber);
