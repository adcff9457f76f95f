// level-probes FOLDER LEVEL: reads the level pair Mnn.map and Mnn.edt of FOLDER
// with the editor's level reader and prints what the map view must show right after
// loading it (cell size 10, scroll 0, nothing hovered or selected), worked out from
// the records alone, plus a unit to drag and a free cell to drag it to. Output:
//   counts BUILDINGS UNITS
//   probe X Y R,G,B WHAT        a pixel of the loaded view
//   drag UNIT FROMX FROMY TOX TOY
//   moved X Y R,G,B WHAT        a pixel once that unit stands on TOX, TOY, selected
//   drag-building BUILDING FROMX FROMY TOX TOY SLOTX SLOTY
//                               then a building to grab by its top-left cell and
//                               drag to free cells, and the x and y slots its
//                               record holds there
#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <string>
#include <vector>

#include "level/pair_reading.h"

namespace {

constexpr int CellSize = 10;
constexpr int ViewCells = 64;

struct Rgb3 {
    int red, green, blue;
};

// The map view's colours, by the meaning they have on screen.
constexpr Rgb3 ShadeGreys[4] = {{185, 185, 185}, {127, 127, 127}, {95, 95, 95}, {63, 63, 63}};
constexpr Rgb3 Red = {255, 0, 0};
constexpr Rgb3 Black = {0, 0, 0};

Rgb3 BuildingColour(int side) {
    switch (side) {
    case 0: return {0, 0, 128};
    case 1: return {0, 128, 0};
    case 2: return {255, 255, 255};
    default: return Black;
    }
}

Rgb3 UnitColour(int side) {
    switch (side) {
    case 0: return {0, 0, 255};
    case 1: return {0, 255, 0};
    default: return Black;
    }
}

struct ProbeLevel {
    MapGrid grid{};
    std::vector<Building> buildings;
    std::vector<Unit> units;
};

// The last unit on the cell, which is drawn on top of the others; -1 for none.
int TopUnitAt(const ProbeLevel& level, int column, int row) {
    int top = -1;
    for (size_t i = 0; i < level.units.size(); ++i)
        if (level.units[i].x == column && level.units[i].y == row) top = int(i);
    return top;
}

int TopBuildingAt(const ProbeLevel& level, int column, int row) {
    int top = -1;
    for (size_t i = 0; i < level.buildings.size(); ++i) {
        const Building& b = level.buildings[i];
        if (b.x <= column && column < b.x + b.width && b.y <= row && row < b.y + b.height) top = int(i);
    }
    return top;
}

int CellValue(const ProbeLevel& level, int column, int row) {
    return column < MapGridColumns && row < MapGridRows ? level.grid.cells[row][column] : 0;
}

bool IsFree(const ProbeLevel& level, int column, int row) {
    return TopUnitAt(level, column, row) < 0 && TopBuildingAt(level, column, row) < 0;
}

// The pixel at the centre of a visible cell: units over buildings over terrain;
// a marked cell's cross runs through its centre.
Rgb3 CentreColour(const ProbeLevel& level, int column, int row) {
    if (const int unit = TopUnitAt(level, column, row); unit >= 0) return UnitColour(level.units[size_t(unit)].side);
    if (const int building = TopBuildingAt(level, column, row); building >= 0)
        return BuildingColour(level.buildings[size_t(building)].side);
    const int value = CellValue(level, column, row);
    return value >= 10 ? Red : ShadeGreys[value % 10];
}

void Print(const char* kind, int x, int y, Rgb3 colour, const std::string& what) {
    std::printf("%s %d %d %d,%d,%d %s\n", kind, x, y, colour.red, colour.green, colour.blue, what.c_str());
}

void PrintCentre(const char* kind, const ProbeLevel& level, int column, int row, const std::string& what) {
    Print(kind, column * CellSize + 5, row * CellSize + 5, CentreColour(level, column, row),
          what + " at cell " + std::to_string(column) + "," + std::to_string(row));
}

void PrintTerrainProbes(const ProbeLevel& level) {
    bool shadeShown[4] = {}, markShown = false;
    for (int row = 0; row < level.grid.rows; ++row) {
        for (int column = 0; column < level.grid.columns; ++column) {
            if (!IsFree(level, column, row)) continue;
            const int value = level.grid.cells[row][column];
            const int shade = value % 10;
            if (value < 10 && !shadeShown[shade]) {
                shadeShown[shade] = true;
                PrintCentre("probe", level, column, row, "terrain shade " + std::to_string(shade));
            } else if (value >= 10 && !markShown) {
                markShown = true;
                PrintCentre("probe", level, column, row, "marked cell's cross");
                Print("probe", column * CellSize + 5, row * CellSize + 2, ShadeGreys[shade],
                      "marked cell's ground beside the cross");
            }
        }
    }
    // Past the map's last row and column the view shows the cleared grid.
    if (level.grid.columns < ViewCells && level.grid.rows < ViewCells)
        PrintCentre("probe", level, ViewCells - 1, ViewCells - 1, "cleared grid beyond the map");
}

void PrintObjectProbes(const ProbeLevel& level) {
    bool buildingSide[3] = {}, unitSide[2] = {};
    for (size_t i = 0; i < level.buildings.size(); ++i) {
        const Building& b = level.buildings[i];
        if (b.side < 0 || b.side > 2 || buildingSide[b.side]) continue;
        if (TopUnitAt(level, b.x, b.y) >= 0 || TopBuildingAt(level, b.x, b.y) != int(i)) continue;
        buildingSide[b.side] = true;
        PrintCentre("probe", level, b.x, b.y, "building " + std::to_string(i + 1) + " of side " + std::to_string(b.side));
    }
    for (size_t i = 0; i < level.units.size(); ++i) {
        const Unit& u = level.units[i];
        if (u.side < 0 || u.side > 1 || unitSide[u.side] || TopUnitAt(level, u.x, u.y) != int(i)) continue;
        unitSide[u.side] = true;
        PrintCentre("probe", level, u.x, u.y, "unit " + std::to_string(i + 1) + " of side " + std::to_string(u.side));
    }
}

// The grid lies over everything on the object page, and the view's border on
// its right and bottom edge.
void PrintGridProbes() {
    const int points[][2] = {{0, 5}, {5, 0}, {330, 333}, {333, 330}, {630, 7}, {7, 630}, {640, 637}, {637, 640}};
    for (const auto& point : points) Print("probe", point[0], point[1], Black, "grid line");
}

// A unit alone on its cell, and a free unmarked cell a few cells away from it,
// off the view's first row and column, where the pointer counts as outside.
bool ChooseDrag(const ProbeLevel& level, int& unitIndex, int& toColumn, int& toRow) {
    for (size_t i = 0; i < level.units.size(); ++i) {
        const Unit& u = level.units[i];
        if (u.x >= ViewCells || u.y >= ViewCells || TopUnitAt(level, u.x, u.y) != int(i)) continue;
        bool alone = true;
        for (size_t k = 0; k < level.units.size(); ++k)
            alone = alone && (k == i || level.units[k].x != u.x || level.units[k].y != u.y);
        if (!alone) continue;
        for (int row = 1; row < std::min(level.grid.rows, ViewCells); ++row) {
            for (int column = 1; column < std::min(level.grid.columns, ViewCells); ++column) {
                if (std::abs(column - u.x) + std::abs(row - u.y) < 6 || !IsFree(level, column, row) ||
                    level.grid.cells[row][column] >= 10)
                    continue;
                unitIndex = int(i);
                toColumn = column;
                toRow = row;
                return true;
            }
        }
    }
    return false;
}

// A building whose top-left cell shows it, and free cells a few cells away
// where its whole footprint fits in the view.
bool ChooseBuildingDrag(const ProbeLevel& level, int& buildingIndex, int& toColumn, int& toRow) {
    const int columns = std::min(level.grid.columns, ViewCells), rows = std::min(level.grid.rows, ViewCells);
    const auto fits = [&](int index, int column, int row) {
        const Building& b = level.buildings[size_t(index)];
        if (column < 1 || row < 1 || column + b.width > columns || row + b.height > rows) return false;
        for (int r = row; r < row + b.height; ++r)
            for (int c = column; c < column + b.width; ++c) {
                const int building = TopBuildingAt(level, c, r);
                if (TopUnitAt(level, c, r) >= 0 || (building >= 0 && building != index)) return false;
            }
        return true;
    };
    for (size_t i = 0; i < level.buildings.size(); ++i) {
        const Building& b = level.buildings[i];
        if (b.x < 1 || b.y < 1 || b.x + b.width > columns || b.y + b.height > rows) continue;
        if (TopUnitAt(level, b.x, b.y) >= 0 || TopBuildingAt(level, b.x, b.y) != int(i)) continue;
        for (int row = 1; row < rows; ++row) {
            for (int column = 1; column < columns; ++column) {
                if (std::abs(column - b.x) + std::abs(row - b.y) < 6 || !fits(int(i), column, row)) continue;
                buildingIndex = int(i);
                toColumn = column;
                toRow = row;
                return true;
            }
        }
    }
    return false;
}

// The 4-byte slot at `offset` of a record, little-endian and signed.
int32_t SlotOf(const std::vector<uint8_t>& record, size_t offset) {
    return int32_t(uint32_t(record[offset]) | uint32_t(record[offset + 1]) << 8 | uint32_t(record[offset + 2]) << 16 |
                   uint32_t(record[offset + 3]) << 24);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::fprintf(stderr, "usage: level-probes FOLDER LEVEL\n");
        return 2;
    }
    const int32_t number = std::atoi(argv[2]) % 100;
    const std::string base = LevelBaseName(number);
    auto loaded = std::make_unique<Level>();
    const LevelReadReport report = ReadLevelPair(*loaded, LevelPairIn(argv[1], number));
    if (!report.map.Read() || !report.edt.Read()) {
        std::fprintf(stderr, "level-probes: %s has no level %s\n", argv[1], base.c_str());
        return 1;
    }
    if (!report.map.Taken()) {
        std::fprintf(stderr, "level-probes: %s.map does not fit the grid\n", base.c_str());
        return 1;
    }
    static ProbeLevel level;
    level.grid = loaded->mapGrid;
    level.buildings.assign(LevelBuildings(*loaded).begin(), LevelBuildings(*loaded).end());
    level.units.assign(LevelUnits(*loaded).begin(), LevelUnits(*loaded).end());

