// What a frame is drawn from: the level, the editor state and the controls, all
// read-only. Whatever a paint must work out beforehand (the cursor cell, which
// controls show) is already in them when drawing starts.
#pragma once

#include "controls/control_list.h"
#include "draw/control_drawing.h"
#include "draw/map_view.h"
#include "input/editor_state.h"
#include "level/level_data.h"

struct FrameView {
    const Level& level;
    const EditorState& state;
    const ControlList& controls;

    MapView Map() const { return {level, state}; }
    PointerPosition Pointer() const { return {state.lastMouseX, state.lastMouseY}; }
};
