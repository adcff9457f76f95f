#include "level/edt_format.h"
#include "level/map_format.h"
#include "level_folder.h"

namespace {

using LoadLevelTest = LevelFolder;

// A level of 20 x 15 cells starting at pixel 100, 100, with one marked cell,
// three buildings and two units.
void WriteSampleLevel(const std::string& base) {
    ASSERT_TRUE(WriteWholeFile(base + ".map", MakeMapBytes(20, 15, 100, 100, [](int row, int column, uint8_t* r) {
        if (row == 2 && column == 3) r[0] = 255, r[10] = 1;
    })));
    LevelInfo info{};
    info.credits[0] = 5000;
    info.limitEnabled = 1;
    info.limitTime = 30;
    const std::vector<Building> objects = {BuildingOf(100, 2, 3), BuildingOf(25, 9, 9), BuildingOf(108, 10, 1)};
    const std::vector<Unit> troops = {Unit{7, 0, 12, 5}, Unit{40, 1, 1, 1}};
    ASSERT_TRUE(WriteWholeFile(base + ".edt", WriteEdt(info, objects, troops)));
}

TEST_F(LoadLevelTest, NamesComeFromTheLevelNumber) {
    const struct {
        int32_t number;
        const char* map;
        const char* edt;
    } cases[] = {{0, "M00.map", "M00.edt"}, {7, "M07.map", "M07.edt"}, {23, "M23.map", "M23.edt"}};
    for (const auto& c : cases) {
        LoadLevelNumber(c.number);
        EXPECT_STREQ(mapFileName, c.map);
        EXPECT_STREQ(edtFileName, c.edt);
    }
    char name[LevelFileNameSize];
    BuildLevelFileName(name, 12345, ".edt");
    EXPECT_STREQ(name, "M12345.");
}

TEST_F(LoadLevelTest, ReadsBothFilesOfThePair) {
    WriteSampleLevel("M03");
    editorState.scrollX = 7;
    editorState.scrollY = 8;
    LoadLevelNumber(3);
    EXPECT_TRUE(MessageTexts().empty());
    EXPECT_TRUE(editorState.mapLoaded);
    EXPECT_TRUE(editorState.edtLoaded);
    EXPECT_EQ(editorState.scrollX, 0);
    EXPECT_EQ(editorState.scrollY, 0);
    EXPECT_EQ(currentLevel.mapGrid.columns, 20);
    EXPECT_EQ(currentLevel.mapGrid.rows, 15);
    EXPECT_EQ(currentLevel.mapGrid.cells[2][3], 11);
    EXPECT_EQ(currentLevel.levelInfo.startX, 3);
    EXPECT_EQ(currentLevel.levelInfo.startY, 3);
    EXPECT_EQ(currentLevel.levelInfo.credits[0], 5000);
    EXPECT_EQ(currentLevel.levelInfo.limitTime, 30);
    ASSERT_EQ(currentLevel.buildingCount, 3);
    ASSERT_EQ(currentLevel.unitCount, 2);
    EXPECT_EQ(currentLevel.buildings[1].kind, 100);
    EXPECT_EQ(currentLevel.buildings[1].y, 3);
    EXPECT_EQ(currentLevel.buildings[3].kind, 108);
    EXPECT_EQ(currentLevel.units[1], (Unit{7, 0, 12, 5}));
    EXPECT_EQ(currentLevel.units[2], (Unit{40, 1, 1, 1}));
}

// The level in memory before a load that finds only part of its pair.
void PutPreviousLevel() {
    currentLevel.buildingCount = 2;
    currentLevel.buildings[1] = BuildingOf(101, 1, 1);
    currentLevel.buildings[2] = BuildingOf(104, 5, 5);
    currentLevel.unitCount = 1;
    currentLevel.units[1] = Unit{3, 1, 4, 4};
    currentLevel.levelInfo.credits[1] = 1200;
    currentLevel.levelInfo.startX = 2;
    currentLevel.levelInfo.startY = 4;
    currentLevel.mapGrid.cells[0][0] = 13;
}

TEST_F(LoadLevelTest, OnlyTheEdtPresent) {
    WriteSampleLevel("M05");
    std::filesystem::remove("M05.map");
    PutPreviousLevel();
    LoadLevelNumber(5);
    ASSERT_EQ(headless::Messages().size(), 1u);
    EXPECT_EQ(headless::Messages()[0].text, MapOpenFailedText);
    EXPECT_EQ(headless::Messages()[0].caption, " 返回 ");
    EXPECT_EQ(headless::Messages()[0].buttons, platform::MessageButtons::OkCancel);
    EXPECT_FALSE(editorState.mapLoaded);
    EXPECT_TRUE(editorState.edtLoaded);
    EXPECT_EQ(currentLevel.mapGrid.columns, 64);
    EXPECT_EQ(currentLevel.mapGrid.cells[0][0], 13);
    EXPECT_EQ(currentLevel.levelInfo.startX, 2) << "the start belongs to the .map";
    EXPECT_EQ(currentLevel.levelInfo.credits[1], 0);
    EXPECT_EQ(currentLevel.buildingCount, 3);
    EXPECT_EQ(currentLevel.unitCount, 2);
}

TEST_F(LoadLevelTest, OnlyTheMapPresentKeepsThePreviousObjects) {
    WriteSampleLevel("M05");
    std::filesystem::remove("M05.edt");
    PutPreviousLevel();
    LoadLevelNumber(5);
    EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(EdtOpenFailedText)});
    EXPECT_TRUE(editorState.mapLoaded);
    EXPECT_FALSE(editorState.edtLoaded);
    EXPECT_EQ(currentLevel.mapGrid.columns, 20);
    EXPECT_EQ(currentLevel.levelInfo.startX, 3);
    EXPECT_EQ(currentLevel.levelInfo.credits[1], 1200);
    EXPECT_EQ(currentLevel.buildingCount, 2);
    EXPECT_EQ(currentLevel.buildings[2].kind, 104);
    EXPECT_EQ(currentLevel.unitCount, 1);
}

