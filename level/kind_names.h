// Object kind names: what the panel's title row says for a kind code, and what
// the level tool calls it.
#pragma once

#include <cstdint>

// The title of a unit or building kind; a code without a name gets the overflow text.
// The names keep the blanks and dots that pad them out, as the game's own texts do.
const char* UnitKindName(int32_t kind);
const char* BuildingKindName(int32_t kind);

// What every unlisted code is called, unit or building.
inline constexpr char UnknownKindName[] = "单位超载！！！";
