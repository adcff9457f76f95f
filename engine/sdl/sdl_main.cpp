// Entry point of the SDL build.
#include "engine/game_engine.h"

int main() { return RunEditorProgram(); }
