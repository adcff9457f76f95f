// The reader of the library whose writer the tool uses.
#define STB_IMAGE_IMPLEMENTATION
#define STB_IMAGE_STATIC
#define STBI_ONLY_PNG
#include <stb/stb_image.h>

#include "editor/editor.h"
#include "editor_window.h"
#include "level_tool_files.h"
#include "tools/level_tool/level_argument.h"
#include "tools/level_tool/level_render.h"
#include "tools/level_tool/png_image.h"

namespace {

bool DecodePng(const std::vector<uint8_t>& png, Canvas& canvas, std::string& error) {
    int width = 0, height = 0, channels = 0;
    stbi_uc* rgb = stbi_load_from_memory(png.data(), int(png.size()), &width, &height, &channels, 3);
    if (rgb == nullptr) {
        error = std::string("cannot read the PNG: ") + stbi_failure_reason();
        return false;
    }
    canvas.Resize(width, height);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const stbi_uc* pixel = &rgb[(size_t(y) * size_t(width) + size_t(x)) * 3];
            canvas.Row(y)[x] = Rgb(pixel[0], pixel[1], pixel[2]);
        }
    stbi_image_free(rgb);
    return true;
}

// A 96 x 80 level, the largest the editor holds, with buildings and units
// across the edges between the views the whole picture is made of, at every
// cell size, and objects of sides without a colour of their own.
void WriteLargeLevel() {
    std::vector<Building> objects;
    for (int32_t edge : {16, 32, 48, 64, 80}) {
        objects.push_back(BuildingOf(KindMainBase, edge - 2, edge - 1));
        objects.push_back(BuildingOf(KindRadar, edge - 1, 3));
        objects.push_back(BuildingOf(KindLaserTower, 5, edge - 1));
    }
    objects.push_back(BuildingOf(KindHeavyFactory, 92, 77));  // the map's bottom right corner
    objects.push_back(BuildingOf(KindRobotFactory, 40, 40));
    objects.back().side = 2;
    objects.push_back(BuildingOf(KindSmallTower, 41, 41));  // on top of the robot factory
    objects.back().side = 1;
    objects.push_back(BuildingOf(KindShellTower, 50, 50));
    objects.back().side = 6;
    std::vector<Unit> troops = {{1, 0, 63, 63}, {2, 1, 64, 64}, {3, 0, 95, 79}, {4, 1, 31, 0}, {5, 9, 32, 1}};
    ASSERT_TRUE(WriteWholeFile("M04.map", ToolTestMap(96, 80, 320, 160)));
    ASSERT_TRUE(WriteWholeFile("M04.edt", WriteEdt(LevelInfo{}, objects, troops)));
}

Level ReadLevelFiles(const char* name) {
    LevelPairPaths paths;
    Level level;
    std::string error;
    EXPECT_TRUE(LevelPathsOf(name, paths, error) && ReadLevelAt(paths, level, error)) << error;
    return level;
}

// The pixels of the editor's frame in the map view, from (0, 0) up to but not
// including (right, bottom), against the picture from (left, top).
::testing::AssertionResult SamePixels(const Canvas& frame, int right, int bottom, const Canvas& picture, int left,
                                      int top) {
    int differing = 0;
    for (int y = 0; y < bottom; ++y)
        for (int x = 0; x < right; ++x) differing += frame.Pixel(x, y) != picture.Pixel(left + x, top + y);
    if (differing == 0) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << differing << " pixels differ in the view at " << left << ", " << top;
}

class RenderLikeTheEditor : public EditorWindow, public testing::WithParamInterface<int> {};

