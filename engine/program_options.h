// The program's command line: an optional --scale N and an optional folder to
// work in, in either order.
#pragma once

#include <string>
#include <vector>

struct ProgramOptions {
    int scale = 0;       // 1..4 from --scale; 0 when not given
    std::string folder;  // empty when not given
};

// Reads `arguments` (those after the program's name). False for anything else,
// with `problem` saying what is wrong in one line.
bool ParseProgramOptions(const std::vector<std::string>& arguments, ProgramOptions& options, std::string& problem);

// "usage: NAME [--scale N] [FOLDER]"
std::string UsageLine(const char* programName);
