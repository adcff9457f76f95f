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
#include <filesystem>
#include <fstream>
#include <iterator>
#include <optional>
#include <string>
#include <vector>

#include "level/edt_format.h"
#include "level/map_format.h"

namespace {

constexpr int ViewCells = 64;

std::optional<std::vector<uint8_t>> ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::vector<uint8_t>(std::istreambuf_iterator<char>(in), {});
}

bool Covers(const Building& building, int column, int row) {
    return building.x <= column && column < building.x + building.width && building.y <= row &&
           row < building.y + building.height;
}

// Whether building `index` is what the pointer finds on the cell: units win over
// buildings, and a later building over an earlier one.
bool PickedAt(const EdtContents& level, size_t index, int column, int row) {
    for (const Unit& unit : level.units)
        if (unit.x == column && unit.y == row) return false;
    for (size_t later = index + 1; later < level.buildings.size(); ++later)
        if (Covers(level.buildings[later], column, row)) return false;
    return Covers(level.buildings[index], column, row);
}

bool PrintFactory(int number, const EdtContents& level, const MapHeader& header) {
    for (size_t i = 0; i < level.buildings.size(); ++i) {
        const Building& building = level.buildings[i];
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
    const std::filesystem::path folder = argv[1];
    for (int number = 1; number < 24; ++number) {
        char base[8];
        std::snprintf(base, sizeof base, "M%02d", number);
        const auto mapBytes = ReadFile(folder / (std::string(base) + ".map"));
        const auto edtBytes = ReadFile(folder / (std::string(base) + ".edt"));
        if (!mapBytes || !edtBytes) continue;
        MapHeader header;
        static MapGrid grid;
        if (ParseMap(*mapBytes, header, grid) != MapSizeCheck::Fits) continue;
        if (header.columns <= ViewCells || header.rows <= ViewCells) continue;
        const EdtContents level = ParseEdt(*edtBytes);
        if (PrintFactory(number, level, header)) return 0;
    }
    std::fprintf(stderr, "editing-probes: no level of %s has a factory to pick\n", argv[1]);
    return 1;
}
