// A fixture for tests that drive the editor as the window would: a started
// editor on the headless backend, in a fresh temporary working folder, with
// helpers to put objects on the map and to move and press the mouse.
#pragma once

#include <gtest/gtest.h>

#include "editor_test_support.h"
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
        ASSERT_NO_FATAL_FAILURE(StartEditor());
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

    // Each ends with the repaint that brings the cursor cell and the controls'
    // visibility up to date, as in the window.
    static void MoveTo(int x, int y) { OnMouseMove(x, y); }
    static void Press(int x, int y) { OnMouseDown(x, y, true); }
    static void Release(int x, int y, bool left = true) { OnMouseUp(x, y, left); }
};
