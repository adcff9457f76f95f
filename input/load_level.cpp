// LoadLevel: the level pair from the working folder into currentLevel.
#include <string>

#include "engine/platform.h"
#include "input/editor_state.h"
#include "input/level_files.h"
#include "level/pair_reading.h"

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

std::string MapRefusedMessage(const MapReadReport& map) {
    std::string text = std::string("地图文件 ") + mapFileName + " 无法载入：\n";
    const std::string size = std::to_string(map.header.columns) + " x " + std::to_string(map.header.rows);
    switch (map.check) {
        case MapSizeCheck::HeaderCut:
            return text + "文件只有 " + std::to_string(map.size) + " 字节，连 " + std::to_string(MapHeaderSize) +
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

}  // namespace

// The files are read one after the other, each reported before the next is
// opened, and the scroll is reset after each file that was read.
void LoadLevel() {
    editorState.mapLoaded = false;
    editorState.edtLoaded = false;
    mapFileRefused = false;

    BuildLevelFileName(mapFileName, editorState.levelNumber, ".map");
    const MapReadReport map = ReadMapFile(currentLevel, std::string(mapFileName));
    if (map.Taken()) {
        editorState.mapLoaded = true;
        ResetMapScroll();
    } else if (map.Refused()) {
        mapFileRefused = true;
        ShowLevelFileMessage(MapRefusedMessage(map));
    } else {
        ShowLevelFileMessage(MapOpenFailedText);
    }

    BuildLevelFileName(edtFileName, editorState.levelNumber, ".edt");
    const EdtReadReport edt = ReadEdtFile(currentLevel, std::string(edtFileName));
    if (edt.Read()) {
        editorState.edtLoaded = true;
        ResetMapScroll();
    } else {
        ShowLevelFileMessage(EdtOpenFailedText);
    }
}