TEST_F(LoadLevelTest, NeitherFileLeavesEverythingButTheFlags) {
    PutPreviousLevel();
    editorState.mapLoaded = editorState.edtLoaded = true;
    editorState.scrollX = 7;
    LoadLevelNumber(9);
    EXPECT_EQ(MessageTexts(), (std::vector<std::string>{std::string(MapOpenFailedText),
                                                         std::string(EdtOpenFailedText)}));
    EXPECT_FALSE(editorState.mapLoaded);
    EXPECT_FALSE(editorState.edtLoaded);
    EXPECT_EQ(editorState.scrollX, 7) << "the scroll is reset only after a file was read";
    EXPECT_EQ(currentLevel.buildingCount, 2);
    EXPECT_STREQ(edtFileName, "M09.edt");
}

struct RefusedMapCase {
    const char* what;
    Bytes bytes;
    const char* expectedText;
};

TEST_F(LoadLevelTest, MapOfAWrongSizeIsRefusedAndTheEdtStillLoads) {
    Bytes cut = MakeMapBytes(10, 10);
    cut.resize(10);
    const RefusedMapCase cases[] = {
        {"cut header", cut, "地图文件 M04.map 无法载入：\n文件只有 10 字节，连 18 字节的文件头都不完整。"},
        {"no columns", MakeMapBytes(0, 12),
         "地图文件 M04.map 无法载入：\n地图大小为 0 x 12 格（列 x 行），列数和行数都不能为 0。"},
        {"no rows", MakeMapBytes(12, 0),
         "地图文件 M04.map 无法载入：\n地图大小为 12 x 0 格（列 x 行），列数和行数都不能为 0。"},
        {"too wide", MakeMapBytes(97, 10),
         "地图文件 M04.map 无法载入：\n地图大小为 97 x 10 格（列 x 行），最大只能是 96 x 80 格。"},
        {"too high", MakeMapBytes(10, 81),
         "地图文件 M04.map 无法载入：\n地图大小为 10 x 81 格（列 x 行），最大只能是 96 x 80 格。"},
    };
    for (const RefusedMapCase& c : cases) {
        SCOPED_TRACE(c.what);
        ResetEverything();
        WriteSampleLevel("M04");
        ASSERT_TRUE(WriteWholeFile("M04.map", c.bytes));
        PutPreviousLevel();
        editorState.scrollX = 7;
        LoadLevelNumber(4);
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{c.expectedText});
        EXPECT_FALSE(editorState.mapLoaded);
        EXPECT_TRUE(editorState.edtLoaded);
        EXPECT_EQ(currentLevel.mapGrid.columns, 64);
        EXPECT_EQ(currentLevel.mapGrid.rows, 64);
        EXPECT_EQ(currentLevel.mapGrid.cells[0][0], 13);
        EXPECT_EQ(currentLevel.levelInfo.startX, 2);
        EXPECT_EQ(currentLevel.levelInfo.startY, 4);
        EXPECT_EQ(currentLevel.buildingCount, 3);
        EXPECT_EQ(editorState.scrollX, 0) << "reset after the .edt";

        // Saving leaves the refused file alone and still writes the .edt.
        headless::ClearMessages();
        SaveLevel();
        EXPECT_EQ(MessageTexts(), (std::vector<std::string>{std::string(MapNotSavedText),
                                                             std::string(LevelSavedText)}));
        EXPECT_EQ(ReadWholeFile("M04.map"), c.bytes);
    }
}

