#include <gtest/gtest.h>

#include "engine/canvas.h"

TEST(Canvas, FillRectExcludesRightAndBottom) {
    Canvas canvas(10, 10, 0);
    canvas.FillRect({2, 3, 5, 6}, Rgb(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(2, 3), Rgb(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(4, 5), Rgb(1, 2, 3));
    EXPECT_EQ(canvas.Pixel(5, 5), 0u);
    EXPECT_EQ(canvas.Pixel(4, 6), 0u);
}
