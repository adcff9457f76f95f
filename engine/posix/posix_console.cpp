// Console programs on POSIX systems: the arguments and the terminal are UTF-8
// already (or whatever the user's locale makes them, which we pass on as it is).
#ifndef _WIN32

#include "engine/platform_console.h"

namespace platform {

std::vector<std::string> ArgumentsInUtf8(int argc, char** argv) { return {argv + 1, argv + argc}; }

void ShowUtf8OnConsole() {}

}  // namespace platform

#endif  // _WIN32
