// Entry point of the SDL build. A backend's main is the program itself, compiled
// into the executable alone, so it alone may name the editor above the engine.
#include <cstdio>
#include <string_view>

#include "editor/editor_hooks.h"
#include "engine/sdl/sdl_arguments.h"
#include "engine/version.h"

namespace {

// Answered before SDL starts, so it works without a display.
bool AnswerVersionRequest(int argc, char** argv) {
    for (int i = 1; i < argc; ++i)
        if (std::string_view(argv[i]) == "--version") {
            std::printf("tarnhold-editor %.*s\n", int(ProgramVersion.size()), ProgramVersion.data());
            return true;
        }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (AnswerVersionRequest(argc, argv)) return 0;
    sdl::KeepProgramArguments(argc, argv);
    return RunEditorProgram();
}
