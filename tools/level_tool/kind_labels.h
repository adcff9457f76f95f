// How the tool's English lines name kinds, sides and air forces, with the
// editor's own display names of the kinds.
#pragma once

#include <cstdint>
#include <string>

#include "level/level_data.h"

// The editor's names are padded with blanks and dots to fill the panel's
// title row; the tool shows them without.
std::string PlainKindName(const char* name);

// "kind 25 (小炮塔)"; a code without a name of its own is "kind 50".
std::string BuildingKindLabel(int32_t kind);
std::string UnitKindLabel(int32_t kind);
// Produced items: unit kinds, and the codes of the stations' and the radar's items.
std::string ItemLabel(int32_t code);

// "side 0", "side 1", "neutral side 2".
std::string SideLabel(int32_t side);

// The air forces, in the order of LevelInfo's table.
inline constexpr const char* AirForceLabels[AirForceTypes] = {"bombers", "astral bombs", "troop transports",
                                                              "chain bombing", "fighters"};
