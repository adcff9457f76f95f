// The editor's two records: currentLevel, the level it shows and edits, and
// EditorState, everything it knows beyond the level itself. Plain records, so
// loading can set the flags without depending on commands or drawing.
#pragma once

#include <cstdint>

#include "level/level_data.h"

// The frame counter runs 0..5039 and then starts again at 0.
constexpr int32_t FrameCountPeriod = 5040;

struct EditorState {
    int32_t levelNumber = 1;      // 0..23, the pair the load button opens
    bool mapLoaded = false;       // the level's .map file was read
    bool edtLoaded = false;       // the level's .edt file was read
    int32_t scrollX = 0;          // map column at the left edge of the map view
    int32_t scrollY = 0;          // map row at the top edge of the map view
    int32_t cellSize = 10;        // pixels per cell: 10, 20 or 40
    bool infoMode = false;        // the right panel shows the map information
    int32_t helpPage = 0;         // 0: editor screens; 1 or 2: that help page
    int32_t hoverIndex = 0;       // object under the pointer; 0 = none
    bool hoverIsUnit = false;
    int32_t selectedIndex = 0;    // 0 = none
    bool selectedIsUnit = false;
    int32_t dragIndex = -1;       // object following the pointer; -1 = none
    int32_t grabOffsetX = 0;      // grabbed cell minus the dragged building's left column
    int32_t grabOffsetY = 0;      // grabbed cell minus the dragged building's top row
    bool placing = false;         // a new object follows the pointer until the next press
    int32_t thumbDrag = 0;        // 0: none; 1: horizontal thumb held; 2: vertical thumb held
    bool leftDown = false;
    int32_t lastMouseX = 0;       // pointer position at the last mouse movement
    int32_t lastMouseY = 0;
    int32_t cursorCellX = 0;      // map cell under the pointer, as last painted
    int32_t cursorCellY = 0;
    int32_t frameCount = 0;       // 0..FrameCountPeriod - 1, paces the zoom keys
    int32_t lastZoomKeyFrame = 0;
    bool needsRepaint = false;    // the running handler changed something shown

    bool operator==(const EditorState&) const = default;
};

extern EditorState editorState;

// The level the editor shows and edits.
extern Level currentLevel;

enum Screen { ObjectPage, InfoPage, HelpScreen };

// The screen follows from helpPage and infoMode alone.
Screen ScreenOf(const EditorState& state);
inline Screen CurrentScreen() { return ScreenOf(editorState); }

// Map cells along each side of the 640-pixel map view at the current zoom.
constexpr int32_t MapViewSize = 640;
inline int32_t VisibleCellsOf(const EditorState& state) { return MapViewSize / state.cellSize; }
inline int32_t VisibleCells() { return VisibleCellsOf(editorState); }

// Back to the map's top-left corner, with both thumbs sized for the zoom and the
// map (capped at their tracks).
void ResetMapScroll();

// Every field back to its start value.
void ResetEditorState();
