// Entry point of the Windows build. A backend's main is the program itself, compiled
// into the executable alone, so it alone may name the editor above the engine.
#include "editor/editor_hooks.h"
#include "engine/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    if (win32::AnswerVersionRequest()) return 0;
    win32::showCommand = showCommand;
    win32::DeclareDpiAware();
    return RunEditorProgram();
}
