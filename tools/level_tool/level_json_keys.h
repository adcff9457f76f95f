// The key names the JSON format shares between writing and reading.
#pragma once

#include "level/level_data.h"

// airForces[type], in the order of LevelInfo's table.
inline constexpr const char* AirForceKeys[AirForceTypes] = {"bombers", "astralBombs", "troopTransports",
                                                            "chainBombing", "fighters"};
// towersAllowed[tower], tower kinds 25..29.
inline constexpr const char* TowerKeys[TowerKinds] = {"smallTower", "antiAirTower", "plasmaTower", "laserTower",
                                                      "shellTower"};
