// tarnhold-level: the level tool's command line; see `tarnhold-level --help`.
#include <exception>
#include <iostream>
#include <string>
#include <vector>

#include "tools/level_tool/command_line.h"

int main(int argc, char** argv) {
    try {
        const std::vector<std::string> arguments(argv + 1, argv + argc);
        return RunLevelTool(arguments, std::cin, std::cout, std::cerr);
    } catch (const std::exception& error) {
        // Only running out of memory should get here.
        std::cerr << "tarnhold-level: " << error.what() << "\n";
        return Failed;
    }
}
