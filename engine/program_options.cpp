// Reading the command line.
#include "engine/program_options.h"

#include "engine/window_scale.h"

bool ParseProgramOptions(const std::vector<std::string>& arguments, ProgramOptions& options, std::string& problem) {
    options = {};
    const std::string scaleRange = "a whole number from 1 to " + std::to_string(LargestRequestedScale);
    for (size_t i = 0; i < arguments.size(); ++i) {
        const std::string& argument = arguments[i];
        if (argument == "--scale") {
            if (options.scale != 0) {
                problem = "--scale is given twice";
                return false;
            }
            if (i + 1 == arguments.size()) {
                problem = "--scale needs " + scaleRange;
                return false;
            }
            const std::string& value = arguments[++i];
            if (value.size() != 1 || value[0] < '1' || value[0] > '0' + LargestRequestedScale) {
                problem = "--scale takes " + scaleRange + ", not '" + value + "'";
                return false;
            }
            options.scale = value[0] - '0';
        } else if (argument.size() > 1 && argument[0] == '-') {
            problem = "unknown option '" + argument + "'";
            return false;
        } else if (!options.folder.empty()) {
            problem = "one folder only, but both '" + options.folder + "' and '" + argument + "' are given";
            return false;
        } else if (argument.empty()) {
            problem = "the folder's name is empty";
            return false;
        } else {
            options.folder = argument;
        }
    }
    return true;
}

std::string UsageLine(const char* programName) {
    return std::string("usage: ") + programName + " [--scale N] [FOLDER]";
}
