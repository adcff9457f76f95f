#include <gtest/gtest.h>

#include "level/map_format.h"
#include "level_test_support.h"

namespace {

struct SizeCase {
    const char* what;
    Bytes bytes;
    MapSizeCheck expected;
};

TEST(MapFormat, RefusesMapsTheGridCannotHold) {
    Bytes cutHeader = MakeMapBytes(10, 10);
    cutHeader.resize(17);
    Bytes headerOnly = MakeMapBytes(10, 10);
    headerOnly.resize(18);
    const SizeCase cases[] = {
        {"empty file", {}, MapSizeCheck::HeaderCut},
        {"17 bytes", cutHeader, MapSizeCheck::HeaderCut},
        {"header without cells", headerOnly, MapSizeCheck::Fits},
        {"0 columns", MakeMapBytes(0, 10), MapSizeCheck::NoCells},
        {"0 rows", MakeMapBytes(10, 0), MapSizeCheck::NoCells},
        {"97 columns", MakeMapBytes(97, 2), MapSizeCheck::TooLarge},
        {"81 rows", MakeMapBytes(2, 81), MapSizeCheck::TooLarge},
        {"255 x 255", MakeMapBytes(255, 1), MapSizeCheck::TooLarge},
        {"96 x 80", MakeMapBytes(96, 80), MapSizeCheck::Fits},
        {"1 x 1", MakeMapBytes(1, 1), MapSizeCheck::Fits},
    };
    for (const SizeCase& c : cases) {
        SCOPED_TRACE(c.what);
        MapHeader header;
        EXPECT_EQ(ReadMapHeader(c.bytes, header), c.expected);
    }
}

TEST(MapFormat, StartPositionIsReadInWholeCells) {
    const struct {
        int pixels;
        int32_t cells;
    } cases[] = {{0, 0}, {31, 0}, {32, 1}, {100, 3}, {479, 14}, {2560, 80}, {65535, 2047}};
    for (const auto& c : cases) {
        MapHeader header;
        ASSERT_EQ(ReadMapHeader(MakeMapBytes(4, 4, c.pixels, 65535 - c.pixels), header), MapSizeCheck::Fits);
        EXPECT_EQ(header.startX, c.cells) << c.pixels;
        EXPECT_EQ(header.startY, (65535 - c.pixels) / 32) << c.pixels;
    }
}

TEST(MapFormat, CellValueSumsItsThreeFlags) {
    struct CellCase {
        uint8_t first, fifth, eleventh;
        int32_t value;
    };
    const CellCase cases[] = {
        {0, 0, 0, 0},       {250, 250, 0, 0},   {251, 0, 0, 1},     {0, 251, 0, 2},   {255, 255, 0, 3},
        {0, 0, 1, 10},      {251, 0, 1, 11},    {0, 255, 1, 12},    {255, 251, 1, 13}, {0, 0, 2, 0},
        {0, 0, 255, 0},
    };
    const int columns = int(std::size(cases));
    const Bytes bytes = MakeMapBytes(columns, 2, 0, 0, [&](int row, int column, uint8_t* record) {
        const CellCase& c = cases[size_t(column)];
        record[0] = row == 0 ? c.first : 0;
        record[4] = row == 0 ? c.fifth : 0;
        record[10] = row == 0 ? c.eleventh : 0;
    });
    MapGrid grid{};
    MapHeader header;
    ASSERT_EQ(ParseMap(bytes, header, grid), MapSizeCheck::Fits);
    EXPECT_EQ(grid.columns, columns);
    EXPECT_EQ(grid.rows, 2);
    for (int column = 0; column < columns; ++column) {
        EXPECT_EQ(grid.cells[0][column], cases[size_t(column)].value) << column;
        EXPECT_EQ(grid.cells[1][column], 0) << column;
    }
}

TEST(MapFormat, ShortenedMapGivesEmptyCellsFromWhereItEnds) {
    Bytes bytes = MakeMapBytes(3, 3, 0, 0, [](int, int, uint8_t* record) {
        record[0] = 255;
        record[4] = 255;
        record[10] = 1;
    });
    // Cut inside the fifth cell (row 1, column 1), after its first flag byte.
    bytes.resize(23 + 17 * 4 + 2);
    MapGrid grid{};
    for (auto& row : grid.cells)
        for (int32_t& cell : row) cell = 99;
    MapHeader header;
    ASSERT_EQ(ParseMap(bytes, header, grid), MapSizeCheck::Fits);
    const int32_t expected[3][3] = {{13, 13, 13}, {13, 1, 0}, {0, 0, 0}};
    for (int row = 0; row < 3; ++row)
        for (int column = 0; column < 3; ++column) EXPECT_EQ(grid.cells[row][column], expected[row][column]);
    EXPECT_EQ(grid.cells[0][3], 99) << "cells outside the map stay as they were";
}

TEST(MapFormat, StartBytesAreCellsTimes32LowByteFirst) {
    const struct {
        int32_t x, y;
        std::array<uint8_t, 4> bytes;
    } cases[] = {
        {0, 0, {0, 0, 0, 0}},
        {3, 3, {0x60, 0, 0x60, 0}},
        {76, 65, {0x80, 0x09, 0x20, 0x08}},
    };
    for (const auto& c : cases) EXPECT_EQ(MapStartBytes(c.x, c.y), c.bytes) << c.x;
}

TEST(MapFormat, PatchChangesExactlyTheFourStartBytes) {
    const Bytes original = MakeMapBytes(20, 15, 100, 100);
    Bytes patched = original;
    ASSERT_TRUE(PatchMapStart(patched, 8, 9));
    ASSERT_EQ(patched.size(), original.size());
    for (size_t i = 0; i < original.size(); ++i) {
        if (i == 5 || i == 6 || i == 9 || i == 10) continue;
        EXPECT_EQ(patched[i], original[i]) << i;
    }
    EXPECT_EQ(patched[5], 0);
    EXPECT_EQ(patched[6], 1);
    EXPECT_EQ(patched[9], 0x20);
    EXPECT_EQ(patched[10], 1);

    Bytes tooShort(17, 7);
    EXPECT_FALSE(PatchMapStart(tooShort, 8, 9));
    EXPECT_EQ(tooShort, Bytes(17, 7));
}

}  // namespace
