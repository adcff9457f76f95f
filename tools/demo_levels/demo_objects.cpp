// Objects are placed in the order they are listed in the .edt: the two main
// bases first, then each side's buildings by turns with the neutral factories
// among them, then the units. Every record is filled the way loading would
// fill it back, so the levels come through a load and a save unchanged.
#include "tools/demo_levels/demo_objects.h"

#include <algorithm>
#include <array>

#include "level/kind_rules.h"

namespace {

struct Order {
    int32_t kind;
    int32_t side;
};

// What a side builds after its main base, before it has one of each: a mix
// of production and defence. Rotated per level so the levels differ.
constexpr std::array<int32_t, 13> SideKinds = {
    KindLightFactory, KindSmallTower, KindRadar,  KindAntiAirTower, KindGoldStation, KindMediumFactory, KindPlasmaTower,
    KindSolarResearch, KindLaserTower, KindWindPowerStation, KindHeavyFactory, KindShellTower, KindRobotFactory};
// Large maps hold more than one of each: mostly towers, every sixth a
// production building.
constexpr std::array<int32_t, 8> MoreProduction = {KindLightFactory,    KindRadar,        KindGoldStation,
                                                   KindSolarResearch,   KindWindPowerStation, KindMediumFactory,
                                                   KindHeavyFactory,    KindRobotFactory};
constexpr std::array<int32_t, 4> NeutralKinds = {KindLightFactory, KindRobotFactory, KindMediumFactory,
                                                 KindHeavyFactory};

int32_t SideKind(int index, int rotation) {
    if (index < int(SideKinds.size())) return SideKinds[size_t((index + rotation) % int(SideKinds.size()))];
    const int extra = index - int(SideKinds.size());
    if (extra % 6 == 5) return MoreProduction[size_t(extra / 6 % int(MoreProduction.size()))];
    return KindSmallTower + extra % 6;
}

std::vector<Order> BuildingRoster(int count, int levelNumber) {
    const int neutral = count >= 24 ? std::min(int(NeutralKinds.size()), count / 24) : count >= 10 ? 1 : 0;
    const int rest = count - neutral;
    const int perSide[2] = {(rest + 1) / 2, rest / 2};
    std::vector<Order> sides[3];
    for (int side = 0; side < 2; ++side) {
        const int rotation = (levelNumber * 3 + side * 5) % int(SideKinds.size());
        for (int i = 1; i < perSide[side]; ++i) sides[side].push_back({SideKind(i - 1, rotation), side});
    }
    for (int i = 0; i < neutral; ++i)
        sides[NeutralSide].push_back({NeutralKinds[size_t((i + levelNumber) % int(NeutralKinds.size()))], NeutralSide});

    std::vector<Order> roster = {{KindMainBase, 0}, {KindMainBase, 1}};
    for (size_t i = 0; roster.size() < size_t(count); ++i)
        for (const std::vector<Order>& list : sides)
            if (i < list.size()) roster.push_back(list[i]);
    return roster;
}

// The item a production level makes; factories keep to the weight classes
// they can build, the stations to their fixed items.
int32_t ItemFor(int32_t kind, int level, DemoRandom& random) {
    if (IsFactoryKind(kind)) return 3 * RandomBetween(random, 0, 4) + RandomBetween(random, 1, FactoryClassCount(kind));
    if (HasFixedItems(kind)) return FixedItemBase(kind) + level - 1;
    const BuildingKindRule& rule = BuildingKindRuleOf(kind);
    return RandomBetween(random, rule.firstItem, rule.lastItem);
}

Building MakeBuilding(Order order, DemoRandom& random) {
    Building building;
    building.kind = order.kind;
    building.side = order.side;
    ApplyFootprint(building);
    building.satelliteProtection = order.kind == KindMainBase || RandomChance(random, 70) ? 1 : 0;
    building.healthPercent = RandomChance(random, 70) ? 100 : RandomBetween(random, 35, 99);
    building.hitPoints = building.healthPercent * HitPointFactor(order.kind);
    if (!HasProduction(order.kind)) return building;

    building.researchable = RandomChance(random, 10) ? 0 : RandomBetween(random, 1, MaxResearchable(order.kind));
    building.researched = RandomBetween(random, 0, building.researchable);
    for (int level = 1; level <= building.researchable; ++level)
        building.produced[level] = ItemFor(order.kind, level, random);
    // Loading gives the levels the file leaves empty their default item, and a
    // factory's offsets follow its codes; the record says the same from the start.
    for (int level = building.researchable + 1; level <= ProductionLevels; ++level) ApplySlotDefault(building, level);
    if (IsFactoryKind(order.kind))
        for (int level = 1; level <= ProductionLevels; ++level)
            building.classOffset[level] = ClassOffsetFromLoadedCode(order.kind, building.produced[level]);
    return building;
}

enum Occupant : uint8_t { Free, ByBuilding, ByUnit };

struct Ground {
    const MapGrid& grid;
    std::vector<uint8_t> occupant;  // row after row

