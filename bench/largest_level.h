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
    mapGrid.columns = MapGridColumns;
    mapGrid.rows = MapGridRows;
    for (int row = 0; row < MapGridRows; ++row) {
        for (int column = 0; column < MapGridColumns; ++column) {
            const int32_t shade = (row / 3 + column / 4 + (row * column) % 3) % 4;
            const bool marked = (row * 7 + column * 13) % 11 == 0;
            mapGrid.cells[row][column] = shade + (marked ? 10 : 0);
        }
    }
    constexpr int32_t Kinds[] = {25, 26, 27, 28, 29, 100, 101, 102, 103, 104, 105, 106, 107, 108};
    buildingCount = BuildingAddLimit + 1;
    for (int32_t n = 1; n <= buildingCount; ++n) {
        const int32_t kind = Kinds[n % int32_t(std::size(Kinds))];
        SetBuildingKind(kind, n);
        Building& building = buildings[size_t(n)];
        building.x = (n - 1) % 19 * 5;
        building.y = (n - 1) / 19 * 5 % MapGridRows;
        building.side = HasProduction(kind) ? n % 3 : n % 2;
        building.researchable = MaxResearchable(kind);
        building.researched = building.researchable / 2;
    }
    unitCount = UnitAddLimit + 1;
    for (int32_t n = 1; n <= unitCount; ++n) {
        SetUnitKind(n % 2 == 0 ? 1 + n % 15 : 40 + n % 7, n);
        Unit& unit = units[size_t(n)];
        unit.x = (n * 17) % MapGridColumns;
        unit.y = (n * 11) % MapGridRows;
        unit.side = n % 2;
    }
    levelInfo.credits[0] = 5000;
    levelInfo.credits[1] = 12300;
    levelInfo.researchPoints[0] = 400;
    levelInfo.researchPoints[1] = 900;
    for (int type = 0; type < AirForceTypes; ++type) {
        levelInfo.airForces[type][0] = type;
        levelInfo.airForces[type][1] = 10 + type;
    }
    levelInfo.pvtFlag[0] = 0;
    levelInfo.pvtFlag[1] = 1;
    for (int tower = 0; tower < TowerKinds; ++tower) {
        levelInfo.towersAllowed[tower][0] = tower % 2;
        levelInfo.towersAllowed[tower][1] = 1 - tower % 2;
    }
    levelInfo.limitEnabled = 1;
    levelInfo.limitTime = 45;
    levelInfo.limitType = 2;
    levelInfo.startX = 12;
    levelInfo.startY = 7;
    editorState.mapLoaded = true;
    editorState.edtLoaded = true;
}
