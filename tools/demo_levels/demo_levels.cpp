// The 24 demo levels: a table of sizes, object counts and limits, and from
// each level's seed its terrain, objects and the rest of its mission.
#include "tools/demo_levels/demo_levels.h"

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "level/edt_format.h"
#include "tools/demo_levels/demo_objects.h"
#include "tools/demo_levels/demo_random.h"
#include "tools/demo_levels/demo_terrain.h"
#include "tools/demo_levels/map_writer.h"

namespace {

struct LevelDesign {
    int columns;
    int rows;
    ObjectCounts counts;
    int32_t limitEnabled;
    int32_t limitTime;
    int32_t limitType;  // 0 reinforcements, 1 time limit, 2 hold out
};

// From a map smaller than the view to the largest the editor holds, with as
// many buildings and units as the editor lets a user make on the last one.
constexpr LevelDesign Designs[DemoLevelCount] = {
    {20, 15, {6, 6}, 0, 0, 0},       {24, 20, {10, 8}, 0, 0, 0},     {28, 22, {12, 10}, 1, 30, 1},
    {32, 24, {16, 12}, 0, 0, 0},     {32, 32, {20, 14}, 0, 0, 0},    {40, 28, {22, 14}, 1, 45, 2},
    {40, 40, {30, 18}, 0, 0, 0},     {48, 32, {30, 18}, 0, 0, 0},    {48, 48, {40, 22}, 1, 20, 0},
    {56, 40, {44, 22}, 0, 0, 0},     {64, 40, {48, 24}, 0, 0, 0},    {64, 48, {56, 26}, 1, 60, 1},
    {64, 64, {70, 30}, 0, 0, 0},     {72, 48, {64, 28}, 0, 0, 0},    {72, 60, {80, 32}, 1, 90, 2},
    {80, 50, {76, 30}, 0, 0, 0},     {80, 64, {96, 36}, 0, 0, 0},    {88, 56, {92, 34}, 1, 10, 0},
    {88, 72, {120, 40}, 0, 0, 0},    {96, 48, {84, 32}, 0, 0, 0},    {64, 80, {100, 36}, 1, 100, 1},
    {90, 70, {140, 44}, 0, 0, 0},    {80, 80, {160, 46}, 0, 0, 0},
    {MapGridColumns, MapGridRows, {BuildingAddLimit + 1, UnitAddLimit + 1}, 1, 75, 2},
};

constexpr uint64_t SeedBase = 0x7A5E0000;

// Money and research grow through the levels; air forces and towers come
// little by little, but every level draws its own.
void DrawMission(LevelInfo& info, int number, const LevelDesign& design, DemoRandom& random) {
    for (int side = 0; side < 2; ++side) {
        info.credits[side] = 100 * (RandomBetween(random, 20, 60) + number * RandomBetween(random, 3, 8));
        info.researchPoints[side] = 100 * RandomBetween(random, 0, 10 + number * 3);
        info.pvtFlag[side] = RandomChance(random, 30) ? 1 : 0;
        for (int type = 0; type < AirForceTypes; ++type)
            info.airForces[type][side] =
                RandomChance(random, 40 + number * 2) ? RandomBetween(random, 1, 3 + number / 2) : 0;
        for (int tower = 0; tower < TowerKinds; ++tower)
            info.towersAllowed[tower][side] = tower <= number / 4 || RandomChance(random, 20) ? 1 : 0;
    }
    info.limitEnabled = design.limitEnabled;
    info.limitTime = design.limitTime;
    info.limitType = design.limitType;
    // What these carry means nothing to the editor; small values of our own
    // show whether a load and a save keep them.
    info.opaque4 = 1;
    info.opaqueSide[0] = 1;
    info.opaqueSide[1] = 2;
    info.opaque256 = 0;
}

// The mission opens on side 0's main base.
void ChooseStart(LevelInfo& info, const MapGrid& grid, const LevelSites& sites) {
    constexpr int ViewColumns = 20, ViewRows = 15;
    info.startX = std::clamp(sites.base[0].column - ViewColumns / 3, 0, std::max(0, grid.columns - ViewColumns));
    info.startY = std::clamp(sites.base[0].row - ViewRows / 3, 0, std::max(0, grid.rows - ViewRows));
}

// A new file gets all its bytes or is removed again; without `replace` an
// existing file is never opened for writing.
bool WriteLevelFile(const std::filesystem::path& path, const std::vector<uint8_t>& bytes, bool replace,
                    std::string& failure) {
    std::FILE* file = std::fopen(path.string().c_str(), replace ? "wb" : "wbx");
    if (file == nullptr) {
        failure = path.string() + ": " + std::strerror(errno);
        return false;
    }
    const bool written = std::fwrite(bytes.data(), 1, bytes.size(), file) == bytes.size();
    if (std::fclose(file) == 0 && written) return true;
    failure = path.string() + ": could not write all of it";
    std::error_code ignored;
    std::filesystem::remove(path, ignored);
    return false;
}

}  // namespace

std::unique_ptr<DemoLevel> BuildDemoLevel(int number) {
    const LevelDesign& design = Designs[number];
    DemoRandom random{SeedBase + uint64_t(number)};
    auto level = std::make_unique<DemoLevel>();
    level->number = number;
    level->grid.columns = design.columns;
    level->grid.rows = design.rows;
    const LevelSites sites = ChooseSites(design.columns, design.rows, random);
    DrawTerrain(level->grid, sites, random);
    if (!PlaceObjects(level->grid, sites, number, design.counts, random, level->buildings, level->units))
        return nullptr;
    DrawMission(level->info, number, design, random);
    ChooseStart(level->info, level->grid, sites);
    return level;
}

std::vector<uint8_t> DemoMapBytes(const DemoLevel& level) {
    return WriteMap(level.grid, level.info.startX, level.info.startY);
}

std::vector<uint8_t> DemoEdtBytes(const DemoLevel& level) {
    return WriteEdt(level.info, level.buildings, level.units);
}

DemoFolderReport WriteDemoLevelFolder(const std::filesystem::path& folder, bool replace) {
    DemoFolderReport report;
    std::error_code error;
    std::filesystem::create_directories(folder, error);
    if (error) {
        report.failure = folder.string() + ": " + error.message();
        return report;
    }
    for (int number = 0; number < DemoLevelCount; ++number) {
        const std::filesystem::path map = folder / (LevelBaseName(number) + ".map");
        const std::filesystem::path edt = folder / (LevelBaseName(number) + ".edt");
        if (!replace && (std::filesystem::exists(map) || std::filesystem::exists(edt))) {
            ++report.levelsKept;
            continue;
        }
        const std::unique_ptr<DemoLevel> level = BuildDemoLevel(number);
        if (!level) {
            report.failure = "level " + std::to_string(number) + ": no room for all its objects";
            return report;
        }
        if (!WriteLevelFile(map, DemoMapBytes(*level), replace, report.failure) ||
            !WriteLevelFile(edt, DemoEdtBytes(*level), replace, report.failure))
            return report;
        ++report.levelsWritten;
    }
    return report;
}
