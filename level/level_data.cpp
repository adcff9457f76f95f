// The level's global records and the operations the commands run on them.
#include "level/level_data.h"

Level currentLevel;

void EnsureBuildingNumber(int32_t n) {
    if (n >= 1 && size_t(n) >= currentLevel.buildings.size()) currentLevel.buildings.resize(size_t(n) + 1);
}

void EnsureUnitNumber(int32_t n) {
    if (n >= 1 && size_t(n) >= currentLevel.units.size()) currentLevel.units.resize(size_t(n) + 1);
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

void ClearMapGrid() {
    for (int row = 0; row < StartMapSize; ++row)
        for (int column = 0; column < StartMapSize; ++column) currentLevel.mapGrid.cells[row][column] = 0;
    currentLevel.mapGrid.columns = StartMapSize;
    currentLevel.mapGrid.rows = StartMapSize;
}

void ResetLevelRecords() {
    currentLevel.mapGrid = {};
    ClearMapGrid();
    currentLevel.levelInfo = {};
    currentLevel.buildings.assign(BuildingAddLimit + 2, Building{});
    currentLevel.units.assign(UnitAddLimit + 2, Unit{});
    currentLevel.buildingCount = 0;
    currentLevel.unitCount = 0;
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

void SetBuildingKind(int32_t kind, int32_t n) {
    if (n < 1) return;
    EnsureBuildingNumber(n);
    ApplyBuildingKind(currentLevel.buildings[size_t(n)], kind);
}

void SetUnitKind(int32_t kind, int32_t n) {
    if (n < 1) return;
    EnsureUnitNumber(n);
    currentLevel.units[size_t(n)].kind = kind;
}

void CopyBuilding(int32_t target, int32_t source) {
    if (target < 1 || source < 0) return;
    EnsureBuildingNumber(target);
    EnsureBuildingNumber(source);
    currentLevel.buildings[size_t(target)] = source == 0 ? DefaultBuilding() : currentLevel.buildings[size_t(source)];
}

void CopyUnit(int32_t target, int32_t source) {
    if (target < 1 || source < 0) return;
    EnsureUnitNumber(target);
    EnsureUnitNumber(source);
    currentLevel.units[size_t(target)] = source == 0 ? DefaultUnit() : currentLevel.units[size_t(source)];
}

void RecomputeHitPoints(int32_t n) {
    if (n < 1) return;
    EnsureBuildingNumber(n);
    Building& building = currentLevel.buildings[size_t(n)];
    building.hitPoints = building.healthPercent * HitPointFactor(building.kind);
}

void RederiveFactorySlot(int32_t n, int level) {
    if (n < 1 || level < 1 || level > ProductionLevels) return;
    EnsureBuildingNumber(n);
    Building& building = currentLevel.buildings[size_t(n)];
    if (!IsFactoryKind(building.kind)) return;
    building.produced[level] = FactorySlotCode(building.kind, building.produced[level], building.classOffset[level]);
}
