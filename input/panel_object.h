// The object the right-hand panel shows: the selected one, else the one under the
// pointer.
#pragma once

#include <cstdint>

#include "input/editor_state.h"
#include "level/level_data.h"

struct PanelObject {
    int32_t number = 0;  // 0: the panel shows no object
    bool isUnit = false;
    bool isSelected = false;  // else it is only under the pointer
    // The record in `level`, when the number names one; null otherwise.
    const Building* building = nullptr;
    const Unit* unit = nullptr;
};

PanelObject PanelObjectOf(const Level& level, const EditorState& state);
