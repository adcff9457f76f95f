// tarnhold-level: the level tool's command line; see `tarnhold-level --help`.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "engine/platform_console.h"
#include "tools/level_tool/command_line.h"

int main(int argc, char** argv) {
    try {
        platform::ShowUtf8OnConsole();
        return RunLevelTool(platform::ArgumentsInUtf8(argc, argv), std::cin, std::cout, std::cerr);
    } catch (const std::exception& error) {
        // Only running out of memory should get here.
        std::cerr << "tarnhold-level: " << error.what() << "\n";
        return Failed;
    }
}
