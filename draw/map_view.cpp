// The map view. Every mouse move repaints it whole, so the terrain is laid down one
// row of cells at a time (one pixel row built, then copied down the cell) rather
// than cell by cell, and objects out of view are dismissed with a few comparisons.
#include "draw/map_view.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "draw/palette.h"
#include "draw/text_format.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {

// The outlines may run one pixel onto the view's border line, never past it.
constexpr PixelRect OutlineArea{0, 0, MapViewSize + 1, MapViewSize + 1};

// What the grid holds at (row, column); a position outside its room reads as an
// empty cell, so a scroll past the grid's storage cannot read beyond it.
int32_t CellValue(const MapView& view, int64_t row, int64_t column) {
    if (row < 0 || row >= MapGridRows || column < 0 || column >= MapGridColumns) return 0;
    return view.level.mapGrid.cells[row][column];
}

constexpr Colour ShadeOf(int32_t value) {
    const int32_t shade = value % 10;
    return shade >= 0 && shade < 4 ? ShadeColours[shade] : ShadeColours[0];
}

// The values a .map holds in practice, the shades 0 to 3 and the marked 10 to 13,
// looked up without a division: the terrain takes the colour of 4,096 cells a paint.
constexpr int CommonValues = 20;
constexpr auto CommonShades = [] {
    std::array<Colour, CommonValues> shades{};
    for (int32_t value = 0; value < CommonValues; ++value) shades[size_t(value)] = ShadeOf(value);
    return shades;
}();

Colour ShadeColour(int32_t value) {
    return uint32_t(value) < uint32_t(CommonValues) ? CommonShades[size_t(value)] : ShadeOf(value);
}

bool IsMarked(int32_t value) { return value >= 10; }