TEST_P(RenderLikeTheEditor, EveryViewOfTheWholeMapAndTheFirstView) {
    const int size = GetParam();
    WriteLargeLevel();
    const Level level = ReadLevelFiles("M04");
    const Canvas first = RenderLevel(level, size, false);
    const Canvas whole = RenderLevel(level, size, true);
    ASSERT_EQ(first.Width(), 640);
    ASSERT_EQ(first.Height(), 640);
    ASSERT_EQ(whole.Width(), 96 * size + 1);
    ASSERT_EQ(whole.Height(), 80 * size + 1);

    editorState.levelNumber = 4;
    editorState.cellSize = size;
    LoadLevel();
    ASSERT_TRUE(editorState.mapLoaded && editorState.edtLoaded);
    Repaint();
    EXPECT_TRUE(SamePixels(headless::LastFrame(), 640, 640, first, 0, 0));

    // The views the scroll bars reach cover the map together; each shows its
    // cells as the picture does, up to the map's last grid line.
    const int cells = 640 / size;
    for (int32_t row : ViewStarts(80, cells))
        for (int32_t column : ViewStarts(96, cells)) {
            editorState.scrollX = column;
            editorState.scrollY = row;
            Repaint();
            const int right = std::min(641, (96 - column) * size + 1);
            const int bottom = std::min(641, (80 - row) * size + 1);
            EXPECT_TRUE(SamePixels(headless::LastFrame(), right, bottom, whole, column * size, row * size));
        }
}

INSTANTIATE_TEST_SUITE_P(CellSizes, RenderLikeTheEditor, testing::Values(10, 20, 40),
                         [](const testing::TestParamInfo<int>& info) { return "Cell" + std::to_string(info.param); });

TEST(ViewStarts, OneViewApartAndNeverPastTheScrollBarsEnd) {
    EXPECT_EQ(ViewStarts(96, 64), (std::vector<int32_t>{0, 32}));
    EXPECT_EQ(ViewStarts(96, 16), (std::vector<int32_t>{0, 16, 32, 48, 64, 80}));
    EXPECT_EQ(ViewStarts(80, 32), (std::vector<int32_t>{0, 32, 48}));
    EXPECT_EQ(ViewStarts(20, 64), (std::vector<int32_t>{0}));
    EXPECT_EQ(ViewStarts(64, 64), (std::vector<int32_t>{0}));
}

// A map smaller than the view (but at cell size 40): the first view shows
// the ground beyond it as the editor does, the whole picture stops at its
// last grid line.
TEST_P(RenderLikeTheEditor, ASmallMap) {
    ASSERT_TRUE(WriteWholeFile("M02.map", ToolTestMap(20, 15)));
    ASSERT_TRUE(WriteWholeFile("M02.edt", WriteEdt(LevelInfo{}, std::vector<Building>{BuildingOf(KindMainBase, 17, 13)},
                                                   std::vector<Unit>{{1, 0, 19, 14}})));
    const Level level = ReadLevelFiles("M02.edt");
    const Canvas first = RenderLevel(level, GetParam(), false);
    const Canvas whole = RenderLevel(level, GetParam(), true);
    EXPECT_EQ(whole.Width(), 20 * GetParam() + 1);
    EXPECT_EQ(whole.Height(), 15 * GetParam() + 1);
    EXPECT_TRUE(SamePixels(first, std::min(640, whole.Width()), std::min(640, whole.Height()), whole, 0, 0));
    EXPECT_EQ(whole.Pixel(whole.Width() - 1, 5), Rgb(0, 0, 0));  // the last grid lines
    EXPECT_EQ(whole.Pixel(5, whole.Height() - 1), Rgb(0, 0, 0));
}

using RenderCommand = LevelFolder;

TEST_F(RenderCommand, WritesThePictureAsPng) {
    WriteLargeLevel();
    const ToolRun run = RunTool({"render", "M04.map", "--whole", "--cell", "20", "-o", "m04.png"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "wrote m04.png (1921 x 1601 pixels)\n");
    Canvas read;
    std::string error;
    ASSERT_TRUE(DecodePng(ReadWholeFile("m04.png"), read, error)) << error;
    const Canvas drawn = RenderLevel(ReadLevelFiles("M04"), 20, true);
    EXPECT_EQ(read.Pixels(), drawn.Pixels());
    EXPECT_EQ(read.Width(), drawn.Width());
}

}  // namespace
