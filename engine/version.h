// The release's version, "1.0.0": set once, by project() in CMakeLists.txt, and
// printed by --version of the editor and the level tool. The About line on the
// help screen names its first two numbers.
#pragma once

#include <string_view>

inline constexpr std::string_view ProgramVersion = TARNHOLD_VERSION;
