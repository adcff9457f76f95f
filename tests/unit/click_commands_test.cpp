#include <vector>

#include "editor_window.h"
#include "input/object_commands.h"
#include "input/screen_commands.h"

namespace {

using ClickCommands = EditorWindow;

TEST_F(ClickCommands, LevelNumberStopsAtZeroAndTwentyThree) {
    editorState.mapLoaded = editorState.edtLoaded = false;  // works before any load
    const struct {
        int32_t start;
        int id;
        int32_t after;
    } cases[] = {{1, 7, 0}, {0, 7, 0}, {22, 9, 23}, {23, 9, 23}, {5, 9, 6}, {12, 7, 11}};
    for (const auto& c : cases) {
        editorState.levelNumber = c.start;
        RunClickCommand(c.id);
        EXPECT_EQ(editorState.levelNumber, c.after) << c.start << " id " << c.id;
    }
}

struct ZoomCase {
    const char* name;
    int32_t columns, rows;
    std::vector<int> ids;  // 5 zoom in, 6 zoom out
    int32_t cellSize;
    int32_t thumbWidth, thumbHeight;
};

TEST_F(ClickCommands, ZoomHalvesAndDoublesTheThumbsWithinTheirTracks) {
    const ZoomCase cases[] = {
        {"start size, in", 64, 64, {5}, 20, 320, 320},
        {"start size, in twice", 64, 64, {5, 5}, 40, 160, 160},
        {"in at 40 does nothing", 64, 64, {5, 5, 5}, 40, 160, 160},
        {"out at 10 does nothing", 64, 64, {6}, 10, 640, 640},
        {"in and out", 96, 80, {5, 6}, 10, 426, 512},
        // Odd lengths lose a pixel on the way down and back.
        {"odd length", 90, 80, {5, 6}, 10, 454, 512},
        // A map smaller than the view: the thumbs never outgrow the track and
        // zooming in afterwards still shows the map's true share.
        {"small map", 40, 20, {}, 10, 640, 640},
        {"small map in", 40, 20, {5}, 20, 512, 640},
        {"small map in twice", 40, 20, {5, 5}, 40, 256, 512},
        {"small map in, in, out", 40, 20, {5, 5, 6}, 20, 512, 640},
        {"small map in, in, out, out", 40, 20, {5, 5, 6, 6}, 10, 640, 640},
    };
    for (const ZoomCase& c : cases) {
        editorState.cellSize = 10;
        currentLevel.mapGrid.columns = c.columns;
        currentLevel.mapGrid.rows = c.rows;
        ResetMapScroll();
        for (int id : c.ids) RunClickCommand(id);
        EXPECT_EQ(editorState.cellSize, c.cellSize) << c.name;
        const Rect horizontal = RectOf(3);
        const Rect vertical = RectOf(4);
        EXPECT_EQ(horizontal.left, 0) << c.name;
        EXPECT_EQ(horizontal.Width(), c.thumbWidth) << c.name;
        EXPECT_EQ(vertical.top, 0) << c.name;
        EXPECT_EQ(vertical.Height(), c.thumbHeight) << c.name;
        for (int32_t pointer : {0, 639}) {  // a thumb as long as its track never scrolls back
            editorState.lastMouseX = editorState.lastMouseY = pointer;
            RunClickCommand(1);
            RunClickCommand(2);
            EXPECT_GE(editorState.scrollX, 0) << c.name;
            EXPECT_GE(editorState.scrollY, 0) << c.name;
        }
    }
}

TEST_F(ClickCommands, ZoomInKeepsTheScrollAndZoomOutReturnsToTheCorner) {
    currentLevel.mapGrid.columns = 96;
    currentLevel.mapGrid.rows = 80;
    ResetMapScroll();
    RunClickCommand(5);
    FindControl(3)->MoveWithinRange(100, 0);
    FindControl(4)->MoveWithinRange(0, 64);
    editorState.lastMouseX = 150;  // centre the horizontal thumb there (length 213)
    RunClickCommand(1);
    EXPECT_EQ(RectOf(3).left, 44);
    EXPECT_EQ(editorState.scrollX, 44 * 96 / 640);
    editorState.scrollY = 8;
    RunClickCommand(5);
    EXPECT_EQ(editorState.scrollX, 44 * 96 / 640);
    EXPECT_EQ(editorState.scrollY, 8);
    EXPECT_EQ(RectOf(3).left, 44);
    RunClickCommand(6);
    EXPECT_EQ(editorState.scrollX, 0);
    EXPECT_EQ(editorState.scrollY, 0);
    EXPECT_EQ(RectOf(3).left, 0);
    EXPECT_EQ(RectOf(4).top, 0);
}

TEST_F(ClickCommands, AddingStopsOnlyAboveTheLimits) {
    const struct {
        int id;
        int32_t* count;
        int32_t start;
        bool added;
        const char* message;
    } cases[] = {
        {54, &currentLevel.buildingCount, 299, true, nullptr},
        {54, &currentLevel.buildingCount, 300, true, nullptr},
        {54, &currentLevel.buildingCount, 301, false, "建筑超载!超过限定300"},
        {55, &currentLevel.unitCount, 49, true, nullptr},
        {55, &currentLevel.unitCount, 50, true, nullptr},
        {55, &currentLevel.unitCount, 51, false, "单位超载！超过限制50"},
    };
    for (const auto& c : cases) {
        headless::ClearMessages();
        ResetEditorGlobals();
        editorState.edtLoaded = true;
        currentLevel.buildingCount = currentLevel.unitCount = 0;
        while (*c.count < c.start) c.id == 54 ? AddBuildingAt(104, 1, 1) : AddUnitAt(7, 1, 1);
        RunClickCommand(c.id);
        EXPECT_EQ(*c.count, c.added ? c.start + 1 : c.start) << c.id << " with " << c.start;
        EXPECT_EQ(editorState.placing, c.added);
        EXPECT_EQ(editorState.selectedIndex, c.added ? c.start + 1 : 0);
        EXPECT_EQ(editorState.dragIndex, c.added ? c.start + 1 : -1);
        if (c.message == nullptr) {
            EXPECT_TRUE(headless::Messages().empty());
            continue;
        }
        ASSERT_EQ(headless::Messages().size(), 1u);
        EXPECT_EQ(headless::Messages()[0].text, c.message);
        EXPECT_EQ(headless::Messages()[0].caption, " 返回 ");
        EXPECT_EQ(headless::Messages()[0].buttons, platform::MessageButtons::OkCancel);
    }
}

TEST_F(ClickCommands, DeletingMovesTheLastObjectIntoTheHole) {
    for (int i = 1; i <= 5; ++i) AddBuildingAt(25, i, i);
    for (int i = 1; i <= 3; ++i) AddUnitAt(i, i, 0);
    const struct {
        bool unit;
        int32_t selected;
        std::vector<int32_t> columnsAfter;  // the x of each remaining object, by number
    } cases[] = {
        {false, 2, {1, 5, 3, 4}},
        {false, 4, {1, 5, 3}},  // the last one is deleted onto itself
        {true, 1, {3, 2}},
        {true, 2, {3}},
    };
    for (const auto& c : cases) {
        editorState.selectedIndex = c.selected;
        editorState.selectedIsUnit = c.unit;
        editorState.hoverIndex = 1;
        editorState.placing = true;
        RunClickCommand(53);
        std::vector<int32_t> columns;
        for (int32_t n = 1; n <= (c.unit ? currentLevel.unitCount : currentLevel.buildingCount); ++n)
            columns.push_back(c.unit ? currentLevel.units[size_t(n)].x : currentLevel.buildings[size_t(n)].x);
        EXPECT_EQ(columns, c.columnsAfter) << c.unit << " " << c.selected;
        EXPECT_EQ(editorState.selectedIndex, 0);
        EXPECT_EQ(editorState.hoverIndex, 0);
        EXPECT_FALSE(editorState.placing);
    }
}

TEST_F(ClickCommands, DeletingASelectionOutsideItsTableLeavesTheCountsAlone) {
    AddBuildingAt(25, 1, 1);
    for (int32_t selected : {0, 2, -1}) {
        editorState.selectedIndex = selected;
        editorState.selectedIsUnit = false;
        RunClickCommand(53);
        editorState.selectedIsUnit = true;
        editorState.selectedIndex = selected;
        RunClickCommand(53);
    }
    EXPECT_EQ(currentLevel.buildingCount, 1);
    EXPECT_EQ(currentLevel.unitCount, 0);
}

TEST_F(ClickCommands, DeleteAllEmptiesBothTables) {
    AddBuildingAt(25, 1, 1);
    AddUnitAt(3, 2, 2);
    editorState.selectedIndex = editorState.hoverIndex = 1;
    RunClickCommand(48);
    EXPECT_EQ(currentLevel.buildingCount, 0);
    EXPECT_EQ(currentLevel.unitCount, 0);
    EXPECT_EQ(editorState.selectedIndex, 0);
    EXPECT_EQ(editorState.hoverIndex, 0);
}

TEST_F(ClickCommands, FileAndPageButtonsWaitWhileANewObjectIsPlaced) {
    AddBuildingAt(25, 1, 1);
    RunClickCommand(55);
    ASSERT_TRUE(editorState.placing);
    for (int id : {10, 48, 49, 50}) RunClickCommand(id);
    EXPECT_TRUE(headless::Messages().empty());  // neither load nor save ran
    EXPECT_EQ(currentLevel.buildingCount, 1);
    EXPECT_EQ(currentLevel.unitCount, 1);
    EXPECT_EQ(editorState.selectedIndex, 1);
    EXPECT_FALSE(editorState.infoMode);
    EXPECT_TRUE(editorState.placing);
    EXPECT_TRUE(FolderContents().empty());
}

TEST_F(ClickCommands, LoadForgetsTheSelectionWhateverTheOutcome) {
    AddBuildingAt(25, 1, 1);
    editorState.selectedIndex = editorState.hoverIndex = 1;
    editorState.levelNumber = 4;
    RunClickCommand(10);
    EXPECT_EQ(headless::Messages().size(), 2u);  // neither M04.map nor M04.edt is here
    EXPECT_FALSE(editorState.mapLoaded);
    EXPECT_EQ(editorState.selectedIndex, 0);
    EXPECT_EQ(editorState.hoverIndex, 0);
}

TEST_F(ClickCommands, PageSwitchMovesThePanelAndRenamesTheButton) {
    currentLevel.mapGrid.columns = 96;
    currentLevel.mapGrid.rows = 80;
    editorState.cellSize = 40;
    editorState.scrollX = 20;
    editorState.selectedIndex = 3;
    RunClickCommand(50);
    EXPECT_EQ(CurrentScreen(), InfoPage);
    EXPECT_EQ(RectOf(11), (Rect{670, 0, 940, 270}));
    EXPECT_STREQ(FindControl(50)->GetCaption(), "跳转上一个界面菜单......");
    EXPECT_EQ(editorState.cellSize, 10);
    EXPECT_EQ(editorState.scrollX, 0);
    EXPECT_EQ(RectOf(3).Width(), 426);

    const struct {
        int32_t selected;
        Rect panel;
    } returns[] = {{3, {670, 0, 940, 385}}, {0, {670, 0, 940, 0}}};
    for (const auto& r : returns) {
        editorState.infoMode = true;
        editorState.cellSize = 20;
        editorState.selectedIndex = r.selected;
        RunClickCommand(50);
        EXPECT_EQ(CurrentScreen(), ObjectPage);
        EXPECT_EQ(RectOf(11), r.panel) << r.selected;
        EXPECT_STREQ(FindControl(50)->GetCaption(), "地图信息详细编辑科技树....");
        EXPECT_EQ(editorState.cellSize, 20);  // returning keeps the zoom
    }
}

TEST_F(ClickCommands, HelpReturnsToThePageItWasOpenedFrom) {
    RunClickCommand(123);  // the page steps belong to the help screen
    RunClickCommand(124);
    EXPECT_EQ(editorState.helpPage, 0);
    for (bool infoMode : {false, true}) {
        editorState.infoMode = infoMode;
        RunClickCommand(122);
        EXPECT_EQ(CurrentScreen(), HelpScreen);
        EXPECT_EQ(editorState.helpPage, 1);
        EXPECT_STREQ(FindControl(122)->GetCaption(), " 返回 ");
        RunClickCommand(124);
        EXPECT_EQ(editorState.helpPage, 2);
        RunClickCommand(124);  // "-->" is not offered on page 2
        EXPECT_EQ(editorState.helpPage, 2);
        RunClickCommand(123);
        RunClickCommand(123);
        EXPECT_EQ(editorState.helpPage, 1);
        RunClickCommand(124);
        RunClickCommand(122);
        EXPECT_EQ(CurrentScreen(), infoMode ? InfoPage : ObjectPage);
        EXPECT_STREQ(FindControl(122)->GetCaption(), "关于程序");
    }
}

}  // namespace