PixelRect Intersect(PixelRect a, PixelRect b) {
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// Both strokes are exact diagonals inside the cell, so a cell wholly inside the
// drawing area gets its pixels set directly; others go through the clipped lines.
void DrawCross(Canvas& canvas, int x, int y, int size, const PixelRect& area) {
    if (x >= area.left && y >= area.top && x + size <= area.right && y + size <= area.bottom) {
        for (int k = 0; k < size - 3; ++k) {
            canvas.Row(y + 2 + k)[x + 2 + k] = MarkedCellCrossColour;
            canvas.Row(y + size - 2 - k)[x + 2 + k] = MarkedCellCrossColour;
        }
        return;
    }
    canvas.SetPen(MarkedCellCrossColour);
    canvas.Line(x + 2, y + 2, x + size - 1, y + size - 1);
    canvas.Line(x + 2, y + size - 2, x + size - 1, y + 1);
}

// A cell's colour is written in whole vector widths of four pixels, running on into
// the next cell, which then writes over the overrun: the line needs this much room.
constexpr int LineOverrun = 3;

// One pixel row of a row of cells, the whole width of the view. With the cell size
// known at compile time each cell is a few vector stores.
template <int Size>
void LayCells(Colour* line, const int32_t* values, int cells) {
    constexpr int Padded = (Size + LineOverrun) / 4 * 4;
    for (int j = 0; j < cells; ++j) {
        const Colour colour = ShadeColour(values[j]);
        for (int k = 0; k < Padded; ++k) line[j * Size + k] = colour;
    }
}

void LayCells(Colour* line, const int32_t* values, int cells, int size) {
    switch (size) {
    case 10: LayCells<10>(line, values, cells); break;
    case 20: LayCells<20>(line, values, cells); break;
    case 40: LayCells<40>(line, values, cells); break;
    default:
        for (int j = 0; j < cells; ++j) std::fill_n(line + j * size, size, ShadeColour(values[j]));
    }
}

// Each row of cells is laid out once in a line buffer and copied down the cells'
// pixel rows. On the object page the grid's vertical lines go into the line too;
// the objects that cover them later put them back (StampGridColumns).
void DrawTerrain(Canvas& canvas, const MapView& view, bool objectPage) {
    const int size = view.state.cellSize;
    const int cells = VisibleCellsOf(view.state);
    // On the object page the row runs on over the grid's last vertical line.
    const int width = cells * size + (objectPage ? 1 : 0);
    const PixelRect area = Intersect(canvas.Clip(), {0, 0, width, cells * size});
    if (area.IsEmpty() || cells * size > MapViewSize) return;
    Colour line[MapViewSize + 1 + LineOverrun];
    int32_t values[MapViewSize];
    for (int i = 0; i < cells; ++i) {
        // On the object page the grid's line over a row of cells is drawn later in
        // full, so the terrain leaves that pixel row alone.
        const int top = std::max(i * size + (objectPage ? 1 : 0), area.top);
        const int bottom = std::min((i + 1) * size, area.bottom);
        if (top >= bottom) continue;
        bool anyMarked = false;
        for (int j = 0; j < cells; ++j) {
            values[j] = CellValue(view, int64_t(view.state.scrollY) + i, int64_t(view.state.scrollX) + j);
            anyMarked = anyMarked || IsMarked(values[j]);
        }
        LayCells(line, values, cells, size);
        if (objectPage)
            for (int j = 0; j <= cells; ++j) line[j * size] = GridColour;
        const size_t bytes = size_t(area.right - area.left) * sizeof(Colour);
        for (int y = top; y < bottom; ++y) std::memcpy(canvas.Row(y) + area.left, line + area.left, bytes);
        if (!objectPage || !anyMarked) continue;
        for (int j = 0; j < cells; ++j)
            if (IsMarked(values[j])) DrawCross(canvas, j * size, i * size, size, area);
    }
}

// The grid's vertical lines inside `rect`, after a fill has covered them.
void StampGridColumns(Canvas& canvas, const MapView& view, PixelRect rect) {
    const int size = view.state.cellSize;
    rect = Intersect(Intersect(rect, canvas.Clip()), {0, 0, VisibleCellsOf(view.state) * size + 1, MapViewSize});
    if (rect.IsEmpty()) return;
    const int first = (rect.left + size - 1) / size * size;
    for (int y = rect.top; y < rect.bottom; ++y) {
        Colour* row = canvas.Row(y);
        for (int x = first; x < rect.right; x += size) row[x] = GridColour;
    }
}

// When the terrain was drawn it already holds the vertical lines.
void DrawGrid(Canvas& canvas, const MapView& view, bool columnsInTerrain) {
    const int size = view.state.cellSize;
    const int cells = VisibleCellsOf(view.state);
    for (int m = 0; m <= cells; ++m) canvas.FillRect({0, m * size, MapViewSize + 1, m * size + 1}, GridColour);
    if (!columnsInTerrain) StampGridColumns(canvas, view, {0, 0, MapViewSize + 1, MapViewSize});
}

void DrawCursorCellLabel(Canvas& canvas, const MapView& view) {
    char buffer[2 * DecimalTextSize + 3];
    canvas.DrawText(FormatCellPosition(view.state.cursorCellX, view.state.cursorCellY, buffer),
                    CursorCellLabelRect, TextColour, TextLayout::Centred);
}

int ClampToView(int64_t value) { return int(std::clamp<int64_t>(value, 0, MapViewSize)); }

// One pixel inside the object's grid lines, on the pixels the fills leave free.
// Edges past the view's right or bottom stop at its border; the drawing stays
// inside the view, so an object scrolled away leaves no stray lines beside it.
void DrawOutline(Canvas& canvas, const MapView& view, int64_t x, int64_t y, int64_t width, int64_t height, Colour colour) {
    const int64_t size = view.state.cellSize;
    const int64_t left = (x - view.state.scrollX) * size + 1;
    const int64_t top = (y - view.state.scrollY) * size + 1;
    const int64_t right = std::min<int64_t>((x + width - view.state.scrollX) * size - 1, MapViewSize);
    const int64_t bottom = std::min<int64_t>((y + height - view.state.scrollY) * size - 1, MapViewSize);
    // Far-off corners only draw clipped-away pixels; keep them where int lines are exact.
    const auto near = [](int64_t v) { return int(std::clamp<int64_t>(v, -2 * MapViewSize, 2 * MapViewSize)); };
    const PixelRect savedClip = canvas.Clip();
    canvas.SetClip(Intersect(savedClip, OutlineArea));
    canvas.SetPen(colour);
    canvas.MoveTo(near(left), near(top));
    canvas.LineTo(near(right), near(top));
    canvas.LineTo(near(right), near(bottom));
    canvas.LineTo(near(left), near(bottom));
    canvas.LineTo(near(left), near(top));
    canvas.SetClip(savedClip);
}

void DrawObjectOutline(Canvas& canvas, const MapView& view, int32_t number, bool isUnit, Colour colour) {
    if (isUnit) {
        if (number < 1 || size_t(number) >= view.level.units.size()) return;
        const Unit& unit = view.level.units[size_t(number)];
        DrawOutline(canvas, view, unit.x, unit.y, 1, 1, colour);
    } else {
        if (number < 1 || size_t(number) >= view.level.buildings.size()) return;
        const Building& building = view.level.buildings[size_t(number)];
        DrawOutline(canvas, view, building.x, building.y, building.width, building.height, colour);
    }
}

// The building's fill rectangle, empty when none of it is in view.
PixelRect BuildingFill(const MapView& view, const Building& building) {
    const int64_t scrollX = view.state.scrollX, scrollY = view.state.scrollY;
    const int64_t size = view.state.cellSize, cells = VisibleCellsOf(view.state);
    const int64_t x = building.x, y = building.y;
    if (x + building.width - 1 < scrollX || y + building.height - 1 < scrollY || x >= scrollX + cells ||
        y >= scrollY + cells)
        return {};
    return {ClampToView((x - scrollX) * size + 2), ClampToView((y - scrollY) * size + 2),
            ClampToView((x + building.width - scrollX) * size - 1), ClampToView((y + building.height - scrollY) * size - 1)};
}

// A building's fill covers the grid lines inside it; units stay clear of them.
void DrawBuildingUnderGrid(Canvas& canvas, const MapView& view, int32_t number) {
    if (number < 1 || size_t(number) >= view.level.buildings.size()) return;
    const Building& building = view.level.buildings[size_t(number)];
    const PixelRect fill = BuildingFill(view, building);
    if (fill.IsEmpty()) return;
    canvas.FillRect(fill, BuildingMapColour(building.side));
    StampGridColumns(canvas, view, fill);
}

void DrawObjects(Canvas& canvas, const MapView& view, bool gridUnderObjects) {
    const auto drawBuilding = gridUnderObjects ? DrawBuildingUnderGrid : DrawBuilding;
    for (int32_t number = 1; number <= view.level.buildingCount; ++number) drawBuilding(canvas, view, number);
    // The selected building once more, so that it lies above every building it overlaps.
    if (view.state.selectedIndex != 0 && !view.state.selectedIsUnit) drawBuilding(canvas, view, view.state.selectedIndex);
    for (int32_t number = 1; number <= view.level.unitCount; ++number) DrawUnit(canvas, view, number);
}

}  // namespace

