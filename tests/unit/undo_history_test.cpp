// Undo and redo as the user reaches them: through the mouse hooks and the key
// presses of the started editor.
#include "controls/control_ids.h"
#include "editor_window.h"
#include "input/undo_history.h"

namespace {

using platform::PressedKey;

class UndoHistoryTest : public EditorWindow {
  protected:
    // The editor started afresh on two buildings and two units, as after loading them.
    static void Restart() {
        headless::Reset();
        ASSERT_NO_FATAL_FAILURE(StartEditor());
        editorState.mapLoaded = editorState.edtLoaded = true;
        AddBuildingAt(101, 10, 10);
        AddBuildingAt(25, 30, 30);
        AddUnitAt(7, 5, 5);
        AddUnitAt(8, 40, 40);
        ClearUndoHistory();
        Repaint();  // what a key or a click reaches is what the last paint showed
    }
    static void Click(int id) {
        const Rect r = RectOf(id);
        MoveTo((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Press((r.left + r.right) / 2, (r.top + r.bottom) / 2);
        Release((r.left + r.right) / 2, (r.top + r.bottom) / 2);
    }
    // Two movements onto the object first: the hover follows one movement late.
    static void PressAndMove(int fromX, int fromY, int toX, int toY) {
        MoveTo(fromX, fromY);
        MoveTo(fromX, fromY);
        Press(fromX, fromY);
        MoveTo(toX, toY);
    }
    static void Drag(int fromX, int fromY, int toX, int toY) {
        PressAndMove(fromX, fromY, toX, toY);
        Release(toX, toY);
    }
    static void SelectFactory() { Drag(105, 105, 105, 105); }
    static void SelectFirstUnit() { Drag(55, 55, 55, 55); }
};

// A selected or hovered number stays while it names a record of its table.
int32_t Kept(int32_t n, bool isUnit) {
    const int32_t count = isUnit ? currentLevel.unitCount : currentLevel.buildingCount;
    return n <= count ? n : 0;
}

// Undone, each case also checks that a selected or hovered number that no
// longer names a record is cleared and one that does stays.
TEST_F(UndoHistoryTest, EachActionThatChangesTheLevelIsOneStepAndUndoesExactly) {
    const struct {
        const char* name;
        void (*act)();
        size_t steps;
    } cases[] = {
        {"a unit dragged to another cell", [] { Drag(55, 55, 205, 105); }, 1},
        {"a unit pressed and released where it stands", [] { Drag(55, 55, 55, 55); }, 0},
        {"an added building's kind stepped while placing, placed and dragged on",
         [] { Click(AddBuildingId); Click(KindUpId); Drag(300, 300, 400, 300); }, 1},
        {"an added unit placed, then selected",
         [] { Click(AddUnitId); Drag(300, 300, 300, 300); Drag(300, 300, 300, 300); }, 1},
        {"health down ten", [] { SelectFactory(); Click(HealthDownTenId); }, 1},
        {"health up at full health", [] { SelectFactory(); Click(HealthUpTenId); }, 0},
        {"two clicks", [] { SelectFactory(); Click(HealthDownTenId); Click(HealthDownId); }, 2},
        {"credits up", [] { Click(PageSwitchId); Click(FirstValueRowId + 2); }, 1},
        {"start position right", [] { Click(PageSwitchId); Click(StartColumnUpId); }, 1},
        {"the selected unit deleted", [] { SelectFirstUnit(); Click(DeleteSelectedId); }, 1},
        {"everything deleted", [] { Click(DeleteAllId); }, 1},
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(Restart());
        const LevelEdits before = EditsOf(currentLevel);
        c.act();
        const LevelEdits after = EditsOf(currentLevel);
        const EditorState view = editorState;
        EXPECT_EQ(UndoStepCount(), c.steps) << c.name;
        while (UndoLastStep()) {}
        EXPECT_TRUE(EditsOf(currentLevel) == before) << c.name;
        EXPECT_TRUE(editorState.infoMode == view.infoMode && editorState.cellSize == view.cellSize) << c.name;
        EXPECT_EQ(editorState.selectedIndex, Kept(view.selectedIndex, view.selectedIsUnit)) << c.name;
        EXPECT_EQ(editorState.hoverIndex, Kept(view.hoverIndex, view.hoverIsUnit)) << c.name;
        while (RedoLastStep()) {}
        EXPECT_TRUE(EditsOf(currentLevel) == after) << c.name;
    }
}

TEST_F(UndoHistoryTest, ANewChangeClearsRedoAndLoadingClearsEverything) {
    const struct {
        const char* name;
        int id;
        size_t undo, redo;
    } cases[] = {
        {"a new change", HealthDownId, 2, 0},
        {"saving", SaveLevelId, 1, 1},
        {"loading", LoadLevelId, 0, 0},
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(Restart());
        SelectFactory();
        Click(HealthDownTenId);
        Click(HealthDownTenId);
        OnKeyPress(PressedKey::Z, true, false);
        Click(c.id);
        EXPECT_EQ(UndoStepCount(), c.undo) << c.name;
        EXPECT_EQ(RedoStepCount(), c.redo) << c.name;
    }
}

// Every case ends with a release, which after an ended drag or placing must
// make no step of its own.
TEST_F(UndoHistoryTest, KeysEndADragFirstAndActOnlyWhereTheirButtonsAre) {
    const struct {
        const char* name;
        void (*setUp)();
        PressedKey key;
        bool ctrl, shift;
        int32_t units;
        size_t undo, redo, messages;
    } cases[] = {
        {"Ctrl+Z during a drag", [] { PressAndMove(55, 55, 205, 105); }, PressedKey::Z, true, false, 2, 0, 1, 0},
        {"Ctrl+Z while placing", [] { Click(AddUnitId); }, PressedKey::Z, true, false, 2, 0, 1, 0},
        {"Ctrl+Shift+Z", [] { Click(DeleteAllId); OnKeyPress(PressedKey::Z, true, false); }, PressedKey::Z, true,
         true, 0, 1, 0, 0},
        {"Delete on a selected unit", SelectFirstUnit, PressedKey::Delete, false, false, 1, 1, 0, 0},
        {"Delete on the information page", [] { SelectFirstUnit(); Click(PageSwitchId); }, PressedKey::Delete,
         false, false, 2, 0, 0, 0},
        {"Delete while placing", [] { Click(AddUnitId); }, PressedKey::Delete, false, false, 2, 2, 0, 0},
        {"Ctrl+S", [] {}, PressedKey::S, true, false, 2, 0, 0, 2},
        {"Ctrl+S while placing", [] { Click(AddUnitId); }, PressedKey::S, true, false, 3, 0, 0, 0},
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(Restart());
        c.setUp();
        headless::ClearMessages();
        OnKeyPress(c.key, c.ctrl, c.shift);
        Release(305, 305);
        EXPECT_EQ(currentLevel.unitCount, c.units) << c.name;
        EXPECT_EQ(UndoStepCount(), c.undo) << c.name;
        EXPECT_EQ(RedoStepCount(), c.redo) << c.name;
        EXPECT_EQ(headless::Messages().size(), c.messages) << c.name;
    }
}

// 600 changes on a level of 301 buildings and 51 units: at least 500 steps
// stay, within the limit, and the oldest went first.
TEST_F(UndoHistoryTest, TheLimitKeepsFiveHundredStepsOfTheLargestLevelAndDropsTheOldest) {
    for (int i = 0; i < BuildingAddLimit + 1; ++i) AddBuildingAt(25, i % 60, i / 60);
    for (int i = 0; i < UnitAddLimit + 1; ++i) AddUnitAt(1, i, 50);
    ClearUndoHistory();
    constexpr size_t Changes = 600;
    for (size_t i = 0; i < Changes; ++i) {
        editorState.selectedIndex = int32_t(i % 301 + 1);
        RunClickCommand(HealthDownId);
        FinishUndoableAction();
    }
    const size_t dropped = Changes - UndoStepCount();
    EXPECT_LE(dropped, 100u);
    EXPECT_LE(UndoHistoryBytes(), UndoHistoryByteLimit);
    while (UndoLastStep()) {}
    for (size_t b = 1; b <= 301; ++b) {
        const size_t lowered = dropped / 301 + (b - 1 < dropped % 301 ? 1 : 0);
        ASSERT_EQ(currentLevel.buildings[b].healthPercent, 100 - int32_t(lowered)) << "building " << b;
    }
}

}  // namespace
