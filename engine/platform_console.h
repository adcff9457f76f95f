// What a console program (the level tool) needs from the system beyond the C++
// library. One implementation per platform, in engine/posix and engine/win32.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The arguments after the program's name, in UTF-8 whatever the system's code
// page: on Windows from the UTF-16 command line rather than from argv.
std::vector<std::string> ArgumentsInUtf8(int argc, char** argv);

// Lets the console show the UTF-8 text the program writes, until it ends.
void ShowUtf8OnConsole();

}  // namespace platform
