// The readable summary of a level that `tarnhold-level info` prints.
#pragma once

#include <string>

#include "tools/level_tool/level_reading.h"

// Map size and start, both sides' mission values, the limit, and the buildings
// and units counted by kind and side with their display names.
std::string LevelSummary(const LevelRecords& level, const LevelPaths& paths);
