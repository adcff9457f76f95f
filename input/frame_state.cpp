// The editor state a paint brings up to date, in the order painting always
// computed it.
#include "input/frame_state.h"

#include <iterator>

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "input/control_visibility.h"
#include "input/editor_state.h"
#include "input/panel_object.h"
#include "level/level_data.h"

namespace {

// Inside the view, strictly: a pointer on column or row 0 counts as outside.
void UpdateCursorCell() {
    EditorState& state = editorState;
    const int32_t x = state.lastMouseX, y = state.lastMouseY;
    if (x > 0 && x < MapViewSize && y > 0 && y < MapViewSize) {
        state.cursorCellX = x / state.cellSize + state.scrollX;
        state.cursorCellY = y / state.cellSize + state.scrollY;
    } else {
        state.cursorCellX = 0;
        state.cursorCellY = 0;
    }
}

// Indexed by limitType; another value leaves the caption as it was.
constexpr const char* LimitTypeNames[] = {"增援  ", "限时", "坚守.."};

}  // namespace

void PrepareFrameState() {
    const EditorState& state = editorState;
    const PanelObject object = PanelObjectOf(currentLevel, state);
    switch (ScreenOf(state)) {
    case HelpScreen:
        ShowHelpScreenControls(state.helpPage);
        break;
    case InfoPage:
        ShowEditorControls();
        ShowInformationPageControls();
        break;
    case ObjectPage:
        UpdateCursorCell();
        ShowEditorControls();
        ShowObjectPageControls(object);
        break;
    }
    if (!state.edtLoaded) HideControlsNeedingObjects();
}

void NameLimitTypeAfterPaint() {
    if (ScreenOf(editorState) != InfoPage) return;
    const LevelInfo& info = currentLevel.levelInfo;
    if (info.limitEnabled != 1 || info.limitType < 0 || info.limitType >= int32_t(std::size(LimitTypeNames))) return;
    if (Control* limitType = FindControl(LimitTypeId)) limitType->SetCaption(LimitTypeNames[info.limitType]);
}
