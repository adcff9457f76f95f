// The editor's load and save commands: the level pair Mnn.map and Mnn.edt in
// the working folder, read and written through level/, with the flags, the
// file names and the messages the user sees.
#pragma once

#include <cstdint>
#include <string_view>

#include "level/level_names.h"

// The names of the last load attempt: saving writes to these, whatever level
// number is shown now. Empty before the first load.
extern char mapFileName[LevelFileNameSize];
extern char edtFileName[LevelFileNameSize];
// The last load found the .map but refused it (its size does not fit the
// grid); saving leaves such a file alone.
extern bool mapFileRefused;

// Forgets the names and the refusal, as before the first load.
void ResetLevelFileNames();

// Reads the pair named by editorState.levelNumber into currentLevel: the .map
// into the grid and the starting position, the .edt into the mission
// information and the object tables. Either file may be missing; each is
// reported and the other is still tried.
void LoadLevel();

// Patches the starting position into the .map and rewrites the .edt from
// currentLevel, as named by the last LoadLevel. Nothing in memory changes.
void SaveLevel();

// Texts of the level file messages.
inline constexpr std::string_view MapOpenFailedText =
    "打开错误！        \n 请把本程序放在Tarnhold\\Data\\Levels里面才能正常启动！！！";
inline constexpr std::string_view EdtOpenFailedText =
    " Map打开错误！        !\n请将本程序放置到Tarnhold\\Data\\Levels里面才能正常启动！！.";
inline constexpr std::string_view MapNotSavedText = "Mapa nelze ulozit!";
inline constexpr std::string_view EdtNotSavedText = "Data mapy nelze ulozit!";
inline constexpr std::string_view LevelSavedText = "是否保存";

// Every level file message has this caption and the buttons OK and Cancel; the
// answer is not used.
void ShowLevelFileMessage(std::string_view text);
