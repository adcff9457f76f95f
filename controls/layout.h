// The editor's interface: all controls, made once at start-up in id order.
#pragma once

#include <cstdint>

#include "controls/control_ids.h"
#include "controls/layout_table.h"

// Makes every control of the layout, appends them to controlList in id order and
// sizes the scroll thumbs from editorState's scroll and zoom and mapGrid's size.
// A layout built before is released first, so tests may build it again.
void BuildLayout();

// Unlinks and releases every control of the layout.
void ClearLayout();
