// SaveLevel: the starting position into the .map, the rest of the level into a
// new .edt. A save either completes or leaves the old .edt as it was, and says
// which.
#include <algorithm>
#include <array>
#include <cstdio>
#include <span>
#include <vector>

#include "engine/platform_files.h"
#include "level/edt_format.h"
#include "input/editor_state.h"
#include "level/level_data.h"
#include "level/level_files.h"
#include "level/map_format.h"

// Only a .map that still has its whole header is patched, so a file is never
// lengthened with zeros.
bool PatchMapFileStart(const char* path, int32_t startX, int32_t startY) {
    std::FILE* file = std::fopen(path, "r+b");
    if (file == nullptr) return false;
    const std::array<uint8_t, 4> start = MapStartBytes(startX, startY);
    bool patched = std::fseek(file, 0, SEEK_END) == 0 && std::ftell(file) >= long(MapHeaderSize) &&
                   std::fseek(file, MapStartXOffset, SEEK_SET) == 0 && std::fputc(start[0], file) != EOF &&
                   std::fputc(start[1], file) != EOF &&
                   std::fseek(file, MapStartYOffset - MapStartXOffset - 2, SEEK_CUR) == 0 &&
                   std::fputc(start[2], file) != EOF && std::fputc(start[3], file) != EOF && std::fflush(file) == 0;
    patched = std::fclose(file) == 0 && patched;
    return patched;
}

namespace {

bool PatchMapFile() {
    if (mapFileName[0] == '\0' || mapFileRefused) return false;
    return PatchMapFileStart(mapFileName, currentLevel.levelInfo.startX, currentLevel.levelInfo.startY);
}

}  // namespace

void SaveLevel() {
    if (!PatchMapFile()) ShowLevelFileMessage(MapNotSavedText);

    const std::vector<uint8_t> bytes =
        WriteEdt(currentLevel.levelInfo, LevelBuildings(currentLevel), LevelUnits(currentLevel));
    if (!platform::ReplaceFileDurably(edtFileName, bytes)) {
        ShowLevelFileMessage(EdtNotSavedText);
        return;
    }
    ShowLevelFileMessage(LevelSavedText);
}
