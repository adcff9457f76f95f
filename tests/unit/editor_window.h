// A fixture for tests that drive the editor as the window would: a started
// editor on the headless backend, in a fresh temporary working folder, with
// helpers to put objects on the map and to show controls as a paint would.
#pragma once

#include <gtest/gtest.h>

#include <initializer_list>

#include "controls/control_list.h"
#include "editor/editor.h"
#include "engine/game_engine.h"
#include "engine/headless/headless.h"
#include "input/commands.h"
#include "input/editor_state.h"
#include "input/mouse.h"
#include "level/level_data.h"
#include "level_folder.h"

class EditorWindow : public LevelFolder {
  protected:
    void SetUp() override {
        LevelFolder::SetUp();
        ResetEditorGlobals();
        ASSERT_TRUE(EditorInitialize(nullptr));
        ASSERT_TRUE(editorEngine->CreateMainWindow(1));
        // As after loading a level of the start size: the object buttons are offered.
        editorState.mapLoaded = true;
        editorState.edtLoaded = true;
    }
    void TearDown() override {
        ResetEditorGlobals();
        LevelFolder::TearDown();
    }

    static int32_t AddBuildingAt(int32_t kind, int32_t x, int32_t y) {
        const int32_t n = currentLevel.buildingCount + 1;
        EnsureBuildingNumber(currentLevel, n);
        currentLevel.buildings[size_t(n)] = DefaultBuilding();
        ApplyBuildingKind(currentLevel.buildings[size_t(n)], kind);
        currentLevel.buildings[size_t(n)].x = x;
        currentLevel.buildings[size_t(n)].y = y;
        currentLevel.buildingCount = n;
        return n;
    }

    static int32_t AddUnitAt(int32_t kind, int32_t x, int32_t y) {
        const int32_t n = currentLevel.unitCount + 1;
        EnsureUnitNumber(currentLevel, n);
        currentLevel.units[size_t(n)] = Unit{kind, 0, x, y};
        currentLevel.unitCount = n;
        return n;
    }

    // What the object page's paint does with the pointer: the cell under it, or
    // (0, 0) outside the map view.
    static void PaintCursorCell() {
        EditorState& state = editorState;
        const bool inside = 0 < state.lastMouseX && state.lastMouseX < 640 && 0 < state.lastMouseY &&
                            state.lastMouseY < 640;
        state.cursorCellX = inside ? state.lastMouseX / state.cellSize + state.scrollX : 0;
        state.cursorCellY = inside ? state.lastMouseY / state.cellSize + state.scrollY : 0;
    }

    // A pointer movement followed by the paint it ends with.
    static void MoveTo(int x, int y) {
        OnMouseMove(x, y);
        PaintCursorCell();
    }

    static void Press(int x, int y) {
        OnMouseDown(x, y, true);
        PaintCursorCell();
    }

    static void Release(int x, int y, bool left = true) {
        OnMouseUp(x, y, left);
        PaintCursorCell();
    }

    // Clicks reach only what the last paint showed; the tests say what that was.
    static void Show(std::initializer_list<int> ids, bool shown = true) {
        for (int id : ids) FindControl(id)->SetVisible(shown);
    }

    static Rect RectOf(int id) { return FindControl(id)->GetRect(); }
};
