#include <vector>

#include "editor_window.h"

namespace {

using MouseEditing = EditorWindow;

struct Placed {
    bool unit;
    int32_t kind, x, y;
};

struct HoverCase {
    const char* name;
    std::vector<Placed> objects;
    int32_t cellX, cellY;
    bool leftDown;
    int32_t hover;
    bool hoverIsUnit;
};

TEST_F(MouseEditing, HoverPrefersUnitsThenTheHighestNumber) {
    const HoverCase cases[] = {
        {"empty ground", {{false, 100, 10, 10}}, 20, 20, false, 0, false},
        {"inside a building", {{false, 100, 10, 10}}, 13, 12, false, 1, false},
        {"just past a building", {{false, 100, 10, 10}}, 14, 12, false, 0, false},
        {"unit on a building", {{false, 100, 10, 10}, {true, 7, 11, 11}}, 11, 11, false, 1, true},
        {"overlapping buildings",
         {{false, 100, 10, 10}, {false, 100, 12, 10}, {false, 25, 30, 30}}, 12, 11, false, 2, false},
        {"two units on a cell", {{true, 7, 5, 5}, {true, 8, 5, 5}, {true, 9, 6, 6}}, 5, 5, false, 2, true},
        {"left button held on a unit", {{true, 7, 5, 5}}, 5, 5, true, 0, false},
        {"left button held on a building", {{false, 100, 10, 10}}, 11, 11, true, 0, false},
    };
    for (const HoverCase& c : cases) {
        currentLevel.buildingCount = currentLevel.unitCount = 0;
        for (const Placed& o : c.objects) o.unit ? AddUnitAt(o.kind, o.x, o.y) : AddBuildingAt(o.kind, o.x, o.y);
        editorState.hoverIndex = 9;
        editorState.hoverIsUnit = false;
        editorState.cursorCellX = c.cellX;
        editorState.cursorCellY = c.cellY;
        editorState.leftDown = c.leftDown;
        editorState.needsRepaint = false;
        UpdateHover();
        EXPECT_EQ(editorState.hoverIndex, c.hover) << c.name;
        if (c.hover != 0) {
            EXPECT_EQ(editorState.hoverIsUnit, c.hoverIsUnit) << c.name;
        }
        EXPECT_TRUE(editorState.needsRepaint) << c.name;
    }
}

TEST_F(MouseEditing, HoverLagsOneEventBehindThePointer) {
    AddUnitAt(7, 5, 5);
    MoveTo(55, 55);
    EXPECT_EQ(editorState.hoverIndex, 0);  // tested against the cell the pointer came from
    MoveTo(300, 300);
    EXPECT_EQ(editorState.hoverIndex, 1);  // the unit's cell, where the pointer was
    EXPECT_TRUE(editorState.hoverIsUnit);
    MoveTo(301, 301);
    EXPECT_EQ(editorState.hoverIndex, 0);
}

TEST_F(MouseEditing, PressSelectsTheHoveredObjectAndEmptyGroundClearsIt) {
    AddBuildingAt(100, 10, 10);
    AddUnitAt(7, 11, 11);
    MoveTo(115, 115);
    MoveTo(115, 115);
    Press(115, 115);
    EXPECT_EQ(editorState.selectedIndex, 1);
    EXPECT_TRUE(editorState.selectedIsUnit);
    EXPECT_EQ(editorState.dragIndex, 1);
    EXPECT_EQ(editorState.grabOffsetX, 0);
    MoveTo(116, 116);
    EXPECT_EQ(editorState.hoverIndex, 0);  // nothing hovers while the button is held
    Release(116, 116);
    EXPECT_EQ(editorState.hoverIndex, 1);  // the release finds it again
    EXPECT_EQ(editorState.dragIndex, -1);
    MoveTo(500, 500);
    MoveTo(500, 500);
    Press(500, 500);
    EXPECT_EQ(editorState.selectedIndex, 0);
    EXPECT_EQ(editorState.dragIndex, -1);
}

TEST_F(MouseEditing, DraggedBuildingKeepsTheGrabbedCellAndStaysInTheView) {
    AddBuildingAt(100, 10, 10);  // 4 by 3: cells 10..13 by 10..12
    MoveTo(135, 125);
    MoveTo(135, 125);
    Press(135, 125);  // its bottom-right cell
    ASSERT_EQ(editorState.selectedIndex, 1);
    EXPECT_EQ(editorState.grabOffsetX, 3);
    EXPECT_EQ(editorState.grabOffsetY, 2);
    const struct {
        int x, y;
        int32_t column, row;
    } moves[] = {
        {305, 205, 27, 18},
        {639, 639, 60, 61},  // against the view's right and bottom edges
        {900, 694, 60, 61},  // over the panel and the buttons
        {0, 0, 0, 0},        // left of and above the grabbed offset
        {45, 25, 1, 0},
    };
    for (const auto& m : moves) {
        MoveTo(m.x, m.y);
        EXPECT_EQ(currentLevel.buildings[1].x, m.column) << m.x << "," << m.y;
        EXPECT_EQ(currentLevel.buildings[1].y, m.row) << m.x << "," << m.y;
    }
    Release(45, 25);
    MoveTo(300, 300);
    EXPECT_EQ(currentLevel.buildings[1].x, 1);  // dropped
}

TEST_F(MouseEditing, DraggingFollowsTheScrolledViewOnly) {
    currentLevel.mapGrid.columns = 96;
    currentLevel.mapGrid.rows = 80;
    editorState.cellSize = 20;
    editorState.scrollX = 40;
    editorState.scrollY = 30;
    AddUnitAt(7, 45, 35);
    MoveTo(100, 100);
    MoveTo(100, 100);
    Press(100, 100);
    ASSERT_EQ(editorState.selectedIndex, 1);
    const struct {
        int x, y;
        int32_t column, row;
    } moves[] = {{300, 200, 55, 40}, {800, 690, 71, 61}, {0, 0, 40, 30}};
    for (const auto& m : moves) {
        MoveTo(m.x, m.y);
        EXPECT_EQ(currentLevel.units[1].x, m.column) << m.x;
        EXPECT_EQ(currentLevel.units[1].y, m.row) << m.y;
    }
    Release(0, 0);

    // A building grabbed at its far corner stops at the view's first cell, not
    // at the map's.
    AddBuildingAt(100, 50, 40);
    MoveTo(275, 245);
    MoveTo(275, 245);
    Press(275, 245);
    ASSERT_EQ(editorState.grabOffsetX, 3);
    MoveTo(0, 0);
    EXPECT_EQ(currentLevel.buildings[1].x, 40);
    EXPECT_EQ(currentLevel.buildings[1].y, 30);
}

TEST_F(MouseEditing, AMapSmallerThanTheViewKeepsObjectsOnIt) {
    currentLevel.mapGrid.columns = 30;
    currentLevel.mapGrid.rows = 20;
    AddBuildingAt(100, 0, 0);
    AddUnitAt(7, 5, 5);
    const struct {
        bool unit;
        int32_t cellX, cellY;
        int32_t column, row;
    } cases[] = {{false, 1, 1, 26, 17}, {true, 5, 5, 29, 19}};
    for (const auto& c : cases) {
        editorState.cursorCellX = c.cellX;
        editorState.cursorCellY = c.cellY;
        OnMouseMove(c.cellX * 10 + 5, c.cellY * 10 + 5);
        Press(c.cellX * 10 + 5, c.cellY * 10 + 5);
        MoveTo(639, 639);
        Release(639, 639);
        EXPECT_EQ(c.unit ? currentLevel.units[1].x : currentLevel.buildings[1].x, c.column) << c.unit;
        EXPECT_EQ(c.unit ? currentLevel.units[1].y : currentLevel.buildings[1].y, c.row) << c.unit;
    }
}

TEST_F(MouseEditing, EitherButtonsReleaseEndsADrag) {
    AddUnitAt(7, 5, 5);
    MoveTo(55, 55);
    MoveTo(55, 55);
    Press(55, 55);
    const int presentsBefore = headless::PresentCount();
    OnMouseDown(200, 200, false);
    EXPECT_EQ(headless::PresentCount(), presentsBefore + 1);  // a right press only repaints
    EXPECT_EQ(editorState.dragIndex, 1);
    EXPECT_EQ(editorState.selectedIndex, 1);
    MoveTo(105, 105);
    EXPECT_EQ(currentLevel.units[1].x, 10);
    Release(105, 105, false);
    EXPECT_EQ(editorState.dragIndex, -1);
    EXPECT_TRUE(editorState.leftDown);  // the left button is still held
    MoveTo(305, 305);
    EXPECT_EQ(currentLevel.units[1].x, 10);
}

TEST_F(MouseEditing, EveryMouseEventRepaintsOnce) {
    int presents = headless::PresentCount();
    for (auto event : {0, 1, 2, 3}) {
        switch (event) {
        case 0: OnMouseMove(700, 300); break;
        case 1: OnMouseDown(700, 300, true); break;
        case 2: OnMouseUp(700, 300, true); break;
        case 3: OnMouseUp(700, 300, false); break;
        }
        EXPECT_EQ(headless::PresentCount(), ++presents) << event;
    }
}

TEST_F(MouseEditing, ThePressRunsTheCommandOnlyStrictlyInsideTheControl) {
    const struct {
        int x, y;
        int32_t levelNumber;
    } presses[] = {{85, 680, 2}, {75, 680, 2}, {95, 680, 2}, {85, 670, 2}, {76, 689, 3}};
    for (const auto& p : presses) {
        Press(p.x, p.y);
        EXPECT_EQ(editorState.levelNumber, p.levelNumber) << p.x << "," << p.y;
        Release(p.x, p.y);
        EXPECT_EQ(editorState.levelNumber, p.levelNumber) << "release " << p.x << "," << p.y;
    }
    editorState.helpPage = 1;  // where the level buttons are not shown
    Repaint();
    Press(85, 680);
    EXPECT_EQ(editorState.levelNumber, 3);  // a hidden control is not reached
}

TEST_F(MouseEditing, ThumbDragMovesTheThumbAndDerivesTheScroll) {
    currentLevel.mapGrid.columns = 96;
    currentLevel.mapGrid.rows = 80;
    ResetMapScroll();  // horizontal thumb 0..426, vertical 0..512
    MoveTo(100, 655);
    Press(100, 655);
    EXPECT_EQ(editorState.thumbDrag, 1);
    EXPECT_EQ(RectOf(3).left, 0);  // grabbed, not centred by the track under it
    const struct {
        int x, y;
        int32_t thumbLeft;
    } moves[] = {{150, 700, 50}, {600, 655, 214}, {590, 600, 204}, {0, 655, 0}};
    for (const auto& m : moves) {
        MoveTo(m.x, m.y);
        EXPECT_EQ(RectOf(3).left, m.thumbLeft) << m.x;
        EXPECT_EQ(RectOf(3).top, 645) << m.x;
        EXPECT_EQ(editorState.scrollX, m.thumbLeft * 96 / 640) << m.x;
    }
    Release(0, 655);
    EXPECT_EQ(editorState.thumbDrag, 0);
    MoveTo(200, 655);
    EXPECT_EQ(RectOf(3).left, 0);

    MoveTo(655, 100);
    Press(655, 100);
    EXPECT_EQ(editorState.thumbDrag, 2);
    MoveTo(600, 228);
    EXPECT_EQ(RectOf(4).top, 128);
    EXPECT_EQ(editorState.scrollY, 16);
    Release(600, 228, false);  // the right button's release ends it too
    EXPECT_EQ(editorState.thumbDrag, 0);
}

TEST_F(MouseEditing, PressOnTheTrackCentresWithoutGrabbing) {
    currentLevel.mapGrid.columns = 96;
    currentLevel.mapGrid.rows = 80;
    ResetMapScroll();
    MoveTo(500, 655);
    Press(500, 655);
    EXPECT_EQ(editorState.thumbDrag, 0);
    EXPECT_EQ(RectOf(3).left, 214);
    EXPECT_EQ(editorState.scrollX, 32);
    Release(500, 655);
    editorState.helpPage = 1;  // the help screen shows no scroll bars
    Repaint();
    Press(500, 655);
    EXPECT_EQ(editorState.thumbDrag, 0);
}

TEST_F(MouseEditing, NewBuildingFollowsThePointerUntilThePressThatPutsItDown) {
    MoveTo(740, 50);
    Press(740, 50);  // "添加新建筑."
    ASSERT_TRUE(editorState.placing);
    Release(740, 50);
    EXPECT_EQ(editorState.dragIndex, 1);  // still following without a button
    EXPECT_EQ(currentLevel.buildings[1].x, 60);        // at the view's right edge, the pointer is over the panel
    MoveTo(205, 305);
    EXPECT_EQ(currentLevel.buildings[1].x, 20);
    EXPECT_EQ(currentLevel.buildings[1].y, 30);
    MoveTo(206, 306);  // within the same cell: the hover catches up with the building
    Press(206, 306);
    EXPECT_FALSE(editorState.placing);
    EXPECT_EQ(editorState.selectedIndex, 0);
    EXPECT_EQ(editorState.hoverIndex, 1);
    EXPECT_EQ(editorState.dragIndex, 1);
    MoveTo(405, 415);
    EXPECT_EQ(currentLevel.buildings[1].x, 40);  // dragged on while the button is held
    Release(405, 415);
    MoveTo(100, 100);
    EXPECT_EQ(currentLevel.buildings[1].x, 40);
}

TEST_F(MouseEditing, PressThatEndsPlacingOnAnotherObjectDragsThatOne) {
    AddUnitAt(7, 40, 30);
    RunClickCommand(54);  // a main base, following the pointer
    MoveTo(405, 305);
    MoveTo(406, 306);     // the unit on the same cell wins the hover
    ASSERT_EQ(editorState.hoverIndex, 1);
    ASSERT_TRUE(editorState.hoverIsUnit);
    Press(406, 306);
    EXPECT_FALSE(editorState.placing);
    EXPECT_EQ(editorState.selectedIndex, 0);
    EXPECT_EQ(editorState.hoverIndex, 1);
    EXPECT_TRUE(editorState.selectedIsUnit);
    MoveTo(505, 505);
    EXPECT_EQ(currentLevel.units[1].x, 50);
    EXPECT_EQ(currentLevel.units[1].y, 50);
    EXPECT_EQ(currentLevel.buildings[1].x, 40);  // the new building stays where it was put
    EXPECT_EQ(currentLevel.buildings[1].y, 30);
}

TEST_F(MouseEditing, PressThatEndsPlacingOnEmptyGroundKeepsDraggingTheNewObject) {
    AddBuildingAt(100, 10, 10);
    RunClickCommand(55);  // unit 1 follows the pointer
    MoveTo(115, 115);
    MoveTo(305, 305);  // the building under the last cell becomes the hovered object
    ASSERT_FALSE(editorState.hoverIsUnit);
    MoveTo(505, 505);
    ASSERT_EQ(editorState.hoverIndex, 0);
    Press(505, 505);
    EXPECT_FALSE(editorState.placing);
    EXPECT_EQ(editorState.selectedIndex, 0);
    EXPECT_EQ(editorState.dragIndex, 1);
    MoveTo(205, 205);
    EXPECT_EQ(currentLevel.units[1].x, 20);  // the new unit, not building 1, follows
    EXPECT_EQ(currentLevel.buildings[1].x, 10);
    EXPECT_EQ(currentLevel.buildings[1].y, 10);
}

TEST_F(MouseEditing, PointerBeyondTheWindowCountsAsItsEdge) {
    AddUnitAt(7, 5, 5);
    MoveTo(55, 55);
    MoveTo(55, 55);
    Press(55, 55);
    MoveTo(-300, -7);
    EXPECT_EQ(editorState.lastMouseX, 0);
    EXPECT_EQ(editorState.lastMouseY, 0);
    EXPECT_EQ(currentLevel.units[1].x, 0);
    EXPECT_EQ(currentLevel.units[1].y, 0);
}


// "载入地图" with no level files opens a message box for each; the button goes
// up while they are up, where no window is told, or only after them.
TEST_F(MouseEditing, AReleaseLostInAMessageBoxIsHandedOverWhenItCloses) {
    using platform::EventType;
    const Rect load = RectOf(10);
    const int x = (load.left + load.right) / 2, y = (load.top + load.bottom) / 2;
    const struct {
        const char* name;
        std::vector<platform::Event> whileTheBoxIsUp;
        bool leftDown;
        int32_t lastX, lastY;
    } cases[] = {
        {"released", {{EventType::MouseUp, x, y, true}}, false, x, y},
        {"released, then off the window", {{EventType::MouseUp, x, y, true}, {EventType::MouseMove, 2000, -40}},
         false, 939, 0},
        {"still held", {}, true, x, y},
        {"the other button released", {{EventType::MouseUp, x, y, false}}, true, x, y},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        headless::ClearMessages();
        headless::PushEvent({EventType::MouseDown, x, y, true});
        for (const platform::Event& event : c.whileTheBoxIsUp) headless::PushUnseen(event);
        platform::Event event;
        while (platform::WaitEvent(event, 0)) editorEngine->RouteEvent(event);
        EXPECT_EQ(headless::Messages().size(), 2u);
        EXPECT_EQ(editorState.leftDown, c.leftDown);
        EXPECT_EQ(editorState.lastMouseX, c.lastX);
        EXPECT_EQ(editorState.lastMouseY, c.lastY);
        // The release of a button held through the boxes arrives as usual.
        editorEngine->RouteEvent({EventType::MouseUp, x, y, true});
    }
}

}  // namespace
