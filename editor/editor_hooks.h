// The editor's hooks: free functions with fixed names. The engine knows them only
// through the table the editor hands it when it creates the engine.
#pragma once

#include <cstdint>

#include "engine/canvas.h"
#include "engine/game_engine.h"

bool EditorInitialize(InstanceHandle instance);
void OnStart(WindowHandle window);
void OnEnd();
void OnActivate(WindowHandle window);
void OnDeactivate(WindowHandle window);
void OnPaint(Canvas& target);
void OnFrame();
void OnKeys();
void OnMouseDown(int x, int y, bool leftButton);
void OnMouseUp(int x, int y, bool leftButton);
void OnMouseMove(int x, int y);
void OnKeyPress(platform::PressedKey key, bool ctrl, bool shift);
void OnWheel(int notchesRight, int notchesDown, bool ctrl, bool shift);
void OnJoystick(uint16_t flags);

// Every hook above but EditorInitialize, as the engine calls them.
extern const EngineHooks editorHooks;

// The editor as a program: what every backend's main runs.
int RunEditorProgram();
