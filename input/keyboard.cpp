// The keyboard poll. The arrows move the scroll thumbs exactly as the mouse
// does, so the thumbs and the view always agree; the keypad plus and minus
// run the zoom buttons' commands, even where those buttons are hidden.
#include "input/keyboard.h"

#include "controls/control_ids.h"
#include "engine/platform.h"
#include "input/commands.h"
#include "input/editor_state.h"
#include "input/view_commands.h"

namespace {

bool Held(platform::Key key) { return platform::IsKeyDown(key); }

void MoveHorizontalThumb(int32_t dx) {
    MoveHorizontalThumbBy(dx);
    editorState.needsRepaint = true;
}

void MoveVerticalThumb(int32_t dy) {
    MoveVerticalThumbBy(dy);
    editorState.needsRepaint = true;
}

// The gate closes whenever a zoom key acts, even when the zoom is already at
// its end and the command does nothing, so plus and minus held together give
// plus alone.
void ZoomKey(platform::Key key, int32_t commandId) {
    EditorState& state = editorState;
    if (!Held(key) || FramesBetween(state.lastZoomKeyFrame, state.frameCount) < ZoomKeyFrames) return;
    RunClickCommand(commandId);
    state.lastZoomKeyFrame = state.frameCount;
    state.needsRepaint = true;
}

}  // namespace

int32_t FramesBetween(int32_t earlier, int32_t later) {
    const int32_t frames = (later - earlier) % FrameCountPeriod;
    return frames < 0 ? frames + FrameCountPeriod : frames;
}

// A held arrow repaints every frame, even with its thumb at the end of the
// track; a frame with no key acting leaves the screen alone.
bool HandleKeys() {
    editorState.needsRepaint = false;
    if (Held(platform::Key::Left)) MoveHorizontalThumb(-ArrowKeyThumbStep);
    if (Held(platform::Key::Right)) MoveHorizontalThumb(ArrowKeyThumbStep);
    if (Held(platform::Key::Up)) MoveVerticalThumb(-ArrowKeyThumbStep);
    if (Held(platform::Key::Down)) MoveVerticalThumb(ArrowKeyThumbStep);
    ZoomKey(platform::Key::KeypadPlus, ZoomInId);
    ZoomKey(platform::Key::KeypadMinus, ZoomOutId);
    return editorState.needsRepaint;
}
