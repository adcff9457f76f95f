// The map view: the 640 by 640 window onto the level's cells at the top left of the
// frame, with the terrain, the buildings and units as filled rectangles, the cell grid,
// the outlines of the hovered and the selected object, and the cursor-cell label.
#pragma once

#include <cstdint>

#include "engine/canvas.h"
#include "input/editor_state.h"
#include "level/level_data.h"

// The map view's square and the label of the cell under the pointer.
constexpr PixelRect MapViewRect{0, 0, 640, 640};
constexpr PixelRect CursorCellLabelRect{500, 670, 600, 690};

// What the view shows: a level, seen with the scroll, zoom, hover and selection
// of an editor state. The editor passes its own; the level tool passes its own.
struct MapView {
    const Level& level;
    const EditorState& state;
};

// Fills building or unit `number` where any of it is in view; a number without a
// record draws nothing.
void DrawBuilding(Canvas& canvas, const MapView& view, int32_t number);
void DrawUnit(Canvas& canvas, const MapView& view, int32_t number);

// The terrain when a .map is loaded. On the object page also the crosses on marked
// cells, the objects, the grid, the label of the state's cursor cell and the two
// outlines; the information page shows the terrain alone.
void DrawMapView(Canvas& canvas, const MapView& view, bool objectPage);
