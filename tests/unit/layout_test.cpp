#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls/control_list.h"
#include "controls/layout.h"
#include "controls/scroll_thumbs.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {

class LayoutTest : public ::testing::Test {
protected:
    void SetUp() override {
        ResetEditorState();
        ClearMapGrid(currentLevel);
        BuildLayout();
    }
    void TearDown() override { ClearLayout(); }

    static const Control& At(int id) {
        const Control* control = FindControl(id);
        EXPECT_NE(control, nullptr) << id;
        return *control;
    }
};

bool Overlap(const Rect& a, const Rect& b) {
    return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

TEST_F(LayoutTest, HasEveryControlNumberedByPosition) {
    EXPECT_EQ(controlList.Count(), 131);
    for (int id = 1; id <= 131; ++id) EXPECT_EQ(At(id).GetId(), id);
    EXPECT_EQ(FindControl(132), nullptr);
}

TEST_F(LayoutTest, BuildingAgainReplacesTheLayout) {
    FindControl(50)->SetCaption("changed");
    BuildLayout();
    EXPECT_EQ(controlList.Count(), 131);
    EXPECT_STREQ(At(50).GetCaption(), "地图信息详细编辑科技树....");
}

TEST_F(LayoutTest, FirstAndLastControls) {
    EXPECT_EQ(At(1).GetRect(), (Rect{0, 645, 640, 665}));
    EXPECT_EQ(At(1).GetKind(), KindPanel);
    EXPECT_EQ(At(131).GetRect(), (Rect{910, 610, 930, 630}));
    EXPECT_STREQ(At(131).GetCaption(), ">");
}

TEST_F(LayoutTest, RightPanelAreaStartsWithoutHeightAndCannotBeHit) {
    EXPECT_EQ(At(11).GetRect(), (Rect{670, 0, 940, 0}));
    for (int x : {671, 800, 939}) EXPECT_NE(controlList.ControlAt(x, 0), 11) << x;
}

TEST_F(LayoutTest, ScrollThumbsStartFillingTheirTracks) {
    EXPECT_EQ(At(3).GetKind(), KindHorizontalThumb);
    EXPECT_EQ(At(4).GetKind(), KindVerticalThumb);
    EXPECT_EQ(At(3).GetRect(), At(1).GetRect());
    EXPECT_EQ(At(4).GetRect(), At(2).GetRect());
    EXPECT_EQ(At(3).GetRange(), At(1).GetRect());
    EXPECT_EQ(At(4).GetRange(), At(2).GetRect());
    // A press on a thumb finds the thumb, not its track.
    EXPECT_EQ(controlList.ControlAt(320, 655), 3);
    EXPECT_EQ(controlList.ControlAt(655, 320), 4);
}

struct ThumbCase {
    int scrollX, scrollY, cellSize, columns, rows;
    Rect horizontal, vertical;
};

TEST_F(LayoutTest, ThumbsAreSizedFromScrollZoomAndMapAndNeverLeaveTheirTracks) {
    const ThumbCase cases[] = {
        {0, 0, 10, 96, 80, {0, 645, 426, 665}, {645, 0, 665, 512}},
        {10, 4, 20, 64, 64, {100, 645, 420, 665}, {645, 40, 665, 360}},  // half a cell size per cell
        {60, 50, 20, 64, 64, {320, 645, 640, 665}, {645, 320, 665, 640}}, // pushed back into the track
        {0, 0, 10, 20, 15, {0, 645, 640, 665}, {645, 0, 665, 640}},       // map smaller than the view
        {3, 3, 40, 20, 15, {60, 645, 572, 665}, {645, 0, 665, 640}},
    };
    for (const ThumbCase& c : cases) {
        editorState.scrollX = c.scrollX;
        editorState.scrollY = c.scrollY;
        editorState.cellSize = c.cellSize;
        currentLevel.mapGrid.columns = c.columns;
        currentLevel.mapGrid.rows = c.rows;
        BuildLayout();
        EXPECT_EQ(At(3).GetRect(), c.horizontal) << c.scrollX << ", " << c.columns << " columns";
        EXPECT_EQ(At(4).GetRect(), c.vertical) << c.scrollY << ", " << c.rows << " rows";
    }
}

struct LengthCase {
    int cellSize, mapCells, length;
};

TEST(ScrollThumbLength, IsTheViewsShareOfTheMapCappedAtTheTrack) {
    const LengthCase cases[] = {
        {10, 64, 640}, {20, 64, 320}, {10, 96, 426}, {40, 80, 128},
        {10, 63, 640}, {10, 20, 640}, {40, 15, 640},  // smaller than the view
        {10, 0, 640},  {0, 64, 640},                  // nothing to divide by
    };
    for (const LengthCase& c : cases) {
        EXPECT_EQ(ScrollThumbLength(c.cellSize, c.mapCells), c.length)
            << c.cellSize << " x " << c.mapCells;
    }
}

TEST_F(LayoutTest, ACappedThumbCannotBeMovedOutOfItsTrack) {
    currentLevel.mapGrid.columns = 20;
    currentLevel.mapGrid.rows = 15;
    BuildLayout();
    Control& horizontal = *FindControl(3);
    Control& vertical = *FindControl(4);
    for (int move : {-50, 50}) {
        horizontal.MoveWithinRange(move, 0);
        vertical.MoveWithinRange(0, move);
        EXPECT_EQ(horizontal.GetRect(), At(1).GetRect()) << move;
        EXPECT_EQ(vertical.GetRect(), At(2).GetRect()) << move;
    }
}

// Credits, research points and the five air forces: a label and two triples per
// row, 30 pixels apart. A row shifted in the table breaks the spacing.
TEST_F(LayoutTest, ValueRowsOfTheInformationPageAreRegular) {
    for (int row = 0; row < 7; ++row) {
        const int top = 40 + 30 * row;
        const Rect label = At(115 + row).GetRect();
        EXPECT_EQ(label.left, 680) << row;
        EXPECT_EQ(label.right, 745) << row;
        EXPECT_EQ(label.bottom, top + 20) << row;
        EXPECT_EQ(At(115 + row).GetKind(), KindLabel) << row;
        for (int side = 0; side < 2; ++side) {
            const int firstId = 56 + 6 * row + 3 * side;
            const Control& down = At(firstId);
            const Control& value = At(firstId + 1);
            const Control& up = At(firstId + 2);
            const std::string where = "row " + std::to_string(row) + " side " + std::to_string(side);
            EXPECT_EQ(down.GetKind(), KindButton) << where;
            EXPECT_EQ(value.GetKind(), KindPanel) << where;
            EXPECT_EQ(up.GetKind(), KindButton) << where;
            EXPECT_STREQ(down.GetCaption(), "<") << where;
            EXPECT_STREQ(up.GetCaption(), ">") << where;
            EXPECT_EQ(value.GetRed(), 63) << where;
            EXPECT_EQ(down.GetRect().left, side == 0 ? 745 : 840) << where;
            EXPECT_EQ(down.GetRect().right, value.GetRect().left) << where;
            EXPECT_EQ(value.GetRect().right, up.GetRect().left) << where;
            EXPECT_EQ(up.GetRect().right, side == 0 ? 835 : 930) << where;
            for (const Control* control : {&down, &value, &up}) {
                EXPECT_EQ(control->GetRect().top, top) << where;
                EXPECT_EQ(control->GetRect().bottom, top + 20) << where;
                EXPECT_FALSE(control->IsVisible()) << where;
            }
        }
    }
}

// Below each side's PVT switch, a column of the five tower icons, 50 pixels apart.
TEST_F(LayoutTest, PermissionIconsFormOneColumnPerSide) {
    for (int side = 0; side < 2; ++side) {
        const Rect pvt = At(98 + side).GetRect();
        for (int tower = 0; tower < 5; ++tower) {
            const int id = 100 + 5 * side + tower;
            const Rect icon = At(id).GetRect();
            EXPECT_EQ(At(id).GetKind(), KindHotspot) << id;
            EXPECT_EQ(icon.left, pvt.left) << id;
            EXPECT_EQ(icon.top, 330 + 50 * tower) << id;
            EXPECT_EQ(icon.Width(), 40) << id;
            EXPECT_EQ(icon.Height(), 40) << id;
        }
    }
}

TEST_F(LayoutTest, FightersLabelStartsTenPixelsAboveItsRow) {
    EXPECT_EQ(At(121).GetRect(), (Rect{680, 210, 745, 240}));
    EXPECT_EQ(At(120).GetRect().bottom, 210);  // touches the label above, no overlap
    EXPECT_STREQ(At(121).GetCaption(), "战斗机..");
}

// Controls shown together on one screen must not cover one another, or a click
// would reach the wrong one.
struct ScreenGroup {
    const char* name;
    std::vector<int> ids;
};

std::vector<int> Range(int first, int last) {
    std::vector<int> ids;
    for (int id = first; id <= last; ++id) ids.push_back(id);
    return ids;
}

std::vector<int> Join(std::vector<int> a, const std::vector<int>& b) {
    a.insert(a.end(), b.begin(), b.end());
    return a;
}

TEST_F(LayoutTest, ControlsShownTogetherDoNotOverlap) {
    const std::vector<int> bottomBar = {5, 6, 7, 8, 9, 10, 48, 49, 122};
    const std::vector<int> scrollBars = {1, 2};
    const ScreenGroup groups[] = {
        // A selected factory: every attribute row, the production icons and
        // buttons and the delete button. Label 19 has no text and lies under 53.
        {"object page, building", Join(Join(Join(bottomBar, scrollBars), {50, 51, 52, 53}),
                                       Join(Range(12, 18), Range(20, 47)))},
        {"object page, nothing shown", Join(Join(bottomBar, scrollBars), {50, 54, 55})},
        {"information page", Join(Join(Join(bottomBar, scrollBars), {50}),
                                  Join(Range(56, 121), Range(125, 131)))},
        {"help page 1", {122, 124}},
        {"help page 2", {122, 123}},
    };
    for (const ScreenGroup& group : groups) {
        for (size_t i = 0; i < group.ids.size(); ++i) {
            for (size_t j = i + 1; j < group.ids.size(); ++j) {
                EXPECT_FALSE(Overlap(At(group.ids[i]).GetRect(), At(group.ids[j]).GetRect()))
                    << group.name << ": " << group.ids[i] << " and " << group.ids[j];
            }
        }
    }
}

struct CaptionCase {
    int id;
    const char* caption;
};

// Captions whose trailing blanks and dots are easily lost.
TEST_F(LayoutTest, CaptionsKeepTheirBlanksAndDots) {
    const CaptionCase cases[] = {
        {13, "血量: "},
        {48, "删除一切单位."},
        {50, "地图信息详细编辑科技树...."},
        {55, "添加新单位..."},
        {117, "轰炸机.."},
        {118, "星体炸弹."},
        {125, "界面固定."},
    };
    for (const CaptionCase& c : cases) EXPECT_STREQ(At(c.id).GetCaption(), c.caption) << c.id;
    for (int id : {1, 8, 11, 19, 36, 41, 57, 98, 111, 113}) {
        EXPECT_EQ(At(id).GetCaption(), EmptyCaption) << id;
    }
}

}  // namespace