    std::printf("counts %zu %zu\n", level.buildings.size(), level.units.size());
    PrintTerrainProbes(level);
    PrintObjectProbes(level);
    PrintGridProbes();

    int unitIndex = 0, toColumn = 0, toRow = 0;
    if (!ChooseDrag(level, unitIndex, toColumn, toRow)) {
        std::fprintf(stderr, "level-probes: no unit of %s can be dragged to a free cell\n", base.c_str());
        return 1;
    }
    Unit& unit = level.units[size_t(unitIndex)];
    const int fromColumn = unit.x, fromRow = unit.y;
    std::printf("drag %d %d %d %d %d\n", unitIndex + 1, fromColumn, fromRow, toColumn, toRow);
    unit.x = toColumn;
    unit.y = toRow;
    PrintCentre("moved", level, fromColumn, fromRow, "the dragged unit's old cell");
    PrintCentre("moved", level, toColumn, toRow, "the dragged unit's new cell");
    Print("moved", toColumn * CellSize + 1, toRow * CellSize + 5, Red, "the selected unit's outline");

    int buildingIndex = 0;
    if (!ChooseBuildingDrag(level, buildingIndex, toColumn, toRow)) {
        std::fprintf(stderr, "level-probes: no building of %s can be dragged to free cells\n", base.c_str());
        return 1;
    }
    Building& building = level.buildings[size_t(buildingIndex)];
    std::printf("drag-building %d %d %d %d %d", buildingIndex + 1, building.x, building.y, toColumn, toRow);
    building.x = toColumn;
    building.y = toRow;
    std::vector<uint8_t> record;
    AppendBuildingRecord(record, building);
    std::printf(" %d %d\n", SlotOf(record, 64), SlotOf(record, 68));
    return 0;
}
