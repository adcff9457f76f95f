#include <gtest/gtest.h>

#include "controls/control_list.h"
#include "controls/layout.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {

struct IntField {
    const char* name;
    int32_t EditorState::*field;
    int32_t initial;
};

struct FlagField {
    const char* name;
    bool EditorState::*field;
};

const IntField IntFields[] = {
    {"levelNumber", &EditorState::levelNumber, 1},
    {"scrollX", &EditorState::scrollX, 0},
    {"scrollY", &EditorState::scrollY, 0},
    {"cellSize", &EditorState::cellSize, 10},
    {"helpPage", &EditorState::helpPage, 0},
    {"hoverIndex", &EditorState::hoverIndex, 0},
    {"selectedIndex", &EditorState::selectedIndex, 0},
    {"dragIndex", &EditorState::dragIndex, -1},
    {"grabOffsetX", &EditorState::grabOffsetX, 0},
    {"grabOffsetY", &EditorState::grabOffsetY, 0},
    {"thumbDrag", &EditorState::thumbDrag, 0},
    {"lastMouseX", &EditorState::lastMouseX, 0},
    {"lastMouseY", &EditorState::lastMouseY, 0},
    {"cursorCellX", &EditorState::cursorCellX, 0},
    {"cursorCellY", &EditorState::cursorCellY, 0},
    {"frameCount", &EditorState::frameCount, 0},
    {"lastZoomKeyFrame", &EditorState::lastZoomKeyFrame, 0},
};

const FlagField FlagFields[] = {
    {"mapLoaded", &EditorState::mapLoaded},     {"edtLoaded", &EditorState::edtLoaded},
    {"infoMode", &EditorState::infoMode},       {"hoverIsUnit", &EditorState::hoverIsUnit},
    {"selectedIsUnit", &EditorState::selectedIsUnit}, {"placing", &EditorState::placing},
    {"leftDown", &EditorState::leftDown},       {"needsRepaint", &EditorState::needsRepaint},
};

TEST(EditorState, ResetGivesEveryFieldItsStartValue) {
    for (const IntField& f : IntFields) editorState.*f.field = 77;
    for (const FlagField& f : FlagFields) editorState.*f.field = true;
    ResetEditorState();
    for (const IntField& f : IntFields) EXPECT_EQ(editorState.*f.field, f.initial) << f.name;
    for (const FlagField& f : FlagFields) EXPECT_FALSE(editorState.*f.field) << f.name;
    EXPECT_EQ(CurrentScreen(), ObjectPage);
    EXPECT_EQ(VisibleCells(), 64);
}

struct ScreenCase {
    int helpPage;
    bool infoMode;
    Screen screen;
};

TEST(EditorState, ScreenFollowsHelpPageThenInfoMode) {
    const ScreenCase cases[] = {
        {0, false, ObjectPage}, {0, true, InfoPage},
        {1, false, HelpScreen}, {1, true, HelpScreen},
        {2, false, HelpScreen}, {2, true, HelpScreen},
    };
    for (const ScreenCase& c : cases) {
        EditorState state;
        state.helpPage = c.helpPage;
        state.infoMode = c.infoMode;
        EXPECT_EQ(ScreenOf(state), c.screen) << c.helpPage << " " << c.infoMode;
    }
}

class ResetMapScrollTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEditorState();
        ClearMapGrid(currentLevel);
        BuildLayout();
    }
    void TearDown() override { ClearLayout(); }
};

struct ScrollCase {
    int cellSize, columns, rows;
    int horizontalLength, verticalLength;
};

TEST_F(ResetMapScrollTest, ReturnsToTheCornerWithThumbsSizedForZoomAndMap) {
    const ScrollCase cases[] = {
        {10, 64, 64, 640, 640},
        {20, 64, 64, 320, 320},
        {40, 64, 64, 160, 160},
        {10, 96, 80, 426, 512},  // 409600 / 960 truncates
        {40, 96, 80, 106, 128},
        {10, 20, 15, 640, 640},  // smaller than the view: capped at the track
        {40, 20, 15, 512, 640},
        {10, 0, 0, 640, 640},    // no cells at all: no division by zero
    };
    for (const ScrollCase& c : cases) {
        editorState.cellSize = c.cellSize;
        currentLevel.mapGrid.columns = c.columns;
        currentLevel.mapGrid.rows = c.rows;
        editorState.scrollX = 12;
        editorState.scrollY = 9;
        FindControl(3)->SetRect(300, 645, 400, 665);
        FindControl(4)->SetRect(645, 300, 665, 400);
        ResetMapScroll();
        EXPECT_EQ(editorState.scrollX, 0);
        EXPECT_EQ(editorState.scrollY, 0);
        EXPECT_EQ(FindControl(3)->GetRect(), (Rect{0, 645, c.horizontalLength, 665}))
            << c.cellSize << " " << c.columns;
        EXPECT_EQ(FindControl(4)->GetRect(), (Rect{645, 0, 665, c.verticalLength}))
            << c.cellSize << " " << c.rows;
    }
}

TEST_F(ResetMapScrollTest, WithoutALayoutOnlyTheScrollIsReset) {
    ClearLayout();
    editorState.scrollX = 5;
    editorState.scrollY = 6;
    ResetMapScroll();
    EXPECT_EQ(editorState.scrollX, 0);
    EXPECT_EQ(editorState.scrollY, 0);
}

}  // namespace
