// The level a command names: a LEVEL argument is a base name ("M03",
// "levels/M03") or the path of either file of the pair ("levels/M03.edt").
// The pair is read by the editor's own reader in level/; this only words what
// it reports.
#pragma once

#include <string>
#include <string_view>

#include "level/level_data.h"
#include "level/level_names.h"

// The pair's paths. False, with the reason, for an empty name or a folder.
bool LevelPathsOf(std::string_view argument, LevelPairPaths& paths, std::string& error);

// "cannot read PATH: REASON".
std::string CannotReadText(const std::string& path, const std::string& reason);

// The level as the editor holds it after loading both files into a freshly
// started editor. False, with the reason in one line, when either file cannot
// be read or the editor refuses the .map; a damaged .edt loads as far as the
// editor reads it.
bool ReadLevelAt(const LevelPairPaths& paths, Level& level, std::string& error);
