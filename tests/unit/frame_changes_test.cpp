#include <gtest/gtest.h>

#include <functional>
#include <random>
#include <vector>

#include "engine/frame_changes.h"
#include "engine/frame_scaling.h"
#include "engine/window_scale.h"

namespace {

constexpr int Width = 200, Height = 150;
constexpr Colour Ground = Rgb(45, 50, 46);

}  // namespace

void PrintTo(const PixelRect& r, std::ostream* out) {
    *out << "{" << r.left << "," << r.top << "," << r.right << "," << r.bottom << "}";
}

namespace {

struct PresentStep {
    const char* name;
    std::function<void(Canvas&, FrameChanges&)> change;
    int scaleDpi;
    std::vector<PixelRect> sent;
};

TEST(FrameChanges, SendsTheChangedRectanglesAndTheWholeWindowWhenItLostWhatItShowed) {
    const auto dot = [](int x, int y, Colour colour) {
        return [=](Canvas& frame, FrameChanges&) { frame.PutPixel(x, y, colour); };
    };
    const auto nothing = [](Canvas&, FrameChanges&) {};
    const PixelRect whole{0, 0, Width, Height}, doubled{0, 0, 2 * Width, 2 * Height};
    const PresentStep steps[] = {
        {"the first frame", nothing, UnscaledDpi, {whole}},
        {"the same frame", nothing, UnscaledDpi, {}},
        {"one pixel", dot(10, 20, 1), UnscaledDpi, {{10, 20, 11, 21}}},
        {"a caption's letters",
         [](Canvas& frame, FrameChanges&) {
             frame.PutPixel(100, 50, 1);
             frame.PutPixel(108, 50, 1);
             frame.PutPixel(112, 53, 1);
         },
         UnscaledDpi,
         {{100, 50, 113, 54}}},
        {"two far apart",
         [](Canvas& frame, FrameChanges&) {
             frame.PutPixel(5, 5, 2);
             frame.PutPixel(150, 120, 2);
         },
         UnscaledDpi,
         {{5, 5, 6, 6}, {150, 120, 151, 121}}},
        {"two near each other",
         [](Canvas& frame, FrameChanges&) {
             frame.PutPixel(5, 5, 3);
             frame.PutPixel(40, 9, 3);
         },
         UnscaledDpi,
         {{5, 5, 41, 10}}},
        {"whole frames asked for", [](Canvas&, FrameChanges& changes) { changes.SendWholeFrames(true); }, UnscaledDpi,
         {whole}},
        {"hidden from the comparison", dot(60, 60, 6), UnscaledDpi, {whole}},
        {"compared again, against what was sent whole",
         [](Canvas& frame, FrameChanges& changes) {
             changes.SendWholeFrames(false);
             frame.PutPixel(60, 60, Ground);
         },
         UnscaledDpi,
         {whole}},
        {"a new scale", nothing, 2 * UnscaledDpi, {doubled}},
        {"one pixel at scale 2", dot(10, 20, 2), 2 * UnscaledDpi, {{20, 40, 22, 42}}},
        {"another scale", nothing, 144, {{0, 0, Width * 3 / 2, Height * 3 / 2}}},
        {"one pixel at scale 1.5, mapped outward", dot(11, 21, 3), 144, {{15, 30, 18, 33}}},
        {"scale 1 again", nothing, UnscaledDpi, {whole}},
        {"the window uncovered", [](Canvas&, FrameChanges& changes) { changes.SendWholeNext(); }, UnscaledDpi, {whole}},
        {"dots scattered all over",
         [](Canvas& frame, FrameChanges&) {
             for (int y = 0; y < Height; y += 20)
                 for (int x = 0; x < Width; x += 20) frame.PutPixel(x, y, 5);
         },
         UnscaledDpi,
         {whole}},
        {"the same frame again", nothing, UnscaledDpi, {}},
        {"most of the frame", [](Canvas& frame, FrameChanges&) { frame.FillRect({0, 0, Width, 100}, 4); },
         UnscaledDpi,
         {whole}},
        {"another size", [](Canvas& frame, FrameChanges&) { frame.Resize(Width, Height / 2, Ground); }, UnscaledDpi,
         {{0, 0, Width, Height / 2}}},
    };
    FrameChanges changes;
    Canvas frame(Width, Height, Ground);
    for (const PresentStep& step : steps) {
        step.change(frame, changes);
        EXPECT_EQ(changes.Take(frame, step.scaleDpi), step.sent) << step.name;
    }
}

// Whatever changes, a window that draws only the rectangles sent, each scaled on
// its own, shows the frame as scaling it whole would.
TEST(FrameChanges, AWindowDrawingOnlyTheSentRectanglesShowsTheWholeFrameAtEveryScale) {
    std::mt19937 random(14);
    const auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (const int scaleDpi : {96, 120, 144, 192, 288}) {
        const PixelSize size = ScaledSize({Width, Height}, scaleDpi);
        const size_t pitch = size_t(size.width) * sizeof(Colour);
        std::vector<Colour> window(size_t(size.width) * size_t(size.height)), whole(window.size());
        FrameChanges changes;
        Canvas frame(Width, Height, Ground);
        int partial = 0;
        for (int round = 0; round < 40; ++round) {
            // Outlines, captions, single pixels: a few small changes.
            for (int count = between(1, 8); count > 0; --count) {
                const int x = between(-4, Width - 1), y = between(-4, Height - 1);
                frame.FillRect({x, y, x + between(1, 12), y + between(1, 12)}, Colour(between(0, 0xFFFFFF)));
            }
            const std::vector<PixelRect>& sent = changes.Take(frame, scaleDpi);
            ASSERT_LE(sent.size(), size_t(FrameChanges::MostAreas)) << scaleDpi;
            for (const PixelRect& area : sent) {
                ASSERT_TRUE(!area.IsEmpty() && area.left >= 0 && area.top >= 0 && area.right <= size.width &&
                            area.bottom <= size.height)
                    << scaleDpi << " round " << round;
                ScaleFrameArea(frame, window.data(), size.width, size.height, pitch, area);
            }
            if (sent != std::vector<PixelRect>{{0, 0, size.width, size.height}}) ++partial;
            ScaleFrame(frame, whole.data(), size.width, size.height, pitch);
            ASSERT_TRUE(window == whole) << scaleDpi << " round " << round;
        }
        EXPECT_GT(partial, 30) << scaleDpi;
    }
}

}  // namespace
