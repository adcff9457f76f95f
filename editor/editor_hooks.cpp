// The editor's hooks: start-up, shutdown and the frame; the engine calls them.
#include <cstdlib>
#include <new>

#include "editor/editor.h"
#include "engine/platform.h"

GameEngine* editorEngine = nullptr;
Canvas offscreenFrame;

namespace {
constexpr const char* EditorTitle = "Tarnhold地图编辑器（国外版）";
constexpr uint16_t LargeIconId = 1000;
constexpr uint16_t SmallIconId = 1001;
constexpr Colour Background = Rgb(45, 50, 46);
}  // namespace

bool EditorInitialize(InstanceHandle instance) {
    editorEngine = new (std::nothrow) GameEngine(instance, EditorTitle, EditorTitle, LargeIconId,
                                                 SmallIconId, ClientWidth, ClientHeight);
    if (editorEngine == nullptr) return false;
    editorEngine->SetFramesPerSecond(40);
    return true;
}

void OnStart(WindowHandle) {
    std::srand(platform::Ticks());
    offscreenFrame.Resize(editorEngine->ClientWidth(), editorEngine->ClientHeight());
    Repaint();
}

void OnEnd() {
    offscreenFrame = Canvas();
    delete editorEngine;
    editorEngine = nullptr;
}

void OnActivate(WindowHandle) {}
void OnDeactivate(WindowHandle) {}
void OnJoystick(uint16_t) {}
void OnFrame() {}
void OnKeys() {}
void OnMouseDown(int, int, bool) { Repaint(); }
void OnMouseUp(int, int, bool) { Repaint(); }
void OnMouseMove(int, int) { Repaint(); }

void OnPaint(Canvas& target) { target.Fill(Background); }

void Repaint() {
    if (offscreenFrame.IsEmpty()) return;
    OnPaint(offscreenFrame);
    platform::Present(offscreenFrame);
}
