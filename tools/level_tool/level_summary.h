// The readable summary of a level that `tarnhold-level info` prints.
#pragma once

#include <string>

#include "level/level_data.h"
#include "level/level_names.h"

// Map size and start, both sides' mission values, the limit, and the buildings
// and units counted by kind and side with their display names.
std::string LevelSummary(const Level& level, const LevelPairPaths& paths);