void DrawBuilding(Canvas& canvas, const MapView& view, int32_t number) {
    if (number < 1 || size_t(number) >= view.level.buildings.size()) return;
    const Building& building = view.level.buildings[size_t(number)];
    const PixelRect fill = BuildingFill(view, building);
    if (!fill.IsEmpty()) canvas.FillRect(fill, BuildingMapColour(building.side));
}

void DrawUnit(Canvas& canvas, const MapView& view, int32_t number) {
    if (number < 1 || size_t(number) >= view.level.units.size()) return;
    const Unit& unit = view.level.units[size_t(number)];
    const int64_t scrollX = view.state.scrollX, scrollY = view.state.scrollY;
    const int64_t size = view.state.cellSize, cells = VisibleCellsOf(view.state);
    const int64_t column = int64_t(unit.x) - scrollX, row = int64_t(unit.y) - scrollY;
    if (column < 0 || column >= cells || row < 0 || row >= cells) return;
    const PixelRect rect{ClampToView(column * size + 3), ClampToView(row * size + 3),
                         ClampToView((column + 1) * size - 2), ClampToView((row + 1) * size - 2)};
    canvas.FillRect(rect, UnitMapColour(unit.side));
}

void DrawMapView(Canvas& canvas, const MapView& view, bool objectPage) {
    const bool terrain = view.state.mapLoaded;
    if (terrain) DrawTerrain(canvas, view, objectPage);
    if (!objectPage) return;
    if (view.state.edtLoaded) DrawObjects(canvas, view, terrain);
    DrawGrid(canvas, view, terrain);
    DrawCursorCellLabel(canvas, view);
    if (view.state.hoverIndex != 0)
        DrawObjectOutline(canvas, view, view.state.hoverIndex, view.state.hoverIsUnit, HoverOutlineColour);
    if (view.state.selectedIndex != 0)
        DrawObjectOutline(canvas, view, view.state.selectedIndex, view.state.selectedIsUnit, SelectionOutlineColour);
}
