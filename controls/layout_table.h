// The rows of the interface layout: what BuildLayout makes each control from.
#pragma once

#include <array>
#include <cstdint>
#include <span>

#include "controls/control.h"
#include "controls/control_ids.h"

struct LayoutRow {
    int32_t id = 0;
    ControlKind kind = KindPanel;
    Rect rect;
    bool visible = false;  // until the first paint decides
    int32_t grey = 0;      // seen only on panels
    const char* caption = EmptyCaption;
};

// One row per control, in id order.
std::span<const LayoutRow, ControlCount> LayoutTable();
