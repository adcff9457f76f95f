// The editor's hooks: start-up, shutdown and the frame; the engine calls them.
#include <cstdlib>
#include <new>

#include "controls/control_list.h"
#include "controls/layout.h"
#include "draw/bitmap_catalogue.h"
#include "draw/frame.h"
#include "editor/editor.h"
#include "editor/editor_hooks.h"
#include "engine/platform.h"
#include "input/editor_state.h"
#include "input/frame_state.h"
#include "level/level_data.h"
#include "input/level_files.h"
#include "input/undo_history.h"

GameEngine* editorEngine = nullptr;
Canvas offscreenFrame;

namespace {
constexpr const char* EditorTitle = "Tarnhold地图编辑器（国外版）";
constexpr uint16_t LargeIconId = 1000;
constexpr uint16_t SmallIconId = 1001;
}  // namespace

bool EditorInitialize(InstanceHandle instance) {
    editorEngine = new (std::nothrow) GameEngine(instance, EditorTitle, EditorTitle, LargeIconId,
                                                 SmallIconId, ClientWidth, ClientHeight, editorHooks);
    if (editorEngine == nullptr) return false;
    editorEngine->SetFramesPerSecond(40);
    return true;
}

void OnStart(WindowHandle) {
    std::srand(platform::Ticks());
    offscreenFrame.Resize(editorEngine->ClientWidth(), editorEngine->ClientHeight());
    LoadBitmapCatalogue();
    ClearMapGrid(currentLevel);
    ResetEditorState();
    ClearUndoHistory();
    BuildLayout(editorState.cellSize, editorState.scrollX, editorState.scrollY, currentLevel.mapGrid.columns,
                currentLevel.mapGrid.rows);
    Repaint();
}

void OnEnd() {
    offscreenFrame = Canvas();
    FreeBitmapCatalogue();
    delete editorEngine;
    editorEngine = nullptr;
}

void ResetEditorGlobals() {
    OnEnd();  // the engine, the off-screen frame and the catalogue
    ResetLevelRecords(currentLevel);
    ResetLevelFileNames();
    ResetEditorState();
    ClearUndoHistory();
    ClearLayout();
}

void OnActivate(WindowHandle) {}
void OnDeactivate(WindowHandle) {}
void OnJoystick(uint16_t) {}
void OnFrame() {
    // The zoom keys' pacing reads the counter.
    if (++editorState.frameCount == FrameCountPeriod) editorState.frameCount = 0;
}

// What a click hits is what the last paint showed: the state the frame is drawn
// from is brought up to date first, and drawing itself changes nothing.
void OnPaint(Canvas& target) {
    PrepareFrameState();
    DrawFrame(target, {currentLevel, editorState, controlList});
    NameLimitTypeAfterPaint();
}

void Repaint() {
    if (offscreenFrame.IsEmpty()) return;
    OnPaint(offscreenFrame);
    platform::Present(offscreenFrame);
}
