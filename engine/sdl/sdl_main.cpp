// Entry point of the SDL build. A backend's main is the program itself, compiled
// into the executable alone, so it alone may name the editor above the engine.
#include "editor/editor_hooks.h"
#include "engine/sdl/sdl_arguments.h"

int main(int argc, char** argv) {
    sdl::KeepProgramArguments(argc, argv);
    return RunEditorProgram();
}
