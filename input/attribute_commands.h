// The object page's attribute rows: kind, side, health, satellite protection,
// research levels, produced items and factory weight classes. Every command
// acts on the selected object only; a merely hovered object shown in the panel
// is never changed.
#pragma once

#include <cstdint>

#include "level/value_ranges.h"

// Runs the attribute command of control `id`; false when `id` is not an
// attribute control. With nothing selected the command changes nothing.
bool RunObjectAttributeCommand(int32_t id);
