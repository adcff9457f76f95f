// Mouse editing. Every mouse event asks for a repaint, so the screen always
// shows the state the event left.
#include "input/mouse.h"

#include <algorithm>

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "input/commands.h"
#include "input/editor_state.h"
#include "input/undo_history.h"
#include "input/view_commands.h"
#include "level/level_data.h"

namespace {
// Positions come as 16-bit client pixels; a backend that reports the pointer
// beyond the window's edges while a button is held must not bring in others.
constexpr int MaxClientCoordinate = 65535;
int32_t ClientCoordinate(int value) { return std::clamp(value, 0, MaxClientCoordinate); }

bool InMapView(int32_t x, int32_t y) { return x < MapViewSize && y < MapViewSize; }

bool IsBuildingNumber(int32_t n) {
    return n >= 1 && n <= currentLevel.buildingCount && size_t(n) < currentLevel.buildings.size();
}

bool IsUnitNumber(int32_t n) { return n >= 1 && n <= currentLevel.unitCount && size_t(n) < currentLevel.units.size(); }

bool ThumbShown(int32_t id) {
    const Control* thumb = FindControl(id);
    return thumb != nullptr && thumb->IsVisible();
}

void GrabThumb(int32_t x, int32_t y) {
    const int32_t id = controlList.ControlAt(x, y);
    if (id == HorizontalThumbId && ThumbShown(id)) editorState.thumbDrag = 1;
    if (id == VerticalThumbId && ThumbShown(id)) editorState.thumbDrag = 2;
}

int32_t CellColumn(int32_t x) { return x / editorState.cellSize + editorState.scrollX; }
int32_t CellRow(int32_t y) { return y / editorState.cellSize + editorState.scrollY; }

// A press in the map view selects what is hovered and starts dragging it; the
// press that ends placing leaves the object hovered instead of selected.
void PressInMapView(int32_t x, int32_t y) {
    EditorState& state = editorState;
    const bool placedIsUnit = state.selectedIsUnit;
    state.selectedIndex = state.hoverIndex;
    state.selectedIsUnit = state.hoverIsUnit;
    if (state.selectedIndex != 0) state.dragIndex = state.selectedIndex;
    if (state.placing) {
        // Nothing hovered: the new object is still the one dragged, so its own
        // table must stay the drag's, not that of whatever was hovered last.
        if (state.selectedIndex == 0) state.selectedIsUnit = placedIsUnit;
        state.hoverIndex = state.selectedIndex;
        state.selectedIndex = 0;
    }
    state.placing = false;
    if (!state.selectedIsUnit && IsBuildingNumber(state.dragIndex)) {
        const Building& building = currentLevel.buildings[size_t(state.dragIndex)];
        state.grabOffsetX = CellColumn(x) - building.x;
        state.grabOffsetY = CellRow(y) - building.y;
    } else {
        state.grabOffsetX = 0;
        state.grabOffsetY = 0;
    }
}

// Where an object of `size` cells wanted at cell `wanted` may stand: inside the
// part of the map the view shows, which ends at the view's edge or, on a map
// smaller than the view, at the map's.
int32_t KeptInView(int32_t wanted, int32_t scroll, int32_t mapCells, int32_t size) {
    const int32_t shownEnd = std::min(scroll + VisibleCells(), mapCells);
    const int32_t last = shownEnd - size;
    const int32_t fromStart = std::max(scroll, wanted);
    return std::max(0, fromStart < last ? fromStart : last);
}

void MoveDraggedObject(int32_t x, int32_t y) {
    const EditorState& state = editorState;
    if (!state.selectedIsUnit) {
        if (!IsBuildingNumber(state.dragIndex)) return;
        Building& building = currentLevel.buildings[size_t(state.dragIndex)];
        building.x = KeptInView(CellColumn(x) - state.grabOffsetX, state.scrollX, currentLevel.mapGrid.columns,
                                building.width);
        building.y = KeptInView(CellRow(y) - state.grabOffsetY, state.scrollY, currentLevel.mapGrid.rows,
                                building.height);
    } else {
        if (!IsUnitNumber(state.dragIndex)) return;
        Unit& unit = currentLevel.units[size_t(state.dragIndex)];
        unit.x = KeptInView(CellColumn(x), state.scrollX, currentLevel.mapGrid.columns, 1);
        unit.y = KeptInView(CellRow(y), state.scrollY, currentLevel.mapGrid.rows, 1);
    }
}
}  // namespace

