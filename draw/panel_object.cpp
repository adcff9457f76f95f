// The panel object, read from the selection and hover state.
#include "draw/panel_object.h"

#include "input/editor_state.h"

PanelObject CurrentPanelObject() {
    PanelObject object;
    if (editorState.selectedIndex != 0) {
        object.number = editorState.selectedIndex;
        object.isUnit = editorState.selectedIsUnit;
        object.isSelected = true;
    } else if (editorState.hoverIndex != 0) {
        object.number = editorState.hoverIndex;
        object.isUnit = editorState.hoverIsUnit;
    } else {
        return object;
    }
    // A number past its table names no record; the panel then shows none of its rows.
    if (object.number > 0) {
        const size_t index = size_t(object.number);
        if (object.isUnit && index < currentLevel.units.size()) object.unit = &currentLevel.units[index];
        if (!object.isUnit && index < currentLevel.buildings.size()) object.building = &currentLevel.buildings[index];
    }
    return object;
}
