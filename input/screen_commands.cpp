// The screen commands: which page is up, and the panel area and captions that
// go with it.
#include "input/screen_commands.h"

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "input/editor_state.h"

namespace {
// The panel area is as tall as what it holds: the information page's first
// rows, the attribute rows of a selected object, or nothing.
constexpr Rect InfoPanelArea{670, 0, 940, 270};
constexpr Rect SelectionPanelArea{670, 0, 940, 385};
constexpr Rect EmptyPanelArea{670, 0, 940, 0};

void SetCaptionOf(int32_t id, const char* caption) {
    if (Control* control = FindControl(id)) control->SetCaption(caption);
}

void SetRectOf(int32_t id, const Rect& rect) {
    if (Control* control = FindControl(id)) control->SetRect(rect);
}

void EnterInfoPage() {
    editorState.infoMode = true;
    SetRectOf(PanelAreaId, InfoPanelArea);
    SetCaptionOf(PageSwitchId, ToObjectPageCaption);
    // The information page shows the whole map at the smallest zoom.
    editorState.cellSize = 10;
    ResetMapScroll();
}

void ReturnToObjectPage() {
    editorState.infoMode = false;
    SetCaptionOf(PageSwitchId, ToInfoPageCaption);
    SetRectOf(PanelAreaId, editorState.selectedIndex != 0 ? SelectionPanelArea : EmptyPanelArea);
}
}  // namespace

void SwitchEditorPage() {
    if (editorState.placing || !editorState.mapLoaded) return;
    if (editorState.infoMode) {
        ReturnToObjectPage();
    } else {
        EnterInfoPage();
    }
}

void ToggleHelp() {
    if (editorState.helpPage != 0) {
        editorState.helpPage = 0;
        SetCaptionOf(HelpButtonId, EnterHelpCaption);
    } else {
        editorState.helpPage = 1;
        SetCaptionOf(HelpButtonId, LeaveHelpCaption);
    }
}

// Painting offers "<--" only on page 2 and "-->" only on page 1; the steps hold
// to that themselves, so a stray click can never leave the help screen on a
// page that does not exist or open it from an editor page.
void PreviousHelpPage() {
    if (editorState.helpPage == 2) editorState.helpPage = 1;
}

void NextHelpPage() {
    if (editorState.helpPage == 1) editorState.helpPage = 2;
}
