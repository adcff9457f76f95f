// The record operations on a level.
#include "level/level_data.h"

#include <algorithm>

void EnsureBuildingNumber(Level& level, int32_t n) {
    if (n >= 1 && size_t(n) >= level.buildings.size()) level.buildings.resize(size_t(n) + 1);
}

void EnsureUnitNumber(Level& level, int32_t n) {
    if (n >= 1 && size_t(n) >= level.units.size()) level.units.resize(size_t(n) + 1);
}

namespace {

// A count may name numbers the table does not hold (the commands never make
// one, a test may); only the records that exist are the level's.
template <typename Record>
std::span<const Record> NumberedRecords(const std::vector<Record>& table, int32_t count) {
    const size_t held = table.empty() ? 0 : table.size() - 1;
    return std::span<const Record>(table).subspan(table.empty() ? 0 : 1, std::min(size_t(std::max(count, 0)), held));
}

}  // namespace

std::span<const Building> LevelBuildings(const Level& level) {
    return NumberedRecords(level.buildings, level.buildingCount);
}

std::span<const Unit> LevelUnits(const Level& level) { return NumberedRecords(level.units, level.unitCount); }

void SetLevelObjects(Level& level, std::span<const Building> buildings, std::span<const Unit> units) {
    level.buildingCount = int32_t(buildings.size());
    EnsureBuildingNumber(level, level.buildingCount);
    std::copy(buildings.begin(), buildings.end(), level.buildings.begin() + 1);
    level.unitCount = int32_t(units.size());
    EnsureUnitNumber(level, level.unitCount);
    std::copy(units.begin(), units.end(), level.units.begin() + 1);
}

Building DefaultBuilding() {
    Building building;
    building.kind = KindMainBase;
    building.researchable = 1;
    building.hitPoints = 100 * HitPointFactor(KindMainBase);
    building.side = 0;
    building.satelliteProtection = 1;
    building.healthPercent = 100;
    ApplyFootprint(building);
    return building;
}

Unit DefaultUnit() { return Unit{KindUfo, 0, 0, 0}; }

void ClearMapGrid(Level& level) {
    for (int row = 0; row < StartMapSize; ++row)
        for (int column = 0; column < StartMapSize; ++column) level.mapGrid.cells[row][column] = 0;
    level.mapGrid.columns = StartMapSize;
    level.mapGrid.rows = StartMapSize;
}

void ResetLevelRecords(Level& level) {
    level.mapGrid = {};
    ClearMapGrid(level);
    level.levelInfo = {};
    level.buildings.assign(BuildingAddLimit + 2, Building{});
    level.units.assign(UnitAddLimit + 2, Unit{});
    level.buildingCount = 0;
    level.unitCount = 0;
}

void ApplyFootprint(Building& building) {
    building.width = BuildingWidth(building.kind);
    building.height = BuildingHeight(building.kind);
}

void ApplySlotDefault(Building& building, int level) {
    if (!HasProduction(building.kind) || level < 1 || level > ProductionLevels) return;
    building.produced[SlotDefaultLevel(building.kind, level)] = SlotDefaultItem(building.kind, level);
}

// The order matters: hit points follow the new health, and a factory's
// offsets follow the slot defaults just written.
void ApplyBuildingKind(Building& building, int32_t kind) {
    building.kind = kind;
    ApplyFootprint(building);
    building.researched = 1;
    building.researchable = 1;
    building.healthPercent = 100;
    building.hitPoints = building.healthPercent * HitPointFactor(kind);
    if (!HasProduction(kind)) return;  // towers and the main base keep their slots untouched
    for (int level = 1; level <= ProductionLevels; ++level) {
        ApplySlotDefault(building, level);
        if (IsFactoryKind(kind)) building.classOffset[level] = FactoryClassCount(kind) - building.produced[level];
    }
}

void SetBuildingKind(Level& level, int32_t kind, int32_t n) {
    if (n < 1) return;
    EnsureBuildingNumber(level, n);
    ApplyBuildingKind(level.buildings[size_t(n)], kind);
}

void SetUnitKind(Level& level, int32_t kind, int32_t n) {
    if (n < 1) return;
    EnsureUnitNumber(level, n);
    level.units[size_t(n)].kind = kind;
}

void CopyBuilding(Level& level, int32_t target, int32_t source) {
    if (target < 1 || source < 0) return;
    EnsureBuildingNumber(level, target);
    EnsureBuildingNumber(level, source);
    level.buildings[size_t(target)] = source == 0 ? DefaultBuilding() : level.buildings[size_t(source)];
}

void CopyUnit(Level& level, int32_t target, int32_t source) {
    if (target < 1 || source < 0) return;
    EnsureUnitNumber(level, target);
    EnsureUnitNumber(level, source);
    level.units[size_t(target)] = source == 0 ? DefaultUnit() : level.units[size_t(source)];
}

void RecomputeHitPoints(Level& level, int32_t n) {
    if (n < 1) return;
    EnsureBuildingNumber(level, n);
    Building& building = level.buildings[size_t(n)];
    building.hitPoints = building.healthPercent * HitPointFactor(building.kind);
}

void RederiveFactorySlot(Level& level, int32_t n, int productionLevel) {
    if (n < 1 || productionLevel < 1 || productionLevel > ProductionLevels) return;
    EnsureBuildingNumber(level, n);
    Building& building = level.buildings[size_t(n)];
    if (!IsFactoryKind(building.kind)) return;
    building.produced[productionLevel] =
        FactorySlotCode(building.kind, building.produced[productionLevel], building.classOffset[productionLevel]);
}