    uint8_t& At(int column, int row) { return occupant[size_t(row) * size_t(grid.columns) + size_t(column)]; }
};

struct Rules {
    int minColumn, maxColumn;  // where the left edge and the right edge may lie
    int edge;                  // cells kept free along the map's border
    bool gap;                  // a free cell between buildings
    bool offRoads;
};

bool BuildingFits(Ground& ground, const Rules& rules, int x, int y, int width, int height) {
    const MapGrid& grid = ground.grid;
    // Row 0 stays free: kinds stored one row higher could not say row 0 in the file.
    if (x < std::max(rules.edge, rules.minColumn) || y < std::max(rules.edge, 1)) return false;
    if (x + width - 1 > std::min(grid.columns - 1 - rules.edge, rules.maxColumn)) return false;
    if (y + height > grid.rows - rules.edge) return false;
    for (int row = y; row < y + height; ++row)
        for (int column = x; column < x + width; ++column) {
            const int32_t value = grid.cells[row][column];
            if (ground.At(column, row) != Free || ShadeOf(value) == WaterShade) return false;
            if (rules.offRoads && IsRoadCell(value)) return false;
        }
    if (!rules.gap) return true;
    for (int row = y - 1; row <= y + height; ++row)
        for (int column = x - 1; column <= x + width; ++column)
            if (row >= 0 && column >= 0 && row < grid.rows && column < grid.columns &&
                ground.At(column, row) == ByBuilding)
                return false;
    return true;
}

void Occupy(Ground& ground, const Building& building) {
    for (int row = building.y; row < building.y + building.height; ++row)
        for (int column = building.x; column < building.x + building.width; ++column)
            ground.At(column, row) = ByBuilding;
}

int DistanceSquared(CellPoint a, CellPoint b) {
    return (a.column - b.column) * (a.column - b.column) + (a.row - b.row) * (a.row - b.row);
}

// The free spot nearest to `around` within the rules, found by trying them all.
bool NearestBuildingSpot(Ground& ground, const Rules& rules, CellPoint around, Building& building) {
    bool found = false;
    int best = 0;
    CellPoint spot{};
    for (int y = 1; y < ground.grid.rows; ++y)
        for (int x = 0; x < ground.grid.columns; ++x) {
            const int distance = DistanceSquared({x + building.width / 2, y + building.height / 2}, around);
            if ((!found || distance < best) && BuildingFits(ground, rules, x, y, building.width, building.height)) {
                found = true;
                best = distance;
                spot = {x, y};
            }
        }
    building.x = spot.column;
    building.y = spot.row;
    return found;
}

// Tries spots drawn ever wider around `around` on the side's own ground, off
// the roads first; when the side's ground is full, the nearest spot that is
// still free there, then anywhere on the map, with a gap between buildings
// while there is room for one.
bool FindBuildingSpot(Ground& ground, Rules rules, CellPoint around, Building& building, DemoRandom& random) {
    constexpr int Tries = 300;
    const MapGrid& grid = ground.grid;
    for (int pass = 0; pass < 2; ++pass, rules.offRoads = false)
        for (int attempt = 0; attempt < Tries; ++attempt) {
            const int spread = 2 + attempt / 4;
            const int left = std::max(rules.minColumn, around.column - spread - building.width / 2);
            const int right = std::min(rules.maxColumn - building.width + 1, around.column + spread);
            const int top = std::max(1, around.row - spread - building.height / 2);
            const int bottom = std::min(grid.rows - building.height, around.row + spread);
            if (left > right || top > bottom) continue;
            building.x = RandomBetween(random, left, right);
            building.y = RandomBetween(random, top, bottom);
            if (BuildingFits(ground, rules, building.x, building.y, building.width, building.height)) return true;
        }
    if (NearestBuildingSpot(ground, rules, around, building)) return true;
    rules = {0, grid.columns - 1, 0, true, false};
    if (NearestBuildingSpot(ground, rules, around, building)) return true;
    rules.gap = false;
    return NearestBuildingSpot(ground, rules, around, building);
}

bool UnitFits(Ground& ground, int column, int row) {
    const MapGrid& grid = ground.grid;
    return column >= 0 && row >= 0 && column < grid.columns && row < grid.rows && ground.At(column, row) == Free &&
           ShadeOf(grid.cells[row][column]) != WaterShade;
}

bool FindUnitSpot(Ground& ground, CellPoint around, Unit& unit, DemoRandom& random) {
    constexpr int Tries = 400;
    for (int attempt = 0; attempt < Tries; ++attempt) {
        const int spread = 1 + attempt / 8;
        unit.x = around.column + RandomBetween(random, -spread, spread);
        unit.y = around.row + RandomBetween(random, -spread, spread);
        if (UnitFits(ground, unit.x, unit.y)) return true;
    }
    for (unit.y = 0; unit.y < ground.grid.rows; ++unit.y)
        for (unit.x = 0; unit.x < ground.grid.columns; ++unit.x)
            if (UnitFits(ground, unit.x, unit.y)) return true;
    return false;
}

CellPoint BaseMiddle(const LevelSites& sites, int side) {
    return {sites.base[side].column + MainBaseWidth / 2, sites.base[side].row + MainBaseHeight / 2};
}

// Each side builds on its own part of the map, the neutral factories stand in
// the middle ground.
Rules SideRules(const MapGrid& grid, int32_t side) {
    const int columns = grid.columns;
    if (side == 0) return {0, columns * 9 / 20, 1, true, true};
    if (side == 1) return {columns * 11 / 20, columns - 1, 1, true, true};
    return {columns * 3 / 10, columns * 7 / 10, 1, true, true};
}

// The units of both sides by turns, every unit kind in a cycle that starts at
// a different kind on each level.
std::vector<Unit> UnitRoster(int count, int levelNumber) {
    std::vector<int32_t> kinds;
    for (int32_t kind = FirstFamilyUnitKind; kind <= LastFamilyUnitKind; ++kind) kinds.push_back(kind);
    for (int32_t kind = FirstSingleUnitKind; kind <= LastSingleUnitKind; ++kind) kinds.push_back(kind);
    std::vector<Unit> roster;
    for (int i = 0; i < count; ++i)
        roster.push_back({kinds[size_t((i / 2 + levelNumber * 5) % int(kinds.size()))], i % 2, 0, 0});
    return roster;
}

}  // namespace

