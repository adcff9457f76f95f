// The editor's level and state, the screen the state implies, and the scroll
// reset after loading a level or entering the information page.
#include "input/editor_state.h"

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "controls/scroll_thumbs.h"
#include "level/level_data.h"

EditorState editorState;
Level currentLevel;

Screen ScreenOf(const EditorState& state) {
    if (state.helpPage != 0) return HelpScreen;
    return state.infoMode ? InfoPage : ObjectPage;
}

void ResetMapScroll() {
    editorState.scrollX = 0;
    editorState.scrollY = 0;
    const int32_t cellSize = editorState.cellSize;
    if (Control* thumb = controlList.FindControl(HorizontalThumbId)) {
        thumb->SetRect(HorizontalThumbRect(0, ScrollThumbLength(cellSize, currentLevel.mapGrid.columns)));
    }
    if (Control* thumb = controlList.FindControl(VerticalThumbId)) {
        thumb->SetRect(VerticalThumbRect(0, ScrollThumbLength(cellSize, currentLevel.mapGrid.rows)));
    }
}

void ResetEditorState() { editorState = EditorState{}; }
