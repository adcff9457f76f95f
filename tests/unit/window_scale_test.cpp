#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <random>
#include <string>
#include <vector>

#include "editor/editor.h"
#include "editor/editor_hooks.h"
#include "engine/frame_scaling.h"
#include "engine/headless/headless.h"
#include "engine/window_scale.h"

namespace {

constexpr PixelSize Frame{940, 695};

TEST(WindowScale, TheDisplaysFactorWhenItFitsElseTheLargestWholeScaleThatFits) {
    const struct {
        int displayDpi, requested;
        PixelSize decoration, usable;
        int scaleDpi;
        PixelSize window;
    } cases[] = {
        {96, 0, {}, {1280, 1024}, 96, {940, 695}},
        {192, 0, {}, {2560, 1600}, 192, {1880, 1390}},
        {192, 0, {}, {1280, 1024}, 96, {940, 695}},
        {144, 0, {}, {1600, 1200}, 144, {1410, 1043}},
        {120, 0, {}, {1600, 1200}, 120, {1175, 869}},
        {168, 0, {}, {1600, 1200}, 96, {940, 695}},     // 1645 wide does not fit
        {288, 0, {}, {2560, 1600}, 192, {1880, 1390}},  // 3 does not fit, 2 does
        {72, 0, {}, {1280, 1024}, 96, {940, 695}},      // never below 1
        {192, 0, {}, {1880, 1390}, 192, {1880, 1390}},  // exactly fits
        {192, 0, {6, 22}, {1880, 1390}, 96, {940, 695}},
        {192, 0, {}, {}, 192, {1880, 1390}},  // usable area not known
        {96, 2, {}, {2560, 1600}, 192, {1880, 1390}},
        {192, 1, {}, {2560, 1600}, 96, {940, 695}},
        {96, 4, {}, {2560, 1600}, 192, {1880, 1390}},  // asked for, and reduced to fit too
        {96, 3, {}, {3840, 2160}, 288, {2820, 2085}},
    };
    for (const auto& c : cases) {
        const int scale = ChooseScaleDpi(c.displayDpi, c.requested, Frame, c.decoration, c.usable);
        EXPECT_EQ(scale, c.scaleDpi) << c.displayDpi << " dpi, --scale " << c.requested << ", "
                                     << c.usable.width << "x" << c.usable.height;
        EXPECT_EQ(ScaledSize(Frame, scale).width, c.window.width) << scale;
        EXPECT_EQ(ScaledSize(Frame, scale).height, c.window.height) << scale;
    }
}

// Each frame pixel is under a run of window pixels that follows the run before
// it, and at a whole scale N that run is the N by N block it is drawn as.
TEST(WindowScale, WindowPixelsMapBackToTheFramePixelTheyShow) {
    for (int scaleDpi : {96, 120, 144, 168, 192, 288, 384}) {
        const int windowWidth = ScaledSize(Frame, scaleDpi).width;
        int previous = 0;
        for (int x = 0; x < windowWidth; ++x) {
            const int framePixel = FramePixelAt(x, Frame.width, scaleDpi);
            ASSERT_TRUE(framePixel == previous || framePixel == previous + 1) << scaleDpi << " at " << x;
            if (scaleDpi % UnscaledDpi == 0) {
                ASSERT_EQ(framePixel, x / (scaleDpi / UnscaledDpi));
            }
            previous = framePixel;
        }
        EXPECT_EQ(previous, Frame.width - 1) << scaleDpi;
    }
    EXPECT_EQ(FramePixelAt(65535, Frame.width, UnscaledDpi), 65535);
}

TEST(FrameScaling, WholeScalesGiveBlocksAndFractionalOnesMixOnlyWhatStraddles) {
    constexpr Colour B = 0, W = 0xFFFFFF;
    const Colour Half = Rgb(128, 128, 128);
    const struct {
        int scaleDpi;
        std::vector<Colour> window;
    } cases[] = {
        {192, {B, B, W, W, B, B, W, W}},
        {288, {B, B, B, W, W, W, B, B, B, W, W, W}},
        {144, {B, Half, W, B, Half, W}},
        {120, {B, Rgb(191, 191, 191), Half, Rgb(64, 64, 64), W}},
    };
    const std::vector<Colour> frameLine{B, W, B, W};
    for (const auto& c : cases) {
        for (bool across : {true, false}) {
            Canvas frame(across ? 4 : 1, across ? 1 : 4);
            for (int i = 0; i < 4; ++i) frame.PutPixel(across ? i : 0, across ? 0 : i, frameLine[size_t(i)]);
            const PixelSize size = ScaledSize({frame.Width(), frame.Height()}, c.scaleDpi);
            std::vector<Colour> window(size_t(size.width) * size_t(size.height), 0x123456);
            ScaleFrame(frame, window.data(), size.width, size.height, size_t(size.width) * sizeof(Colour));
            std::vector<Colour> line;  // the first row, or the first column
            for (int i = 0; i < (across ? size.width : size.height); ++i)
                line.push_back(window[across ? size_t(i) : size_t(i) * size_t(size.width)]);
            EXPECT_EQ(line, c.window) << c.scaleDpi << (across ? " across" : " down");
        }
    }
}

// Drawing a part of the window draws exactly the pixels that scaling the whole
// frame gives there, at its edges too, and nothing outside it.
TEST(FrameScaling, AnAreaOfTheWindowGetsTheWholeScalingsPixelsThereAndNothingElse) {
    constexpr Colour Untouched = 0x123456;
    std::mt19937 random(7);
    Canvas frame(23, 17);
    for (int y = 0; y < frame.Height(); ++y)
        for (int x = 0; x < frame.Width(); ++x) frame.PutPixel(x, y, Colour(random() & 0xFFFFFF));
    for (const int scaleDpi : {96, 120, 144, 192, 288}) {
        const PixelSize size = ScaledSize({frame.Width(), frame.Height()}, scaleDpi);
        const size_t pitch = size_t(size.width) * sizeof(Colour);
        std::vector<Colour> whole(size_t(size.width) * size_t(size.height));
        ScaleFrame(frame, whole.data(), size.width, size.height, pitch);
        for (int round = 0; round < 50; ++round) {
            const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
            const int left = between(0, size.width - 1), top = between(0, size.height - 1);
            const PixelRect area{left, top, between(left + 1, size.width), between(top + 1, size.height)};
            std::vector<Colour> window(whole.size(), Untouched);
            ScaleFrameArea(frame, window.data(), size.width, size.height, pitch, area);
            for (int y = 0; y < size.height; ++y)
                for (int x = 0; x < size.width; ++x) {
                    const bool inside = x >= area.left && x < area.right && y >= area.top && y < area.bottom;
                    const size_t at = size_t(y) * size_t(size.width) + size_t(x);
                    ASSERT_EQ(window[at], inside ? whole[at] : Untouched) << scaleDpi << " at " << x << ", " << y;
                }
        }
    }
}

// The command line is read before anything else; a bad one ends the program
// with a message and no window.
class ProgramArguments : public testing::Test {
protected:
    void SetUp() override {
        previousFolder = std::filesystem::current_path();
        headless::Reset();
        ResetEditorGlobals();
    }
    void TearDown() override {
        std::filesystem::current_path(previousFolder);
        ResetEditorGlobals();
        headless::Reset();
    }
    std::filesystem::path previousFolder;
};

TEST_F(ProgramArguments, BadOnesAreReportedAndEndTheProgram) {
    const std::string usage = "\nusage: tarnhold-editor [--scale N] [FOLDER]";
    const struct {
        std::vector<std::string> arguments;
        const char* problem;
    } cases[] = {
        {{"--scale", "7"}, "--scale takes a whole number from 1 to 4, not '7'"},
        {{"--scale", "x"}, "--scale takes a whole number from 1 to 4, not 'x'"},
        {{"--scale", "0"}, "--scale takes a whole number from 1 to 4, not '0'"},
        {{"--scale"}, "--scale needs a whole number from 1 to 4"},
        {{"--scale", "2", "--scale", "2"}, "--scale is given twice"},
        {{"--zoom"}, "unknown option '--zoom'"},
        {{".", ".."}, "one folder only, but both '.' and '..' are given"},
        {{"no such folder"}, "cannot work in 'no such folder': no such folder, or it cannot be entered"},
    };
    for (const auto& c : cases) {
        headless::Reset();
        headless::SetProgramArguments(c.arguments);
        EXPECT_EQ(RunEditorProgram(), 2) << c.problem;
        ASSERT_EQ(headless::Messages().size(), 1u) << c.problem;
        EXPECT_EQ(headless::Messages()[0].text, c.problem + usage);
        EXPECT_EQ(headless::Messages()[0].caption, "tarnhold-editor");
        EXPECT_EQ(headless::PresentCount(), 0) << c.problem;
        EXPECT_EQ(std::filesystem::current_path(), previousFolder);
    }
}

TEST_F(ProgramArguments, TheFolderGivenBecomesTheWorkingFolder) {
    const std::filesystem::path folder = std::filesystem::temp_directory_path() / "关卡 levels";
    std::filesystem::create_directories(folder);
    headless::SetProgramArguments({folder.string(), "--scale", "3"});
    headless::CloseWindowAt(100);
    EXPECT_EQ(RunEditorProgram(), 0);
    EXPECT_TRUE(headless::Messages().empty());
    EXPECT_EQ(std::filesystem::current_path(), folder);
    std::filesystem::current_path(previousFolder);
    std::filesystem::remove(folder);
}

}  // namespace
