// Terrain in shapes a player can read: ridges are walks from one map edge
// towards the other, lakes are a few overlapping ellipses, roads run from one
// base through the middle ground to the other. Ridges go down first, lakes
// drown them, roads cross everything last.
#include "tools/demo_levels/demo_terrain.h"

#include <algorithm>
#include <cstdlib>
#include <vector>

namespace {

struct Ellipse {
    CellPoint centre;
    int radiusX;
    int radiusY;
};

bool Inside(const MapGrid& grid, int column, int row) {
    return column >= 0 && row >= 0 && column < grid.columns && row < grid.rows;
}

void RaiseShade(MapGrid& grid, int column, int row, int32_t shade) {
    if (Inside(grid, column, row)) grid.cells[row][column] = std::max(grid.cells[row][column], shade);
}

// How far a cell is from a main base's footprint, counting diagonal steps as one.
int DistanceToBase(CellPoint base, int column, int row) {
    const int dx = std::max({base.column - column, 0, column - (base.column + MainBaseWidth - 1)});
    const int dy = std::max({base.row - row, 0, row - (base.row + MainBaseHeight - 1)});
    return std::max(dx, dy);
}

// A ridge starts on the top or bottom edge and walks to the other one, drifting
// sideways now and then, so it lies between the two bases rather than on them.
void DrawRidge(MapGrid& grid, DemoRandom& random, int slopeWidth) {
    const bool fromTop = RandomChance(random, 50);
    int column = RandomBetween(random, grid.columns / 4, grid.columns * 3 / 4);
    int row = fromTop ? 0 : grid.rows - 1;
    int drift = RandomBetween(random, -1, 1);
    const int length = grid.rows * RandomBetween(random, 55, 90) / 100;
    for (int step = 0; step < length && Inside(grid, column, row); ++step) {
        for (int dy = -slopeWidth; dy <= slopeWidth; ++dy)
            for (int dx = -slopeWidth; dx <= slopeWidth; ++dx) RaiseShade(grid, column + dx, row + dy, SlopeShade);
        RaiseShade(grid, column, row, CrestShade);
        row += fromTop ? 1 : -1;
        if (RandomChance(random, 30)) drift = std::clamp(drift + RandomBetween(random, -1, 1), -1, 1);
        column = std::clamp(column + drift, 1, grid.columns - 2);
    }
}

bool InEllipse(const Ellipse& e, int column, int row) {
    const int64_t dx = column - e.centre.column, dy = row - e.centre.row;
    const int64_t rx = e.radiusX, ry = e.radiusY;
    return dx * dx * ry * ry + dy * dy * rx * rx <= rx * rx * ry * ry;
}

// The cells of a lake around `centre`: one main ellipse and two smaller ones
// overlapping its edge, which gives bays instead of a plain oval.
std::vector<CellPoint> LakeCells(const MapGrid& grid, CellPoint centre, int radius, DemoRandom& random) {
    std::vector<Ellipse> parts = {{centre, radius + RandomBetween(random, 0, radius / 2 + 1), radius}};
    for (int i = 0; i < 2; ++i) {
        const CellPoint offset = {centre.column + RandomBetween(random, -radius, radius),
                                  centre.row + RandomBetween(random, -radius, radius)};
        parts.push_back({offset, std::max(1, radius * RandomBetween(random, 50, 90) / 100),
                         std::max(1, radius * RandomBetween(random, 40, 80) / 100)});
    }
    std::vector<CellPoint> cells;
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column)
            for (const Ellipse& part : parts)
                if (InEllipse(part, column, row)) {
                    cells.push_back({column, row});
                    break;
                }
    return cells;
}

bool KeepsClearOfBases(const std::vector<CellPoint>& cells, const LevelSites& sites) {
    // The shore needs a cell, and the base's neighbours need room to build.
    constexpr int Clearance = 3;
    for (const CellPoint& cell : cells)
        for (const CellPoint& base : sites.base)
            if (DistanceToBase(base, cell.column, cell.row) < Clearance) return false;
    return true;
}

