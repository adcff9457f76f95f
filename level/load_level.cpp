// LoadLevel: the level pair from the working folder into the level records.
// Each file is read whole and parsed before anything in memory changes.
#include <algorithm>
#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "engine/platform.h"
#include "input/editor_state.h"
#include "level/edt_format.h"
#include "level/level_data.h"
#include "level/level_files.h"
#include "level/map_format.h"

char mapFileName[LevelFileNameSize] = "";
char edtFileName[LevelFileNameSize] = "";
bool mapFileRefused = false;

void ResetLevelFileNames() {
    mapFileName[0] = '\0';
    edtFileName[0] = '\0';
    mapFileRefused = false;
}

void ShowLevelFileMessage(std::string_view text) {
    platform::ShowMessageBox(text, " 返回 ", platform::MessageButtons::OkCancel);
}

namespace {

bool ReadWholeFile(const char* name, std::vector<uint8_t>& bytes) {
    bytes.clear();
    std::FILE* file = std::fopen(name, "rb");
    if (file == nullptr) return false;
    uint8_t block[4096];
    size_t count;
    while ((count = std::fread(block, 1, sizeof block, file)) > 0) bytes.insert(bytes.end(), block, block + count);
    const bool intact = std::ferror(file) == 0;
    std::fclose(file);
    return intact;
}

std::string MapRefusedText(MapSizeCheck check, size_t fileSize, const MapHeader& header) {
    std::string text = std::string("地图文件 ") + mapFileName + " 无法载入：\n";
    const std::string size = std::to_string(header.columns) + " x " + std::to_string(header.rows);
    switch (check) {
        case MapSizeCheck::HeaderCut:
            return text + "文件只有 " + std::to_string(fileSize) + " 字节，连 " + std::to_string(MapHeaderSize) +
                   " 字节的文件头都不完整。";
        case MapSizeCheck::NoCells:
            return text + "地图大小为 " + size + " 格（列 x 行），列数和行数都不能为 0。";
        case MapSizeCheck::TooLarge:
        case MapSizeCheck::Fits:
            break;
    }
    return text + "地图大小为 " + size + " 格（列 x 行），最大只能是 " + std::to_string(MapGridColumns) + " x " +
           std::to_string(MapGridRows) + " 格。";
}

void LoadMap(const std::vector<uint8_t>& bytes) {
    // ParseMap checks the size before it writes, so a refused file changes nothing.
    MapHeader header;
    const MapSizeCheck check = ParseMap(bytes, header, currentLevel.mapGrid);
    if (check != MapSizeCheck::Fits) {
        mapFileRefused = true;
        ShowLevelFileMessage(MapRefusedText(check, bytes.size(), header));
        return;
    }
    currentLevel.levelInfo.startX = header.startX;
    currentLevel.levelInfo.startY = header.startY;
    editorState.mapLoaded = true;
    ResetMapScroll();
}

// Loading replaces the tables, their counts and the mission information; the
// starting position belongs to the .map.
void LoadEdt(const std::vector<uint8_t>& bytes) {
    EdtContents contents = ParseEdt(bytes);
    contents.info.startX = currentLevel.levelInfo.startX;
    contents.info.startY = currentLevel.levelInfo.startY;
    currentLevel.levelInfo = contents.info;

    SetLevelObjects(currentLevel, contents.buildings, contents.units);

    editorState.edtLoaded = true;
    ResetMapScroll();
}

}  // namespace

void LoadLevel() {
    editorState.mapLoaded = false;
    editorState.edtLoaded = false;
    mapFileRefused = false;
    std::vector<uint8_t> bytes;

    BuildLevelFileName(mapFileName, editorState.levelNumber, ".map");
    if (ReadWholeFile(mapFileName, bytes))
        LoadMap(bytes);
    else
        ShowLevelFileMessage(MapOpenFailedText);

    BuildLevelFileName(edtFileName, editorState.levelNumber, ".edt");
    if (ReadWholeFile(edtFileName, bytes))
        LoadEdt(bytes);
    else
        ShowLevelFileMessage(EdtOpenFailedText);
}
