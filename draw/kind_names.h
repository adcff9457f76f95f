// Object kind names and icons: what the panel's title row says for a kind code, and
// which icon picture stands for a kind or produced-item code.
#pragma once

#include <cstdint>

class Bitmap;

// The title of a unit or building kind; a code without a name gets the overflow text.
// The names keep the blanks and dots that pad them out, as the game's own texts do.
const char* UnitKindName(int32_t kind);
const char* BuildingKindName(int32_t kind);

// What every unlisted code is called, unit or building.
inline constexpr char UnknownKindName[] = "单位超载！！！";

// The icon of a kind or produced-item code 0..46; null for any other code (a damaged
// or foreign level can bring one) and for a slot the catalogue could not fill.
const Bitmap* KindIcon(int32_t code);
