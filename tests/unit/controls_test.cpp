#include <gtest/gtest.h>

#include "controls/control_list.h"

namespace {

struct PointCase {
    int x, y;
    bool inside;
};

TEST(Rect, ContainsOnlyPointsStrictlyBetweenTheEdges) {
    const Rect rect{10, 20, 30, 40};
    const PointCase cases[] = {
        {10, 30, false}, {11, 30, true},   // left edge
        {30, 30, false}, {29, 30, true},   // right edge
        {20, 20, false}, {20, 21, true},   // top edge
        {20, 40, false}, {20, 39, true},   // bottom edge
        {10, 20, false}, {29, 39, true},   // corners
        {5, 30, false},  {20, 45, false},  // well outside
    };
    for (const PointCase& c : cases) {
        EXPECT_EQ(rect.Contains(c.x, c.y), c.inside) << "(" << c.x << ", " << c.y << ")";
    }
}

TEST(Rect, OffsetMovesBothEdgesOfEachAxis) {
    Rect rect{10, 20, 30, 40};
    rect.Offset(5, -7);
    EXPECT_EQ(rect, (Rect{15, 13, 35, 33}));
}

TEST(ControlList, AppendNumbersControlsByPosition) {
    ControlList list;
    Control first(7, KindButton, 0, 0, 10, 10, true, 127);
    Control second(7, KindLabel, 0, 0, 10, 10, true, 31);
    list.Append(&first);
    list.Append(&second);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(first.GetId(), 1);
    EXPECT_EQ(second.GetId(), 2);
    EXPECT_EQ(list.FindControl(1), &first);
    EXPECT_EQ(list.FindControl(2), &second);
}

TEST(ControlList, FindControlOutsideTheListGivesNull) {
    ControlList list;
    Control only(1, KindButton, 0, 0, 10, 10, true, 127);
    EXPECT_EQ(list.FindControl(1), nullptr);  // nothing appended yet
    list.Append(&only);
    for (int id : {0, -1, 2, 131}) EXPECT_EQ(list.FindControl(id), nullptr) << id;
}

// Three overlapping controls: a wide panel, a button over its middle, and a
// hidden label over the button's right half.
class OverlapTest : public ::testing::Test {
protected:
    void SetUp() override {
        list.Append(&panel);
        list.Append(&button);
        list.Append(&hiddenLabel);
    }
    ControlList list;
    Control panel{1, KindPanel, 0, 0, 100, 100, true, 63};
    Control button{2, KindButton, 20, 20, 60, 60, true, 127};
    Control hiddenLabel{3, KindLabel, 40, 20, 80, 60, false, 31};
};

struct HitCase {
    int x, y;
    int clickTarget;  // visible controls only
    int controlAt;    // visible or not
};

TEST_F(OverlapTest, LaterControlsWinAndOnlyVisibleOnesTakeClicks) {
    const HitCase cases[] = {
        {10, 10, 1, 1},    // the panel alone
        {30, 30, 2, 2},    // the button over the panel
        {50, 30, 2, 3},    // the hidden label over the button
        {70, 30, 1, 3},    // the hidden label over the panel alone
        {20, 30, 1, 1},    // the button's left border line belongs to the panel
        {150, 30, 0, 0},   // outside everything
        {100, 50, 0, 0},   // on the panel's right border
    };
    for (const HitCase& c : cases) {
        EXPECT_EQ(list.ClickAt(c.x, c.y), c.clickTarget) << "(" << c.x << ", " << c.y << ")";
        EXPECT_EQ(list.ControlAt(c.x, c.y), c.controlAt) << "(" << c.x << ", " << c.y << ")";
    }
}

struct MoveCase {
    const char* name;
    Rect start;
    int dx, dy;
    Rect expected;
};

TEST(Control, MoveWithinRangeStopsAtTheEdges) {
    const Rect horizontalTrack{0, 645, 640, 665};
    const Rect verticalTrack{645, 0, 665, 640};
    const MoveCase horizontal[] = {
        {"left within room", {100, 645, 200, 665}, -30, 0, {70, 645, 170, 665}},
        {"left by more than room", {100, 645, 200, 665}, -150, 0, {0, 645, 100, 665}},
        {"left at the edge", {0, 645, 100, 665}, -1, 0, {0, 645, 100, 665}},
        {"right within room", {100, 645, 200, 665}, 30, 0, {130, 645, 230, 665}},
        {"right exactly the room", {100, 645, 200, 665}, 440, 0, {540, 645, 640, 665}},
        {"right by more than room", {100, 645, 200, 665}, 1000, 0, {540, 645, 640, 665}},
        {"right at the edge", {540, 645, 640, 665}, 1, 0, {540, 645, 640, 665}},
        {"thumb example, y has no room", {0, 645, 320, 665}, 400, 5, {320, 645, 640, 665}},
        {"no move", {100, 645, 200, 665}, 0, 0, {100, 645, 200, 665}},
    };
    const MoveCase vertical[] = {
        {"up within room", {645, 100, 665, 300}, 0, -60, {645, 40, 665, 240}},
        {"up by more than room", {645, 100, 665, 300}, 0, -500, {645, 0, 665, 200}},
        {"down within room", {645, 100, 665, 300}, 0, 60, {645, 160, 665, 360}},
        {"down by more than room", {645, 100, 665, 300}, 0, 1000, {645, 440, 665, 640}},
        {"x has no room", {645, 100, 665, 300}, 7, 0, {645, 100, 665, 300}},
    };
    for (const MoveCase& c : horizontal) {
        Control thumb(3, KindHorizontalThumb, c.start.left, c.start.top, c.start.right,
                      c.start.bottom, true, 127);
        thumb.SetRange(horizontalTrack);
        thumb.MoveWithinRange(c.dx, c.dy);
        EXPECT_EQ(thumb.GetRect(), c.expected) << c.name;
    }
    for (const MoveCase& c : vertical) {
        Control thumb(4, KindVerticalThumb, c.start.left, c.start.top, c.start.right,
                      c.start.bottom, true, 127);
        thumb.SetRange(verticalTrack);
        thumb.MoveWithinRange(c.dx, c.dy);
        EXPECT_EQ(thumb.GetRect(), c.expected) << c.name;
    }
}

TEST(Control, ConstructorSetsGreyAndNoCaption) {
    Control control(9, KindPanel, 1, 2, 3, 4, false, 63);
    EXPECT_EQ(control.GetRed(), 63);
    EXPECT_EQ(control.GetGreen(), 63);
    EXPECT_EQ(control.GetBlue(), 63);
    EXPECT_EQ(control.GetRange(), Rect{});
    EXPECT_EQ(control.GetCaption(), EmptyCaption);
    EXPECT_FALSE(control.HasCaption());
    control.SetCaption(nullptr);
    EXPECT_EQ(control.GetCaption(), EmptyCaption);
}

}  // namespace