void UpdateHover() {
    EditorState& state = editorState;
    bool found = false;
    for (int32_t i = 1; IsUnitNumber(i); ++i) {
        const Unit& unit = currentLevel.units[size_t(i)];
        if (unit.x != state.cursorCellX || unit.y != state.cursorCellY) continue;
        if (!state.leftDown) {
            state.hoverIndex = i;
            state.hoverIsUnit = true;
            found = true;
        }
        state.needsRepaint = true;
    }
    if (found) return;
    for (int32_t i = 1; IsBuildingNumber(i) && !state.leftDown; ++i) {
        const Building& building = currentLevel.buildings[size_t(i)];
        if (building.x <= state.cursorCellX && state.cursorCellX < building.x + building.width &&
            building.y <= state.cursorCellY && state.cursorCellY < building.y + building.height) {
            state.hoverIndex = i;
            state.hoverIsUnit = false;
            found = true;
        }
    }
    if (!found) state.hoverIndex = 0;
    state.needsRepaint = true;
}

bool HandleMouseDown(int pointerX, int pointerY, bool leftButton) {
    if (leftButton) {
        const int32_t x = ClientCoordinate(pointerX);
        const int32_t y = ClientCoordinate(pointerY);
        editorState.leftDown = true;
        // The thumb is grabbed before the click, so a press on it holds it
        // rather than centring it.
        GrabThumb(x, y);
        RunClickCommand(controlList.ClickAt(x, y));
        if (InMapView(x, y)) PressInMapView(x, y);
    }
    // A drag, or an object being placed, becomes a step when it ends.
    FinishUndoableAction();
    return true;
}

bool HandleMouseUp(int pointerX, int pointerY, bool leftButton) {
    editorState.thumbDrag = 0;
    // While placing, the new object keeps following the pointer after the
    // release of the add button.
    if (!editorState.placing) {
        editorState.dragIndex = -1;
        editorState.grabOffsetX = 0;
        editorState.grabOffsetY = 0;
    }
    if (leftButton) editorState.leftDown = false;
    const bool repaint = HandleMouseMove(pointerX, pointerY);
    FinishUndoableAction();
    return repaint;
}

bool HandleMouseMove(int pointerX, int pointerY) {
    EditorState& state = editorState;
    const int32_t x = ClientCoordinate(pointerX);
    const int32_t y = ClientCoordinate(pointerY);
    state.needsRepaint = false;
    if (state.thumbDrag == 1) {
        if (Control* thumb = FindControl(HorizontalThumbId)) {
            thumb->MoveWithinRange(x - state.lastMouseX, y - state.lastMouseY);
        }
        ScrollXFromThumb();
        state.needsRepaint = true;
    }
    if (state.thumbDrag == 2) {
        if (Control* thumb = FindControl(VerticalThumbId)) {
            thumb->MoveWithinRange(x - state.lastMouseX, y - state.lastMouseY);
        }
        ScrollYFromThumb();
        state.needsRepaint = true;
    }
    if (state.dragIndex != -1) {
        MoveDraggedObject(x, y);
        state.needsRepaint = true;
    }
    UpdateHover();
    state.lastMouseX = x;
    state.lastMouseY = y;
    return state.needsRepaint;
}

bool EndObjectDrag() {
    EditorState& state = editorState;
    if (!state.placing && state.dragIndex == -1) return false;
    state.placing = false;
    state.dragIndex = -1;
    state.grabOffsetX = 0;
    state.grabOffsetY = 0;
    return true;
}