TEST_F(LoadLevelTest, LargestMapFillsTheWholeGrid) {
    ASSERT_TRUE(WriteWholeFile("M01.map", MakeMapBytes(96, 80, 0, 0, [](int row, int column, uint8_t* r) {
        if (row == 79 && column == 95) r[4] = 251;
    })));
    LoadLevelNumber(1);
    EXPECT_TRUE(editorState.mapLoaded);
    EXPECT_EQ(currentLevel.mapGrid.columns, 96);
    EXPECT_EQ(currentLevel.mapGrid.rows, 80);
    EXPECT_EQ(currentLevel.mapGrid.cells[79][95], 2);
}

TEST_F(LoadLevelTest, LoadingReplacesTheTablesAndTakesAnyNumberOfRecords) {
    const std::vector<Building> many(400, BuildingOf(25, 1, 1));
    const std::vector<Unit> troops(80, Unit{1, 0, 2, 2});
    ASSERT_TRUE(WriteWholeFile("M02.edt", WriteEdt(LevelInfo{}, many, troops)));
    LoadLevelNumber(2);
    EXPECT_EQ(currentLevel.buildingCount, 400);
    EXPECT_EQ(currentLevel.unitCount, 80);
    EXPECT_EQ(currentLevel.buildings[400].kind, 25);
    EXPECT_EQ(currentLevel.units[80].kind, 1);

    ASSERT_TRUE(WriteWholeFile("M02.edt", WriteEdt(LevelInfo{}, std::vector<Building>(1, BuildingOf(106, 0, 0)), {})));
    LoadLevelNumber(2);
    EXPECT_EQ(currentLevel.buildingCount, 1);
    EXPECT_EQ(currentLevel.unitCount, 0);
    EXPECT_EQ(currentLevel.buildings[1].kind, 106);
}

TEST_F(LoadLevelTest, DamagedEdtLoadsTheRecordsItHolds) {
    WriteSampleLevel("M06");
    Bytes edt = ReadWholeFile("M06.edt");
    const struct {
        size_t length;
        int32_t buildings, units;
    } cases[] = {{0, 0, 0}, {100, 0, 0}, {376, 0, 0}, {376 + 76 + 30, 1, 0}, {376 + 228 + 25, 3, 1}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.length);
        ASSERT_TRUE(WriteWholeFile("M06.edt", Bytes(edt.begin(), edt.begin() + long(c.length))));
        LoadLevelNumber(6);
        EXPECT_TRUE(editorState.edtLoaded);
        EXPECT_EQ(currentLevel.buildingCount, c.buildings);
        EXPECT_EQ(currentLevel.unitCount, c.units);
    }
}

}  // namespace
