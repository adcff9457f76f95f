#include <gtest/gtest.h>

#include <cstring>
#include <set>

#include "controls/control_list.h"
#include "draw/bitmap_catalogue.h"
#include "editor/editor.h"
#include "engine/headless/headless.h"
#include "input/editor_state.h"
#include "level/level_data.h"
#include "input/level_files.h"

namespace {

class StartUp : public testing::Test {
protected:
    void SetUp() override {
        headless::Reset();
        ResetEditorGlobals();
        currentLevel.mapGrid.cells[10][10] = 13;  // start-up must clear what an earlier run left
        currentLevel.mapGrid.columns = 20;
        editorState.levelNumber = 7;
        ASSERT_TRUE(EditorInitialize(nullptr));
        ASSERT_TRUE(editorEngine->CreateMainWindow(1));
    }
    void TearDown() override {
        ResetEditorGlobals();
        headless::Reset();
    }
};

TEST_F(StartUp, BuildsEveryRecordBeforeTheFirstPaint) {
    EXPECT_EQ(controlList.Count(), 131);
    for (int id = 1; id <= 131; ++id) {
        ASSERT_NE(FindControl(id), nullptr) << id;
        EXPECT_EQ(FindControl(id)->GetId(), id);
    }
    EXPECT_EQ(currentLevel.mapGrid.columns, 64);
    EXPECT_EQ(currentLevel.mapGrid.rows, 64);
    EXPECT_EQ(currentLevel.mapGrid.cells[10][10], 0);
    EXPECT_EQ(editorState.levelNumber, 1);
    EXPECT_EQ(editorState.cellSize, 10);
    EXPECT_EQ(editorState.dragIndex, -1);
    EXPECT_GE(headless::PresentCount(), 1);
}

TEST_F(StartUp, LoadsTheCatalogueWithItsSizes) {
    ASSERT_NE(interfaceBitmaps[0], nullptr);
    EXPECT_EQ(interfaceBitmaps[0]->Width(), 270);
    EXPECT_EQ(interfaceBitmaps[0]->Height(), 695);
    const std::pair<int, int> pieceSizes[] = {{10, 20}, {10, 20}, {1, 20}, {1, 20}, {10, 20}, {10, 20},
                                              {10, 20}, {1, 20},  {10, 20}, {20, 10}, {20, 1}, {20, 10}};
    for (int slot = 1; slot <= 12; ++slot) {
        ASSERT_NE(interfaceBitmaps[slot], nullptr);
        EXPECT_EQ(interfaceBitmaps[slot]->Width(), pieceSizes[slot - 1].first) << "slot " << slot;
        EXPECT_EQ(interfaceBitmaps[slot]->Height(), pieceSizes[slot - 1].second) << "slot " << slot;
    }
    for (int slot = 13; slot < InterfaceBitmapCount; ++slot) {
        EXPECT_EQ(interfaceBitmaps[slot]->Width(), 40);
        EXPECT_EQ(interfaceBitmaps[slot]->Height(), 40);
    }
    std::set<const Bitmap*> distinct;
    for (Bitmap* icon : iconBitmaps) {
        ASSERT_NE(icon, nullptr);
        EXPECT_FALSE(icon->IsEmpty());
        EXPECT_EQ(icon->Width(), 40);
        EXPECT_EQ(icon->Height(), 40);
        distinct.insert(icon);
    }
    EXPECT_EQ(distinct.size(), size_t(IconBitmapCount));  // twice-loaded pictures are separate objects
}

TEST_F(StartUp, TheTwiceLoadedPicturesMatchPixelForPixel) {
    for (int code = 30; code < 35; ++code) {
        const Bitmap& first = *iconBitmaps[code];
        const Bitmap& second = *iconBitmaps[code + 5];
        ASSERT_FALSE(first.IsEmpty());
        EXPECT_TRUE(std::equal(first.Pixels(), first.Pixels() + 1600, second.Pixels())) << code;
    }
}

TEST_F(StartUp, TheOverlayLeavesOnePixelInFourOfAnIcon) {
    Canvas canvas(40, 40, Rgb(10, 200, 30));
    iconBitmaps[0]->Blit(canvas, 0, 0, true, TransparentColour);
    int visible = 0;
    for (int y = 0; y < 40; ++y)
        for (int x = 0; x < 40; ++x) visible += canvas.Pixel(x, y) == Rgb(10, 200, 30);
    EXPECT_EQ(visible, 400);
}

TEST_F(StartUp, ClosingFreesTheCatalogue) {
    headless::PushEvent({platform::EventType::Close});
    EXPECT_EQ(editorEngine->RunMessageLoop(), 0);
    EXPECT_EQ(editorEngine, nullptr);
    EXPECT_EQ(interfaceBitmaps[0], nullptr);
}

TEST_F(StartUp, TheResetLeavesNothingOfARun) {
    editorState.selectedIndex = 3;
    currentLevel.buildingCount = 4;
    currentLevel.levelInfo.credits[1] = 900;
    std::strcpy(mapFileName, "M07.map");
    std::strcpy(edtFileName, "M07.edt");
    mapFileRefused = true;
    ResetEditorGlobals();
    EXPECT_EQ(editorEngine, nullptr);
    EXPECT_TRUE(offscreenFrame.IsEmpty());
    EXPECT_EQ(interfaceBitmaps[0], nullptr);
    EXPECT_EQ(iconBitmaps[IconBitmapCount - 1], nullptr);
    EXPECT_EQ(controlList.Count(), 0);
    EXPECT_EQ(editorState, EditorState{});
    EXPECT_EQ(currentLevel.buildingCount, 0);
    EXPECT_EQ(currentLevel.levelInfo.credits[1], 0);
    EXPECT_STREQ(mapFileName, "");
    EXPECT_STREQ(edtFileName, "");
    EXPECT_FALSE(mapFileRefused);
}

TEST_F(StartUp, FramesCountToFiveThousandThirtyNineAndWrap) {
    editorState.frameCount = 5038;
    const int expected[] = {5039, 0, 1};
    for (int want : expected) {
        OnFrame();
        EXPECT_EQ(editorState.frameCount, want);
    }
}

}  // namespace
