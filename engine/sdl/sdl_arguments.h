// The command line as main receives it, kept for platform::ProgramArguments. Apart
// from sdl_backend.h, since main must not see <SDL.h>, which may rename it.
#pragma once

namespace sdl {

// Keeps argv[1..argc-1], taken to be UTF-8 as the system's file names are.
void KeepProgramArguments(int argc, char** argv);

}  // namespace sdl
