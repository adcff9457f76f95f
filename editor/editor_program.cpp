// The editor as a program: the hooks the engine is handed, and the entry point.
#include "editor/editor_hooks.h"

const EngineHooks editorHooks{
    .onStart = OnStart,
    .onEnd = OnEnd,
    .onActivate = OnActivate,
    .onDeactivate = OnDeactivate,
    .onPaint = OnPaint,
    .onFrame = OnFrame,
    .onKeys = OnKeys,
    .onMouseDown = OnMouseDown,
    .onMouseUp = OnMouseUp,
    .onMouseMove = OnMouseMove,
    .onKeyPress = OnKeyPress,
    .onWheel = OnWheel,
    .onJoystick = OnJoystick,
};

int RunEditorProgram() { return RunProgram("tarnhold-editor", EditorInitialize, OnEnd); }
