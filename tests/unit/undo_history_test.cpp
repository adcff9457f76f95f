// Undo and redo as the user reaches them: through the mouse hooks and the key
// presses of the started editor.
#include <vector>

#include "controls/control_ids.h"
#include "editor_window.h"
#include "input/undo_history.h"

namespace {

using platform::PressedKey;

class UndoHistoryTest : public EditorWindow {
  protected:
    void SetUp() override {
        EditorWindow::SetUp();
        PutObjects();
    }

    static void PutObjects() {
        AddBuildingAt(101, 10, 10);
        AddBuildingAt(25, 30, 30);
        AddUnitAt(7, 5, 5);
        AddUnitAt(8, 40, 40);
        ClearUndoHistory();  // as after loading these
    }
    // The editor started afresh on the same objects, for the next case of a table.
    static void Restart() {
        headless::Reset();
        ASSERT_NO_FATAL_FAILURE(StartEditor());
        editorState.mapLoaded = editorState.edtLoaded = true;
        PutObjects();
        Repaint();  // what a key reaches is what the last paint showed
    }

    static void Click(int id) {
        const Rect r = RectOf(id);
        const int x = (r.left + r.right) / 2, y = (r.top + r.bottom) / 2;
        MoveTo(x, y);
        Press(x, y);
        Release(x, y);
    }
    // The hover follows one movement late: two movements onto the object first.
    static void Drag(int fromX, int fromY, int toX, int toY) {
        MoveTo(fromX, fromY);
        MoveTo(fromX, fromY);
        Press(fromX, fromY);
        MoveTo(toX, toY);
        Release(toX, toY);
    }
    static void SelectFactory() { Drag(105, 105, 105, 105); }
    static void SelectFirstUnit() { Drag(55, 55, 55, 55); }
    static void Key(PressedKey key, bool ctrl = true, bool shift = false) { OnKeyPress(key, ctrl, shift); }
};

TEST_F(UndoHistoryTest, EachActionThatChangesTheLevelIsOneStepAndUndoesExactly) {
    const struct {
        const char* name;
        void (*act)();
        size_t steps;
    } cases[] = {
        {"a unit dragged to another cell", [] { Drag(55, 55, 205, 105); }, 1},
        {"a unit pressed and released where it stands", [] { Drag(55, 55, 55, 55); }, 0},
        {"a building added, its kind stepped while placing, placed and dragged on",
         [] {
             Click(AddBuildingId);
             Click(KindUpId);
             Drag(300, 300, 400, 300);
         },
         1},
        {"health down ten", [] { SelectFactory(); Click(HealthDownTenId); }, 1},
        {"health up at full health", [] { SelectFactory(); Click(HealthUpTenId); }, 0},
        {"two clicks", [] { SelectFactory(); Click(HealthDownTenId); Click(HealthDownId); }, 2},
        {"credits up on the information page", [] { Click(PageSwitchId); Click(FirstValueRowId + 2); }, 1},
        {"start position right", [] { Click(PageSwitchId); Click(StartColumnUpId); }, 1},
        {"the selected unit deleted", [] { SelectFirstUnit(); Click(DeleteSelectedId); }, 1},
        {"everything deleted", [] { Click(DeleteAllId); }, 1},
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(Restart());
        const LevelEdits before = EditsOf(currentLevel);
        c.act();
        const LevelEdits after = EditsOf(currentLevel);
        EXPECT_EQ(UndoStepCount(), c.steps) << c.name;
        const EditorState view = editorState;
        for (size_t n = 0; n < c.steps; ++n) EXPECT_TRUE(UndoLastStep()) << c.name;
        EXPECT_FALSE(UndoLastStep()) << c.name;
        EXPECT_TRUE(EditsOf(currentLevel) == before) << c.name;
        // The view stays as it was.
        EXPECT_EQ(editorState.infoMode, view.infoMode) << c.name;
        EXPECT_EQ(editorState.cellSize, view.cellSize) << c.name;
        EXPECT_EQ(editorState.scrollX, view.scrollX) << c.name;
        for (size_t n = 0; n < c.steps; ++n) EXPECT_TRUE(RedoLastStep()) << c.name;
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
        {"a click that changes nothing", LevelDownId, 1, 1},
        {"saving", SaveLevelId, 1, 1},
        {"loading", LoadLevelId, 0, 0},
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(Restart());
        SelectFactory();
        Click(HealthDownTenId);
        Click(HealthDownTenId);
        Key(PressedKey::Z);
        Click(c.id);
        EXPECT_EQ(UndoStepCount(), c.undo) << c.name;
        EXPECT_EQ(RedoStepCount(), c.redo) << c.name;
    }
}

TEST_F(UndoHistoryTest, UndoClearsOnlyTheNumbersThatNameNoRecord) {
    Click(AddUnitId);
    Drag(300, 300, 300, 300);  // placed: unit 3
    const struct {
        const char* name;
        int32_t selected;
        bool selectedIsUnit;
        int32_t hover;
        bool hoverIsUnit;
        int32_t selectedAfter, hoverAfter;
    } cases[] = {
        {"the removed unit selected, a building hovered", 3, true, 2, false, 0, 2},
        {"a unit that stays selected, the removed one hovered", 1, true, 3, true, 1, 0},
        {"building 3 does not exist", 3, false, 0, false, 0, 0},
    };
    for (const auto& c : cases) {
        editorState.selectedIndex = c.selected;
        editorState.selectedIsUnit = c.selectedIsUnit;
        editorState.hoverIndex = c.hover;
        editorState.hoverIsUnit = c.hoverIsUnit;
        ASSERT_TRUE(UndoLastStep()) << c.name;
        EXPECT_EQ(currentLevel.unitCount, 2) << c.name;
        EXPECT_EQ(editorState.selectedIndex, c.selectedAfter) << c.name;
        EXPECT_EQ(editorState.hoverIndex, c.hoverAfter) << c.name;
        ASSERT_TRUE(RedoLastStep()) << c.name;
    }
}

TEST_F(UndoHistoryTest, CtrlZDuringADragPutsTheObjectBackAndTheReleaseMovesNothing) {
    MoveTo(55, 55);
    MoveTo(55, 55);
    Press(55, 55);
    MoveTo(205, 105);
    Key(PressedKey::Z);
    EXPECT_EQ(currentLevel.units[1], (Unit{7, 0, 5, 5}));
    MoveTo(305, 305);
    Release(305, 305);
    EXPECT_EQ(currentLevel.units[1], (Unit{7, 0, 5, 5}));
    Key(PressedKey::Y);
    EXPECT_EQ(currentLevel.units[1], (Unit{7, 0, 20, 10}));
    Key(PressedKey::Z);
    Key(PressedKey::Z, true, true);
    EXPECT_EQ(currentLevel.units[1], (Unit{7, 0, 20, 10}));
}

TEST_F(UndoHistoryTest, CtrlZWhilePlacingRemovesThePlacedObject) {
    Click(AddUnitId);
    MoveTo(300, 300);
    Key(PressedKey::Z);
    EXPECT_EQ(currentLevel.unitCount, 2);
    EXPECT_FALSE(editorState.placing);
    EXPECT_EQ(editorState.selectedIndex, 0);
    Press(300, 300);
    MoveTo(310, 300);
    Release(310, 300);
    EXPECT_EQ(currentLevel.unitCount, 2);
    EXPECT_EQ(RedoStepCount(), 1u);
}

TEST_F(UndoHistoryTest, DeleteAndCtrlSActOnlyWhereTheirButtonsAre) {
    const struct {
        const char* name;
        void (*setUp)();
        PressedKey key;
        bool ctrl, shift;
        int32_t units;
        size_t steps, messages;
        bool repainted;
    } cases[] = {
        {"Delete on a selected unit", SelectFirstUnit, PressedKey::Delete, false, false, 1, 1, 0, true},
        {"Shift+Delete", SelectFirstUnit, PressedKey::Delete, false, true, 1, 1, 0, true},
        {"Delete with nothing selected", [] {}, PressedKey::Delete, false, false, 2, 0, 0, false},
        {"Delete on the information page", [] { SelectFirstUnit(); Click(PageSwitchId); }, PressedKey::Delete,
         false, false, 2, 0, 0, false},
        {"Ctrl+Delete", SelectFirstUnit, PressedKey::Delete, true, false, 2, 0, 0, false},
        // Placing ends first, which makes the new unit a step of its own.
        {"Delete while placing", [] { Click(AddUnitId); }, PressedKey::Delete, false, false, 2, 2, 0, true},
        {"Ctrl+S", [] {}, PressedKey::S, true, false, 2, 0, 2, true},
        {"Ctrl+S while placing", [] { Click(AddUnitId); }, PressedKey::S, true, false, 3, 0, 0, false},
        {"Ctrl+S on the help screen", [] { Click(HelpButtonId); }, PressedKey::S, true, false, 2, 0, 0, false},
        {"Ctrl+Shift+S", [] {}, PressedKey::S, true, true, 2, 0, 0, false},
        {"S alone", [] {}, PressedKey::S, false, false, 2, 0, 0, false},
    };
    for (const auto& c : cases) {
        ASSERT_NO_FATAL_FAILURE(Restart());
        c.setUp();
        headless::ClearMessages();
        const int presents = headless::PresentCount();
        Key(c.key, c.ctrl, c.shift);
        EXPECT_EQ(currentLevel.unitCount, c.units) << c.name;
        EXPECT_EQ(UndoStepCount(), c.steps) << c.name;
        EXPECT_EQ(headless::Messages().size(), c.messages) << c.name;
        EXPECT_EQ(headless::PresentCount() != presents, c.repainted) << c.name;
    }
}

// 600 changes on a level of 301 buildings and 51 units: at least 500 steps
// stay, within the limit, and the oldest went first.
TEST_F(UndoHistoryTest, TheLimitKeepsFiveHundredStepsOfTheLargestLevelAndDropsTheOldest) {
    currentLevel.buildingCount = currentLevel.unitCount = 0;
    for (int i = 0; i < BuildingAddLimit + 1; ++i) AddBuildingAt(25, i % 60, i / 60);
    for (int i = 0; i < UnitAddLimit + 1; ++i) AddUnitAt(1, i, 50);
    ClearUndoHistory();
    constexpr int Changes = 600;
    for (int i = 0; i < Changes; ++i) {
        editorState.selectedIndex = i % 301 + 1;
        RunClickCommand(HealthDownId);
        FinishUndoableAction();
    }
    const size_t kept = UndoStepCount();
    EXPECT_GE(kept, 500u);
    EXPECT_LE(UndoHistoryBytes(), UndoHistoryByteLimit);
    while (UndoLastStep()) {}
    const size_t dropped = Changes - kept;
    for (size_t b = 1; b <= 301; ++b) {
        const size_t lowered = dropped / 301 + (b - 1 < dropped % 301 ? 1 : 0);
        ASSERT_EQ(currentLevel.buildings[b].healthPercent, 100 - int32_t(lowered)) << "building " << b;
    }
}

}  // namespace
