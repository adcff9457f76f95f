#include "level/level_names.h"

#include <algorithm>
#include <cstdio>
#include <cstring>

std::string LevelBaseName(int32_t levelNumber) {
    char base[16];
    std::snprintf(base, sizeof base, "M%02d", int(levelNumber));
    return base;
}

void BuildLevelFileName(char (&name)[LevelFileNameSize], int32_t levelNumber, const char* extension) {
    const std::string text = LevelBaseName(levelNumber) + std::string(extension).substr(0, 4);
    const size_t length = std::min(text.size(), sizeof name - 1);
    std::memcpy(name, text.data(), length);
    name[length] = '\0';
}

LevelPairPaths LevelPairIn(const std::string& folder, int32_t levelNumber) {
    const std::string base = LevelBaseName(levelNumber);
    const bool endsInSeparator = folder.ends_with('/') || folder.ends_with('\\');
    const std::string name = folder.empty() || folder == "." ? base : folder + (endsInSeparator ? "" : "/") + base;
    return {name + ".map", name + ".edt"};
}