// Tries places and sizes until a lake keeps clear of both bases; smaller maps
// get smaller lakes, and the radius shrinks when a map is crowded.
void DrawLake(MapGrid& grid, const LevelSites& sites, DemoRandom& random) {
    int radius = 1 + std::min(grid.columns, grid.rows) / 20 + RandomBetween(random, 0, 1);
    for (int attempt = 0; radius >= 1; ++attempt) {
        // Kept off the border, so a lake shows its whole shore.
        const int border = std::min(radius + 1, std::min(grid.columns, grid.rows) / 2 - 1);
        const CellPoint centre = {RandomBetween(random, border, grid.columns - 1 - border),
                                  RandomBetween(random, border, grid.rows - 1 - border)};
        const std::vector<CellPoint> cells = LakeCells(grid, centre, radius, random);
        if (!cells.empty() && KeepsClearOfBases(cells, sites)) {
            for (const CellPoint& cell : cells) grid.cells[cell.row][cell.column] = WaterShade;
            return;
        }
        if (attempt % 40 == 39) --radius;
    }
}

void DrawShores(MapGrid& grid) {
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) {
            if (grid.cells[row][column] != WaterShade) continue;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    if (Inside(grid, column + dx, row + dy) && grid.cells[row + dy][column + dx] < CrestShade)
                        grid.cells[row + dy][column + dx] = CrestShade;
        }
}

void MarkRoad(MapGrid& grid, int column, int row) {
    if (Inside(grid, column, row) && !IsRoadCell(grid.cells[row][column])) grid.cells[row][column] += RoadMark;
}

// A road steps one cell at a time towards its end, choosing across or down at
// random in proportion to what is left of each, so it runs as a rough diagonal.
void DrawRoad(MapGrid& grid, CellPoint from, CellPoint to, DemoRandom& random) {
    CellPoint at = from;
    MarkRoad(grid, at.column, at.row);
    while (at.column != to.column || at.row != to.row) {
        const int across = std::abs(to.column - at.column), down = std::abs(to.row - at.row);
        if (RandomBetween(random, 1, across + down) <= across)
            at.column += to.column > at.column ? 1 : -1;
        else
            at.row += to.row > at.row ? 1 : -1;
        MarkRoad(grid, at.column, at.row);
    }
}

}  // namespace

LevelSites ChooseSites(int columns, int rows, DemoRandom& random) {
    const int margin = std::max(1, columns / 10);
    const int lowestRow = rows - 1 - MainBaseHeight;  // keeps a free row below the base
    LevelSites sites;
    sites.base[0] = {margin, RandomBetween(random, std::min(rows / 5, lowestRow), lowestRow * 3 / 5 + 1)};
    sites.base[1] = {columns - margin - MainBaseWidth,
                     RandomBetween(random, std::max(1, lowestRow * 2 / 5), lowestRow)};
    sites.centre = {columns / 2 + RandomBetween(random, -columns / 10, columns / 10),
                    rows / 2 + RandomBetween(random, -rows / 8, rows / 8)};
    return sites;
}

void DrawTerrain(MapGrid& grid, const LevelSites& sites, DemoRandom& random) {
    for (int row = 0; row < grid.rows; ++row)
        for (int column = 0; column < grid.columns; ++column) grid.cells[row][column] = PlainShade;

    const int area = grid.columns * grid.rows;
    const int slopeWidth = std::min(grid.columns, grid.rows) >= 40 ? 2 : 1;
    for (int ridges = 1 + area / 1200; ridges > 0; --ridges) DrawRidge(grid, random, slopeWidth);
    for (int lakes = 1 + area / 1500; lakes > 0; --lakes) DrawLake(grid, sites, random);
    DrawShores(grid);

    // Roads leave each base beside its middle row and meet in the middle ground.
    const CellPoint westGate = {sites.base[0].column + MainBaseWidth, sites.base[0].row + 1};
    const CellPoint eastGate = {sites.base[1].column - 1, sites.base[1].row + 1};
    DrawRoad(grid, westGate, sites.centre, random);
    DrawRoad(grid, sites.centre, eastGate, random);
    // Larger maps get a road from the middle ground to the top or bottom edge.
    if (grid.columns >= 48) {
        const CellPoint edge = {sites.centre.column + RandomBetween(random, -grid.columns / 8, grid.columns / 8),
                                RandomChance(random, 50) ? 0 : grid.rows - 1};
        DrawRoad(grid, sites.centre, edge, random);
    }
}
