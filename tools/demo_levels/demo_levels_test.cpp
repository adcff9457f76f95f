// The demo folder as the editor sees it: every level loads without a word,
// holds what the demo promises, and comes back unchanged from a save.
#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <utility>

#include "input/editor_state.h"
#include "input/level_files.h"
#include "level/edt_format.h"
#include "level/kind_rules.h"
#include "level/level_data.h"
#include "level/map_format.h"
#include "level_folder.h"
#include "tools/demo_levels/demo_levels.h"
#include "tools/demo_levels/demo_terrain.h"

namespace {

using KindOnSide = std::pair<int32_t, int32_t>;

struct FolderSummary {
    std::set<KindOnSide> buildingKinds;
    std::set<KindOnSide> unitKinds;
    std::set<int32_t> limitsSeen;  // limitEnabled values
    std::set<int32_t> credits;
};

std::string Name(int number, const char* extension) {
    char name[LevelFileNameSize];
    BuildLevelFileName(name, number, extension);
    return name;
}

// Buildings inside the map and apart, units on distinct cells off them, none
// of them in a lake. Says what is wrong with the first object that is.
std::string ObjectsStandApart() {
    std::vector<int> taken(size_t(currentLevel.mapGrid.columns) * size_t(currentLevel.mapGrid.rows), 0);
    auto cell = [&](int column, int row) -> int& { return taken[size_t(row) * size_t(currentLevel.mapGrid.columns) + size_t(column)]; };
    auto where = [](const char* what, int32_t n, int column, int row) {
        return std::string(what) + " " + std::to_string(n) + " at " + std::to_string(column) + "," + std::to_string(row);
    };
    for (int32_t n = 1; n <= currentLevel.buildingCount; ++n) {
        const Building& b = currentLevel.buildings[size_t(n)];
        if (b.x < 0 || b.y < 1 || b.x + b.width > currentLevel.mapGrid.columns || b.y + b.height > currentLevel.mapGrid.rows)
            return where("building off the map:", n, b.x, b.y);
        for (int row = b.y; row < b.y + b.height; ++row)
            for (int column = b.x; column < b.x + b.width; ++column) {
                if (cell(column, row)++ != 0) return where("overlapping building", n, column, row);
                if (ShadeOf(currentLevel.mapGrid.cells[row][column]) == WaterShade) return where("building in water:", n, column, row);
            }
    }
    for (int32_t n = 1; n <= currentLevel.unitCount; ++n) {
        const Unit& u = currentLevel.units[size_t(n)];
        if (u.x < 0 || u.y < 0 || u.x >= currentLevel.mapGrid.columns || u.y >= currentLevel.mapGrid.rows) return where("unit off the map:", n, u.x, u.y);
        if (cell(u.x, u.y)++ != 0) return where("unit on a taken cell:", n, u.x, u.y);
        if (ShadeOf(currentLevel.mapGrid.cells[u.y][u.x]) == WaterShade) return where("unit in water:", n, u.x, u.y);
    }
    return "";
}

void ExpectTerrainHasEveryShadeAndRoads(int number) {
    std::set<int32_t> shades;
    bool road = false;
    for (int row = 0; row < currentLevel.mapGrid.rows; ++row)
        for (int column = 0; column < currentLevel.mapGrid.columns; ++column) {
            shades.insert(ShadeOf(currentLevel.mapGrid.cells[row][column]));
            road = road || IsRoadCell(currentLevel.mapGrid.cells[row][column]);
        }
    EXPECT_EQ(shades, (std::set<int32_t>{0, 1, 2, 3})) << "M" << number;
    EXPECT_TRUE(road) << "M" << number;
}

class DemoLevels : public LevelFolder {};

TEST_F(DemoLevels, EveryLevelLoadsHoldsItsObjectsAndSavesUnchanged) {
    const DemoFolderReport report = WriteDemoLevelFolder(folder, false);
    ASSERT_EQ(report.failure, "");
    ASSERT_EQ(report.levelsWritten, DemoLevelCount);

    FolderSummary summary;
    int largest = -1, smallest = -1;
    std::pair<int32_t, int32_t> smallestSize;
    for (int number = 0; number < DemoLevelCount; ++number) {
        SCOPED_TRACE("M" + std::to_string(number));
        LoadLevelNumber(number);
        ASSERT_EQ(MessageTexts(), std::vector<std::string>{});
        ASSERT_TRUE(editorState.mapLoaded && editorState.edtLoaded);

        const int area = currentLevel.mapGrid.columns * currentLevel.mapGrid.rows;
        if (largest < 0 || area > largest) largest = area;
        if (smallest < 0 || area < smallest) {
            smallest = area;
            smallestSize = {currentLevel.mapGrid.columns, currentLevel.mapGrid.rows};
        }
        if (currentLevel.mapGrid.columns == MapGridColumns && currentLevel.mapGrid.rows == MapGridRows) {
            EXPECT_EQ(currentLevel.buildingCount, BuildingAddLimit + 1);
            EXPECT_EQ(currentLevel.unitCount, UnitAddLimit + 1);
        }
        EXPECT_LE(currentLevel.levelInfo.startX, currentLevel.mapGrid.columns - 20);
        EXPECT_LE(currentLevel.levelInfo.startY, currentLevel.mapGrid.rows - 15);
        EXPECT_EQ(ObjectsStandApart(), "");
        ExpectTerrainHasEveryShadeAndRoads(number);
        for (int32_t n = 1; n <= currentLevel.buildingCount; ++n)
            summary.buildingKinds.insert({currentLevel.buildings[size_t(n)].kind, currentLevel.buildings[size_t(n)].side});
        for (int32_t n = 1; n <= currentLevel.unitCount; ++n) summary.unitKinds.insert({currentLevel.units[size_t(n)].kind, currentLevel.units[size_t(n)].side});
        summary.limitsSeen.insert(currentLevel.levelInfo.limitEnabled);
        summary.credits.insert(currentLevel.levelInfo.credits[0]);

        const Bytes map = ReadWholeFile(Name(number, ".map"));
        const Bytes edt = ReadWholeFile(Name(number, ".edt"));
        SaveLevel();
        EXPECT_EQ(MessageTexts(), std::vector<std::string>{std::string(LevelSavedText)});
        EXPECT_TRUE(ReadWholeFile(Name(number, ".map")) == map) << "the .map changed";
        EXPECT_TRUE(ReadWholeFile(Name(number, ".edt")) == edt) << "the .edt changed";
        headless::ClearMessages();
    }
    EXPECT_EQ(largest, MapGridColumns * MapGridRows);
    EXPECT_EQ(smallestSize, std::make_pair(20, 15));

    for (int32_t side = 0; side < 2; ++side) {
        for (const BuildingKindRule& rule : BuildingKindRules)
            EXPECT_TRUE(summary.buildingKinds.count({rule.kind, side})) << "building " << rule.kind << " side " << side;
        for (int32_t kind = FirstFamilyUnitKind; kind <= LastSingleUnitKind; ++kind) {
            if (kind > LastFamilyUnitKind && kind < FirstSingleUnitKind) continue;
            EXPECT_TRUE(summary.unitKinds.count({kind, side})) << "unit " << kind << " side " << side;
        }
    }
    for (int32_t kind = KindLightFactory; kind <= KindHeavyFactory; ++kind)
        EXPECT_TRUE(summary.buildingKinds.count({kind, 2})) << "neutral factory " << kind;
    EXPECT_EQ(summary.limitsSeen, (std::set<int32_t>{0, 1}));
    EXPECT_GT(summary.credits.size(), size_t(DemoLevelCount / 2));
}

// What the generator holds is what loading reads back, so the records carry
// no value that the file cannot say.
TEST(DemoLevelRecords, ReadBackAsTheyWereMade) {
    for (int number = 0; number < DemoLevelCount; ++number) {
        SCOPED_TRACE("M" + std::to_string(number));
        const std::unique_ptr<DemoLevel> level = BuildDemoLevel(number);
        ASSERT_NE(level, nullptr);
        const EdtContents read = ParseEdt(DemoEdtBytes(*level));
        EXPECT_EQ(read.buildings, level->buildings);
        EXPECT_EQ(read.units, level->units);

        MapGrid grid{};
        MapHeader header;
        ASSERT_EQ(ParseMap(DemoMapBytes(*level), header, grid), MapSizeCheck::Fits);
        EXPECT_EQ(header.startX, level->info.startX);
        EXPECT_EQ(header.startY, level->info.startY);
        for (int row = 0; row < grid.rows; ++row)
            for (int column = 0; column < grid.columns; ++column)
                ASSERT_EQ(grid.cells[row][column], level->grid.cells[row][column]) << column << "," << row;
    }
}

TEST(DemoLevelRecords, SameLevelEveryTime) {
    for (int number : {0, 11, DemoLevelCount - 1}) {
        const std::unique_ptr<DemoLevel> first = BuildDemoLevel(number), second = BuildDemoLevel(number);
        ASSERT_TRUE(first && second);
        EXPECT_EQ(DemoMapBytes(*first), DemoMapBytes(*second)) << number;
        EXPECT_EQ(DemoEdtBytes(*first), DemoEdtBytes(*second)) << number;
    }
}

TEST_F(DemoLevels, ExistingLevelsAreKeptUnlessReplaced) {
    ASSERT_EQ(WriteDemoLevelFolder(folder, false).failure, "");
    const Bytes edited = {1, 2, 3};
    ASSERT_TRUE(WriteWholeFile("M05.edt", edited));
    ASSERT_TRUE(std::filesystem::remove("M07.map"));  // half a pair is a user's too

    DemoFolderReport again = WriteDemoLevelFolder(folder, false);
    EXPECT_EQ(again.failure, "");
    EXPECT_EQ(again.levelsWritten, 0);
    EXPECT_EQ(again.levelsKept, DemoLevelCount);
    EXPECT_EQ(ReadWholeFile("M05.edt"), edited);
    EXPECT_FALSE(std::filesystem::exists("M07.map"));

    again = WriteDemoLevelFolder(folder, true);
    EXPECT_EQ(again.levelsWritten, DemoLevelCount);
    EXPECT_EQ(ReadWholeFile("M05.edt"), DemoEdtBytes(*BuildDemoLevel(5)));
    EXPECT_TRUE(std::filesystem::exists("M07.map"));
}

}  // namespace
