#include <gtest/gtest.h>

#include <set>
#include <utility>
#include <vector>

#include "engine/canvas.h"

namespace {

using Points = std::set<std::pair<int, int>>;

constexpr Colour Ink = Rgb(200, 10, 20);
constexpr Colour Paper = Rgb(1, 2, 3);

Points LitPoints(const Canvas& canvas, Colour colour) {
    Points lit;
    for (int y = 0; y < canvas.Height(); ++y)
        for (int x = 0; x < canvas.Width(); ++x)
            if (canvas.Pixel(x, y) == colour) lit.insert({x, y});
    return lit;
}

struct LineCase {
    const char* name;
    int x0, y0, x1, y1;
    Points expected;
};

TEST(CanvasLine, DrawsTheFirstPointAndNotTheLast) {
    const LineCase cases[] = {
        {"right", 1, 1, 5, 1, {{1, 1}, {2, 1}, {3, 1}, {4, 1}}},
        {"left", 5, 1, 1, 1, {{5, 1}, {4, 1}, {3, 1}, {2, 1}}},
        {"down", 2, 0, 2, 3, {{2, 0}, {2, 1}, {2, 2}}},
        {"up", 2, 3, 2, 0, {{2, 3}, {2, 2}, {2, 1}}},
        {"diagonal", 0, 0, 4, 4, {{0, 0}, {1, 1}, {2, 2}, {3, 3}}},
        {"steep", 0, 0, 2, 5, {{0, 0}, {0, 1}, {1, 2}, {1, 3}, {2, 4}}},
        {"shallow back", 5, 2, 0, 0, {{5, 2}, {4, 2}, {3, 1}, {2, 1}, {1, 0}}},
        {"one point", 3, 3, 3, 3, {}},
    };
    for (const LineCase& c : cases) {
        Canvas canvas(8, 8, Paper);
        canvas.SetPen(Ink);
        canvas.Line(c.x0, c.y0, c.x1, c.y1);
        EXPECT_EQ(LitPoints(canvas, Ink), c.expected) << c.name;
    }
}

TEST(CanvasLine, APolylineJoinsWithoutGapsAndLeavesItsEndOpen) {
    Canvas canvas(6, 6, Paper);
    canvas.SetPen(Ink);
    canvas.MoveTo(0, 0);
    canvas.LineTo(3, 0);
    canvas.LineTo(3, 3);
    EXPECT_EQ(LitPoints(canvas, Ink), (Points{{0, 0}, {1, 0}, {2, 0}, {3, 0}, {3, 1}, {3, 2}}));
}

TEST(CanvasLine, StaysInsideTheClip) {
    Canvas canvas(10, 10, Paper);
    canvas.SetClip({2, 2, 6, 6});
    canvas.SetPen(Ink);
    canvas.Line(-20, 4, 30, 4);
    canvas.Line(4, -20, 4, 30);
    canvas.Line(-5, -5, 15, 15);
    for (const auto& [x, y] : LitPoints(canvas, Ink)) {
        EXPECT_GE(x, 2);
        EXPECT_LT(x, 6);
        EXPECT_GE(y, 2);
        EXPECT_LT(y, 6);
    }
    EXPECT_EQ(canvas.Pixel(2, 4), Ink);
    EXPECT_EQ(canvas.Pixel(5, 5), Ink);
}

struct FillCase {
    const char* name;
    PixelRect clip;
    PixelRect rect;
    PixelRect expected;  // what ends up filled
};

TEST(CanvasFill, ExcludesRightAndBottomAndRespectsTheClip) {
    const FillCase cases[] = {
        {"inside", {0, 0, 10, 10}, {2, 3, 5, 6}, {2, 3, 5, 6}},
        {"over every edge", {0, 0, 10, 10}, {-4, -4, 40, 40}, {0, 0, 10, 10}},
        {"clipped", {3, 3, 7, 8}, {0, 0, 10, 10}, {3, 3, 7, 8}},
        {"empty", {0, 0, 10, 10}, {5, 5, 5, 9}, {0, 0, 0, 0}},
        {"inverted", {0, 0, 10, 10}, {6, 6, 2, 2}, {0, 0, 0, 0}},
        {"clip beyond surface", {-5, -5, 50, 50}, {8, 8, 12, 12}, {8, 8, 10, 10}},
    };
    for (const FillCase& c : cases) {
        Canvas canvas(10, 10, Paper);
        canvas.SetClip(c.clip);
        canvas.FillRect(c.rect, Ink);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const bool inside = x >= c.expected.left && x < c.expected.right &&
                                    y >= c.expected.top && y < c.expected.bottom;
                ASSERT_EQ(canvas.Pixel(x, y), inside ? Ink : Paper) << c.name << " at " << x << "," << y;
            }
    }
}

TEST(CanvasBlit, KeyedPixelsLeaveTheSurfaceAndClippingHoldsAtEveryEdge) {
    constexpr Colour Magenta = Rgb(255, 0, 255);
    const std::vector<Colour> block = {Ink, Magenta, Ink, Magenta, Ink, Magenta};  // 3 by 2
    struct Case {
        int x, y;
        bool keyed;
    };
    for (const Case c : {Case{0, 0, true}, Case{-1, -1, true}, Case{8, 9, false}, Case{-2, 4, false}}) {
        Canvas canvas(10, 10, Paper);
        canvas.BlitPixels(block.data(), 3, 2, c.x, c.y, c.keyed, Magenta);
        for (int y = 0; y < 10; ++y)
            for (int x = 0; x < 10; ++x) {
                const int bx = x - c.x, by = y - c.y;
                Colour want = Paper;
                if (bx >= 0 && bx < 3 && by >= 0 && by < 2) {
                    const Colour source = block[size_t(by * 3 + bx)];
                    want = c.keyed && source == Magenta ? Paper : source;
                }
                ASSERT_EQ(canvas.Pixel(x, y), want) << "blit at " << c.x << "," << c.y << " pixel " << x << "," << y;
            }
    }
}

// Rows are keyed and filled eight pixels at a time with the rest one by one: every
// length up to three blocks, at every start within a block, must come out the same.
TEST(CanvasBlit, RowsOfEveryLengthKeyOnTheLowColourBitsAlone) {
    constexpr Colour Magenta = Rgb(255, 0, 255);
    for (int width = 1; width <= 26; ++width) {
        std::vector<Colour> row(static_cast<size_t>(width));
        for (int i = 0; i < width; ++i)
            // Every third pixel is the key, some with a high byte that the key ignores.
            row[size_t(i)] = i % 3 == 1 ? Magenta | (Colour(i % 2) << 24) : Rgb(uint8_t(i), 7, 9) | (Colour(i % 4) << 24);
        for (int x = 0; x < 8; ++x) {
            Canvas keyed(40, 2, Paper), filled(40, 2, Paper);
            keyed.BlitPixels(row.data(), width, 1, x, 1, true, Magenta);
            filled.FillRect({x, 0, x + width, 1}, Ink);
            for (int column = 0; column < 40; ++column) {
                const int i = column - x;
                const bool inRow = i >= 0 && i < width;
                const Colour want = inRow && i % 3 != 1 ? row[size_t(i)] : Paper;
                ASSERT_EQ(keyed.Pixel(column, 1), want) << "width " << width << " at " << x << ", column " << column;
                ASSERT_EQ(filled.Pixel(column, 0), inRow ? Ink : Paper) << "width " << width << " at " << x;
            }
        }
    }
}

}  // namespace
