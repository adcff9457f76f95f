// Undo, redo, save and delete from the keyboard. Undo, redo and delete first
// end a drag or the placing of a new object, which makes that edit a step of
// its own, so that the dragged object goes back, or the placed one goes away,
// with the next undo.
#include "input/key_presses.h"

#include "controls/control_ids.h"
#include "controls/control_list.h"
#include "input/commands.h"
#include "input/editor_state.h"
#include "input/mouse.h"
#include "input/undo_history.h"

namespace {

// What a click reaches is what the last paint showed; so do these keys.
bool ControlShown(int32_t id) {
    const Control* control = FindControl(id);
    return control != nullptr && control->IsVisible();
}

bool Undo() {
    const bool ended = EndObjectDrag();
    return UndoLastStep() || ended;
}

bool Redo() {
    const bool ended = EndObjectDrag();
    return RedoLastStep() || ended;
}

bool Save() {
    if (!ControlShown(SaveLevelId) || editorState.placing) return false;
    RunClickCommand(SaveLevelId);
    return true;
}

bool DeleteSelected() {
    if (!ControlShown(DeleteSelectedId)) return false;
    EndObjectDrag();
    FinishUndoableAction();
    RunClickCommand(DeleteSelectedId);
    FinishUndoableAction();
    return true;
}

}  // namespace

bool HandleKeyPress(platform::PressedKey key, bool ctrl, bool shift) {
    using platform::PressedKey;
    if (!ctrl) return key == PressedKey::Delete && DeleteSelected();
    switch (key) {
    case PressedKey::Z: return shift ? Redo() : Undo();
    case PressedKey::Y: return Redo();
    case PressedKey::S: return !shift && Save();
    case PressedKey::Delete: return false;
    }
    return false;
}
