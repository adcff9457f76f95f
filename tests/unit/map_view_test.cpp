#include <vector>

#include "draw/map_view.h"
#include "draw/palette.h"
#include "paint_fixture.h"

namespace {

constexpr Colour Black = Rgb(0, 0, 0);
constexpr Colour Yellow = Rgb(255, 255, 0);
constexpr Colour Red = Rgb(255, 0, 0);
constexpr Colour LightGrey = Rgb(185, 185, 185);

using MapView = PaintTest;

// ---- Terrain ----

struct ShadeCase {
    const char* name;
    int32_t value;
    Colour colour;
    bool marked;
};

class TerrainShades : public PaintTest, public ::testing::WithParamInterface<ShadeCase> {};

TEST_P(TerrainShades, FillTheCellAndCrossMarkedOnesOnTheObjectPageOnly) {
    const ShadeCase& c = GetParam();
    editorState.mapLoaded = true;
    currentLevel.mapGrid.cells[3][2] = c.value;  // view cell (2, 3) at size 10: pixels 20..29, 30..39
    const Canvas& frame = Paint();
    EXPECT_EQ(frame.Pixel(21, 36), c.colour);  // inside, off both strokes
    // The strokes run (22, 32)-(28, 38) and (22, 38)-(28, 32).
    for (auto [x, y] : {std::pair{22, 32}, {25, 35}, {28, 38}, {22, 38}, {28, 32}})
        EXPECT_EQ(frame.Pixel(x, y), c.marked ? Red : c.colour) << x << ", " << y;
    EXPECT_EQ(frame.Pixel(29, 39), c.colour);  // the line stops short of its end point
    EXPECT_EQ(frame.Pixel(29, 31), c.colour);

    editorState.infoMode = true;
    const Canvas& info = Paint();
    EXPECT_EQ(info.Pixel(25, 35), c.colour);
    EXPECT_EQ(info.Pixel(20, 35), c.colour);  // no grid on the information page
}

INSTANTIATE_TEST_SUITE_P(Values, TerrainShades,
                         ::testing::Values(ShadeCase{"Shade0", 0, LightGrey, false},
                                           ShadeCase{"Shade1", 1, Rgb(127, 127, 127), false},
                                           ShadeCase{"Shade2", 2, Rgb(95, 95, 95), false},
                                           ShadeCase{"Shade3", 3, Rgb(63, 63, 63), false},
                                           ShadeCase{"MarkedShade0", 10, LightGrey, true},
                                           ShadeCase{"MarkedShade1", 11, Rgb(127, 127, 127), true},
                                           ShadeCase{"MarkedShade3", 13, Rgb(63, 63, 63), true},
                                           // Past the usual values: the same rule, the last digit.
                                           ShadeCase{"UnknownMarked", 19, LightGrey, true},
                                           ShadeCase{"MarkedShade2Above20", 22, Rgb(95, 95, 95), true},
                                           ShadeCase{"Negative", -8, LightGrey, false}),
                         CaseName());

TEST_F(MapView, ScrollPastTheGridsRoomShowsEmptyCells) {
    editorState.mapLoaded = true;
    editorState.scrollY = MapGridRows - 10;  // the view reaches 54 rows past the grid's room
    editorState.scrollX = MapGridColumns - 10;
    for (auto& row : currentLevel.mapGrid.cells)
        for (int32_t& cell : row) cell = 3;
    const Canvas& frame = Paint();
    EXPECT_EQ(frame.Pixel(5, 5), Rgb(63, 63, 63));
    EXPECT_EQ(frame.Pixel(5, 105), LightGrey);  // row 80
    EXPECT_EQ(frame.Pixel(105, 5), LightGrey);  // column 96
}

// ---- Grid ----

struct GridCase {
    const char* name;
    int32_t cellSize;
    bool mapLoaded;
    int lines;
};

class GridLines : public PaintTest, public ::testing::WithParamInterface<GridCase> {};

TEST_P(GridLines, OneLineEachWayPerCellEdgeFromZeroTo640) {
    const GridCase& c = GetParam();
    editorState.cellSize = c.cellSize;
    editorState.mapLoaded = c.mapLoaded;
    const Canvas& frame = Paint();
    int vertical = 0, horizontal = 0;
    for (int i = 0; i <= 640; ++i) {
        vertical += frame.Pixel(i, 5) == Black;
        horizontal += frame.Pixel(5, i) == Black;
    }
    EXPECT_EQ(vertical, c.lines);
    EXPECT_EQ(horizontal, c.lines);
    const int last = 640 / c.cellSize * c.cellSize;
    EXPECT_EQ(frame.Pixel(640, c.cellSize), Black);  // horizontal lines reach x 640
    EXPECT_NE(frame.Pixel(641, c.cellSize), Black);
    EXPECT_EQ(frame.Pixel(last, 639), Black);
}

INSTANTIATE_TEST_SUITE_P(Zooms, GridLines,
                         ::testing::Values(GridCase{"Size10NoMap", 10, false, 65}, GridCase{"Size10", 10, true, 65},
                                           GridCase{"Size20", 20, true, 33}, GridCase{"Size40NoMap", 40, false, 17},
                                           GridCase{"Size40", 40, true, 17}),
                         CaseName());

TEST_F(MapView, GridLiesOverBuildingsButUnderNothingElse) {
    LoadLevelInCode();
    PlaceBuilding(1, KindMainBase, 1, 1, 1);  // 4 x 3 cells at (1, 1)
    const Canvas& frame = Paint();
    EXPECT_EQ(frame.Pixel(25, 25), Rgb(0, 128, 0));
    EXPECT_EQ(frame.Pixel(20, 25), Black);  // an inner vertical line
    EXPECT_EQ(frame.Pixel(25, 20), Black);  // an inner horizontal line
}

// ---- Buildings and units ----

struct EdgeCase {
    const char* name;
    int32_t x, y;  // building of width 3 and height 2 (a light factory)
    bool drawn;
};

class BuildingsAtTheEdges : public PaintTest, public ::testing::WithParamInterface<EdgeCase> {};

TEST_P(BuildingsAtTheEdges, AreDrawnOnlyWhenACellIsInView) {
    const EdgeCase& c = GetParam();
    editorState.scrollX = 10;
    editorState.scrollY = 10;
    PlaceBuilding(1, KindLightFactory, c.x, c.y, 0);
    Canvas canvas(940, 695, LightGrey);
    DrawBuilding(canvas, {currentLevel, editorState}, 1);
    int filled = 0;
    for (int y = 0; y < 695; ++y)
        for (int x = 0; x < 940; ++x) filled += canvas.Pixel(x, y) == Rgb(0, 0, 128);
    EXPECT_EQ(filled > 0, c.drawn);
}

INSTANTIATE_TEST_SUITE_P(
    Positions, BuildingsAtTheEdges,
    ::testing::Values(EdgeCase{"LastColumnLeftOfView", 7, 20, false}, EdgeCase{"OneColumnInFromLeft", 8, 20, true},
                      EdgeCase{"LastRowAboveView", 20, 8, false}, EdgeCase{"OneRowInFromTop", 20, 9, true},
                      EdgeCase{"FirstColumnPastView", 74, 20, false}, EdgeCase{"LastColumnOfView", 73, 20, true},
                      EdgeCase{"FirstRowPastView", 20, 74, false}),
    CaseName());

TEST_F(MapView, BuildingLeftOfTheViewIsFilledFromTheEdge) {
    editorState.scrollX = 5;
    PlaceBuilding(1, KindLightFactory, 4, 2, 0);  // three columns, the first out of view
    Canvas canvas(940, 695, LightGrey);
    DrawBuilding(canvas, {currentLevel, editorState}, 1);
    const int row = 25;
    for (int x = 0; x < 19; ++x) EXPECT_EQ(canvas.Pixel(x, row), Rgb(0, 0, 128)) << x;
    EXPECT_EQ(canvas.Pixel(19, row), LightGrey);
    EXPECT_EQ(canvas.Pixel(5, 21), LightGrey);  // two pixels inside the top grid line
    EXPECT_EQ(canvas.Pixel(5, 22), Rgb(0, 0, 128));
    EXPECT_EQ(canvas.Pixel(5, 38), Rgb(0, 0, 128));
    EXPECT_EQ(canvas.Pixel(5, 39), LightGrey);  // one short of the bottom grid line
}

TEST_F(MapView, BuildingPastTheRightEdgeIsCutAt640) {
    editorState.cellSize = 40;
    PlaceBuilding(1, KindMainBase, 14, 0, 0);  // columns 14..17, the view shows 0..15
    Canvas canvas(940, 695, LightGrey);
    DrawBuilding(canvas, {currentLevel, editorState}, 1);
    EXPECT_EQ(canvas.Pixel(562, 50), Rgb(0, 0, 128));
    EXPECT_EQ(canvas.Pixel(639, 50), Rgb(0, 0, 128));
    EXPECT_EQ(canvas.Pixel(640, 50), LightGrey);
}

TEST_F(MapView, UnitIsInsetThreePixelsAndStopsTwoShort) {
    PlaceUnit(1, 7, 3, 4, 1);
    Canvas canvas(940, 695, LightGrey);
    editorState.cellSize = 20;
    DrawUnit(canvas, {currentLevel, editorState}, 1);
    EXPECT_EQ(canvas.Pixel(62, 85), LightGrey);
    EXPECT_EQ(canvas.Pixel(63, 83), Rgb(0, 255, 0));
    EXPECT_EQ(canvas.Pixel(77, 97), Rgb(0, 255, 0));
    EXPECT_EQ(canvas.Pixel(78, 90), LightGrey);
    EXPECT_EQ(canvas.Pixel(70, 98), LightGrey);
}

struct SideCase {
    const char* name;
    int32_t side;
    Colour building;
    Colour unit;
};

class SideColours : public PaintTest, public ::testing::WithParamInterface<SideCase> {};

TEST_P(SideColours, SidesWithoutAColourAreBlack) {
    const SideCase& c = GetParam();
    LoadLevelInCode();
    PlaceBuilding(1, KindSmallTower, 1, 1, c.side);
    PlaceUnit(1, 1, 3, 1, c.side);
    PlaceBuilding(2, KindSmallTower, 5, 1, 0);  // drawn before the unit: its colour must not carry over
    const Canvas& frame = Paint();
    EXPECT_EQ(frame.Pixel(15, 15), c.building);
    EXPECT_EQ(frame.Pixel(35, 15), c.unit);
}

INSTANTIATE_TEST_SUITE_P(Sides, SideColours,
                         ::testing::Values(SideCase{"Side0", 0, Rgb(0, 0, 128), Rgb(0, 0, 255)},
                                           SideCase{"Side1", 1, Rgb(0, 128, 0), Rgb(0, 255, 0)},
                                           SideCase{"Neutral", 2, Rgb(255, 255, 255), Black},
                                           SideCase{"Side3", 3, Black, Black}, SideCase{"Negative", -1, Black, Black}),
                         CaseName());

struct OverlapCase {
    const char* name;
    int32_t selected;
    bool selectedIsUnit;
    Colour atOverlap;
};

class OverlappingBuildings : public PaintTest, public ::testing::WithParamInterface<OverlapCase> {};

TEST_P(OverlappingBuildings, LaterNumbersLieAboveUnlessTheOtherIsSelected) {
    const OverlapCase& c = GetParam();
    LoadLevelInCode();
    PlaceBuilding(1, KindMainBase, 2, 2, 0);
    PlaceBuilding(2, KindMainBase, 4, 3, 1);
    PlaceUnit(1, 1, 9, 9, 0);
    Select(c.selected, c.selectedIsUnit);
    PointAt(700, 600);
    EXPECT_EQ(Paint().Pixel(55, 45), c.atOverlap);
}

INSTANTIATE_TEST_SUITE_P(Selections, OverlappingBuildings,
                         ::testing::Values(OverlapCase{"NothingSelected", 0, false, Rgb(0, 128, 0)},
                                           OverlapCase{"LaterSelected", 2, false, Rgb(0, 128, 0)},
                                           OverlapCase{"EarlierSelected", 1, false, Rgb(0, 0, 128)},
                                           OverlapCase{"UnitSelected", 1, true, Rgb(0, 128, 0)}),
                         CaseName());

TEST_F(MapView, UnitsLieAboveBuildingsWhateverTheSelection) {
    LoadLevelInCode();
    PlaceUnit(1, 1, 3, 3, 0);
    PlaceBuilding(1, KindMainBase, 2, 2, 1);
    Select(1, false);
    EXPECT_EQ(Paint().Pixel(35, 35), Rgb(0, 0, 255));
}

TEST_F(MapView, ObjectsAreDrawnOnlyOnTheObjectPageWithAnEdtLoaded) {
    PlaceBuilding(1, KindMainBase, 2, 2, 0);
    editorState.mapLoaded = true;
    EXPECT_EQ(Paint().Pixel(35, 35), LightGrey);
    editorState.edtLoaded = true;
    EXPECT_EQ(Paint().Pixel(35, 35), Rgb(0, 0, 128));
    editorState.infoMode = true;
    EXPECT_EQ(Paint().Pixel(35, 35), LightGrey);
}

// ---- Cursor cell ----

struct CursorCase {
    const char* name;
    int mouseX, mouseY;
    int32_t cellSize, scrollX, scrollY;
    int32_t cellX, cellY;
};

class CursorCell : public PaintTest, public ::testing::WithParamInterface<CursorCase> {};

TEST_P(CursorCell, IsThePointersCellStrictlyInsideTheView) {
    const CursorCase& c = GetParam();
    editorState.cellSize = c.cellSize;
    editorState.scrollX = c.scrollX;
    editorState.scrollY = c.scrollY;
    PointAt(c.mouseX, c.mouseY);
    const Canvas& frame = Paint();
    EXPECT_EQ(editorState.cursorCellX, c.cellX);
    EXPECT_EQ(editorState.cursorCellY, c.cellY);
    const std::string label = std::to_string(c.cellX) + " x " + std::to_string(c.cellY);
    EXPECT_TRUE(ShowsText(frame, label, CursorCellLabelRect, Rgb(255, 255, 255)));
}

INSTANTIATE_TEST_SUITE_P(Pointers, CursorCell,
                         ::testing::Values(CursorCase{"OnTheLeftEdge", 0, 300, 10, 0, 0, 0, 0},
                                           CursorCase{"OnTheRightBorder", 640, 300, 10, 0, 0, 0, 0},
                                           CursorCase{"OnTheTopEdge", 300, 0, 10, 3, 3, 0, 0},
                                           CursorCase{"OnTheBottomBorder", 300, 640, 10, 3, 3, 0, 0},
                                           CursorCase{"FirstPixelScrolled", 1, 1, 10, 5, 7, 5, 7},
                                           CursorCase{"InsideScrolled", 15, 25, 10, 5, 7, 6, 9},
                                           CursorCase{"LastPixelAt40Scrolled", 639, 639, 40, 2, 3, 17, 18},
                                           CursorCase{"LastPixelAt20", 639, 639, 20, 0, 0, 31, 31}),
                         CaseName());

// ---- Outlines ----

TEST_F(MapView, HoverAndSelectionOutlinesRunOnePixelInsideTheGrid) {
    LoadLevelInCode();
    PlaceBuilding(1, KindLightFactory, 2, 3, 0);  // pixels 20..50 x 30..50 at size 10
    PlaceUnit(1, 1, 8, 8, 0);
    Hover(1, false);
    Select(1, true);
    const Canvas& frame = Paint();
    for (auto [x, y] : {std::pair{21, 31}, {49, 31}, {49, 49}, {21, 49}, {35, 31}, {21, 40}})
        EXPECT_EQ(frame.Pixel(x, y), Yellow) << x << ", " << y;
    EXPECT_EQ(frame.Pixel(22, 32), Rgb(0, 0, 128));
    for (auto [x, y] : {std::pair{81, 81}, {89, 81}, {89, 89}, {81, 89}})
        EXPECT_EQ(frame.Pixel(x, y), Red) << x << ", " << y;
}

TEST_F(MapView, OutlineOfAnObjectScrolledAwayStaysInsideTheView) {
    LoadLevelInCode();
    editorState.cellSize = 40;
    Building& base = PlaceBuilding(1, KindMainBase, 30, 2, 0);  // fourteen columns right of the view
    Select(1, false);
    const Canvas rowsTwoToFour = Paint();
    base.y = 8;  // the same panel; the outline's rows move away
    const Canvas& rowsEightToTen = Paint();
    for (int y : {81, 199})  // where the edges of the first outline lie
        for (int x = 641; x < 940; ++x) ASSERT_EQ(rowsTwoToFour.Pixel(x, y), rowsEightToTen.Pixel(x, y)) << x << ", " << y;
}

}  // namespace