bool PlaceObjects(const MapGrid& grid, const LevelSites& sites, int levelNumber, ObjectCounts counts,
                  DemoRandom& random, std::vector<Building>& buildings, std::vector<Unit>& units) {
    Ground ground{grid, std::vector<uint8_t>(size_t(grid.columns) * size_t(grid.rows), Free)};
    buildings.clear();
    units.clear();

    for (const Order& order : BuildingRoster(counts.buildings, levelNumber)) {
        Building building = MakeBuilding(order, random);
        const bool mainBase = order.kind == KindMainBase && order.side != NeutralSide;
        if (mainBase) {
            building.x = sites.base[order.side].column;
            building.y = sites.base[order.side].row;
        }
        const CellPoint around = order.side == NeutralSide ? sites.centre : BaseMiddle(sites, order.side);
        const Rules rules = SideRules(grid, order.side);
        if (!(mainBase && BuildingFits(ground, rules, building.x, building.y, building.width, building.height)) &&
            !FindBuildingSpot(ground, rules, around, building, random))
            return false;
        Occupy(ground, building);
        buildings.push_back(building);
    }

    // Units gather in front of their base, a third of the way to the middle ground.
    for (Unit unit : UnitRoster(counts.units, levelNumber)) {
        const CellPoint base = BaseMiddle(sites, unit.side);
        const CellPoint front = {base.column + (sites.centre.column - base.column) / 3,
                                 base.row + (sites.centre.row - base.row) / 3};
        if (!FindUnitSpot(ground, front, unit, random)) return false;
        ground.At(unit.x, unit.y) = ByUnit;
        units.push_back(unit);
    }
    return true;
}
