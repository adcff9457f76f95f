// The object list commands: delete all, delete the selected object, add a
// building or a unit.
#include "input/object_commands.h"

#include "engine/platform.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {
void ShowLimitMessage(std::string_view text) {
    platform::ShowMessageBox(text, LimitMessageCaption, platform::MessageButtons::OkCancel);
}

void ForgetHoverAndSelection() {
    editorState.selectedIndex = 0;
    editorState.hoverIndex = 0;
}

// The new object is selected and dragged without a button held; the next press
// in the map view puts it down.
void StartPlacing(int32_t number, bool isUnit) {
    editorState.placing = true;
    editorState.selectedIndex = number;
    editorState.selectedIsUnit = isUnit;
    editorState.hoverIsUnit = isUnit;
    editorState.dragIndex = number;
}
}  // namespace

void DeleteAllObjects() {
    if (editorState.placing) return;
    ForgetHoverAndSelection();
    currentLevel.unitCount = 0;
    currentLevel.buildingCount = 0;
}

void DeleteSelectedObject() {
    const int32_t selected = editorState.selectedIndex;
    // A selection outside its table would copy into nothing and leave a count
    // below the records it names; only the selection is dropped then.
    if (editorState.selectedIsUnit) {
        if (selected >= 1 && selected <= currentLevel.unitCount) {
            CopyUnit(currentLevel, selected, currentLevel.unitCount);
            --currentLevel.unitCount;
        }
    } else if (selected >= 1 && selected <= currentLevel.buildingCount) {
        CopyBuilding(currentLevel, selected, currentLevel.buildingCount);
        --currentLevel.buildingCount;
    }
    ForgetHoverAndSelection();
    editorState.placing = false;
}

void AddBuilding() {
    if (!editorState.edtLoaded) return;
    if (currentLevel.buildingCount > BuildingAddLimit) {
        ShowLimitMessage(BuildingLimitText);
        return;
    }
    const int32_t number = currentLevel.buildingCount + 1;
    currentLevel.buildingCount = number;
    CopyBuilding(currentLevel, number, number - 1);
    StartPlacing(number, false);
}

void AddUnit() {
    if (!editorState.edtLoaded) return;
    if (currentLevel.unitCount > UnitAddLimit) {
        ShowLimitMessage(UnitLimitText);
        return;
    }
    const int32_t number = currentLevel.unitCount + 1;
    currentLevel.unitCount = number;
    CopyUnit(currentLevel, number, number - 1);
    StartPlacing(number, true);
}
