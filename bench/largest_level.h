// The largest level the editor holds, filled in code: a 96 x 80 map with every
// shade and marked cells, 301 buildings of every kind and 51 units of every kind.
// Painting benchmarks compose frames over it.
#pragma once

#include <cstdint>
#include <iterator>

#include "input/editor_state.h"
#include "level/kind_rules.h"
#include "level/level_data.h"

inline void FillLargestLevel() {
    currentLevel.mapGrid.columns = MapGridColumns;
    currentLevel.mapGrid.rows = MapGridRows;
    for (int row = 0; row < MapGridRows; ++row) {
        for (int column = 0; column < MapGridColumns; ++column) {
            const int32_t shade = (row / 3 + column / 4 + (row * column) % 3) % 4;
            const bool marked = (row * 7 + column * 13) % 11 == 0;
            currentLevel.mapGrid.cells[row][column] = shade + (marked ? 10 : 0);
        }
    }
    constexpr int32_t Kinds[] = {25, 26, 27, 28, 29, 100, 101, 102, 103, 104, 105, 106, 107, 108};
    currentLevel.buildingCount = BuildingAddLimit + 1;
    for (int32_t n = 1; n <= currentLevel.buildingCount; ++n) {
        const int32_t kind = Kinds[n % int32_t(std::size(Kinds))];
        SetBuildingKind(currentLevel, kind, n);
        Building& building = currentLevel.buildings[size_t(n)];
        building.x = (n - 1) % 19 * 5;
        building.y = (n - 1) / 19 * 5 % MapGridRows;
        building.side = HasProduction(kind) ? n % 3 : n % 2;
        building.researchable = MaxResearchable(kind);
        building.researched = building.researchable / 2;
    }
    currentLevel.unitCount = UnitAddLimit + 1;
    for (int32_t n = 1; n <= currentLevel.unitCount; ++n) {
        SetUnitKind(currentLevel, n % 2 == 0 ? 1 + n % 15 : 40 + n % 7, n);
        Unit& unit = currentLevel.units[size_t(n)];
        unit.x = (n * 17) % MapGridColumns;
        unit.y = (n * 11) % MapGridRows;
        unit.side = n % 2;
    }
    currentLevel.levelInfo.credits[0] = 5000;
    currentLevel.levelInfo.credits[1] = 12300;
    currentLevel.levelInfo.researchPoints[0] = 400;
    currentLevel.levelInfo.researchPoints[1] = 900;
    for (int type = 0; type < AirForceTypes; ++type) {
        currentLevel.levelInfo.airForces[type][0] = type;
        currentLevel.levelInfo.airForces[type][1] = 10 + type;
    }
    currentLevel.levelInfo.pvtFlag[0] = 0;
    currentLevel.levelInfo.pvtFlag[1] = 1;
    for (int tower = 0; tower < TowerKinds; ++tower) {
        currentLevel.levelInfo.towersAllowed[tower][0] = tower % 2;
        currentLevel.levelInfo.towersAllowed[tower][1] = 1 - tower % 2;
    }
    currentLevel.levelInfo.limitEnabled = 1;
    currentLevel.levelInfo.limitTime = 45;
    currentLevel.levelInfo.limitType = 2;
    currentLevel.levelInfo.startX = 12;
    currentLevel.levelInfo.startY = 7;
    editorState.mapLoaded = true;
    editorState.edtLoaded = true;
}
