// Entry point of the Windows build.
#include "engine/game_engine.h"
#include "engine/win32/win32_backend.h"

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int showCommand) {
    win32::showCommand = showCommand;
    return RunEditorProgram();
}
