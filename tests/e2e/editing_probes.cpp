// editing-probes FOLDER: finds, among the levels M01..M23 of FOLDER, the first
// one larger than the map view both ways (so the arrow keys scroll it at every
// zoom) with a factory (kinds 101..103) that the pointer can pick as the level
// loads (cell size 10, scroll 0): a cell of it inside the view where no unit
// stands and no later building lies over it. Output:
//   level NUMBER
//   factory BUILDING COLUMN ROW
// The walk that edits the factory works out the expected bytes itself from
// the level's files; this only says where to click.
#include <cstdio>
#include <memory>
#include <span>

#include "level/pair_reading.h"

namespace {

constexpr int ViewCells = 64;

bool Covers(const Building& building, int column, int row) {
    return building.x <= column && column < building.x + building.width && building.y <= row &&
           row < building.y + building.height;
}

// Whether building `index` is what the pointer finds on the cell: units win over
// buildings, and a later building over an earlier one.
bool PickedAt(const Level& level, size_t index, int column, int row) {
    const std::span<const Building> buildings = LevelBuildings(level);
    for (const Unit& unit : LevelUnits(level))
        if (unit.x == column && unit.y == row) return false;
    for (size_t later = index + 1; later < buildings.size(); ++later)
        if (Covers(buildings[later], column, row)) return false;
    return Covers(buildings[index], column, row);
}

bool PrintFactory(int number, const Level& level, const MapHeader& header) {
    const std::span<const Building> buildings = LevelBuildings(level);
    for (size_t i = 0; i < buildings.size(); ++i) {
        const Building& building = buildings[i];
        if (!IsFactoryKind(building.kind)) continue;
        for (int row = building.y; row < building.y + building.height; ++row) {
            for (int column = building.x; column < building.x + building.width; ++column) {
                if (column >= ViewCells || row >= ViewCells || column >= header.columns || row >= header.rows)
                    continue;
                if (!PickedAt(level, i, column, row)) continue;
                std::printf("level %d\nfactory %zu %d %d\n", number, i + 1, column, row);
                return true;
            }
        }
    }
    return false;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: editing-probes FOLDER\n");
        return 2;
    }
    auto level = std::make_unique<Level>();
    for (int32_t number = 1; number < LevelNumberCount; ++number) {
        ResetLevelRecords(*level);
        const LevelReadReport report = ReadLevelPair(*level, LevelPairIn(argv[1], number));
        if (!report.map.Taken() || !report.edt.Read()) continue;
        const MapHeader& header = report.map.header;
        if (header.columns <= ViewCells || header.rows <= ViewCells) continue;
        if (PrintFactory(number, *level, header)) return 0;
    }
    std::fprintf(stderr, "editing-probes: no level of %s has a factory to pick\n", argv[1]);
    return 1;
}
