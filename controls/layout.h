// The editor's interface: all controls, made once at start-up in id order.
#pragma once

#include <cstdint>

#include "controls/control_ids.h"
#include "controls/layout_table.h"

// Makes every control of the layout, appends them to controlList in id order and
// sizes the scroll thumbs for the zoom (pixels per cell), the scroll (in cells)
// and the map's size (in cells). A layout built before is released first, so
// tests may build it again.
void BuildLayout(int32_t cellSize, int32_t scrollX, int32_t scrollY, int32_t mapColumns, int32_t mapRows);

// Unlinks and releases every control of the layout.
void ClearLayout();
