// The panel object, read from the selection and hover state.
#include "input/panel_object.h"

PanelObject PanelObjectOf(const Level& level, const EditorState& state) {
    PanelObject object;
    if (state.selectedIndex != 0) {
        object.number = state.selectedIndex;
        object.isUnit = state.selectedIsUnit;
        object.isSelected = true;
    } else if (state.hoverIndex != 0) {
        object.number = state.hoverIndex;
        object.isUnit = state.hoverIsUnit;
    } else {
        return object;
    }
    // A number past its table names no record; the panel then shows none of its rows.
    if (object.number > 0) {
        const size_t index = size_t(object.number);
        if (object.isUnit && index < level.units.size()) object.unit = &level.units[index];
        if (!object.isUnit && index < level.buildings.size()) object.building = &level.buildings[index];
    }
    return object;
}
