// The level as the editor holds it: the terrain grid of the .map, the
// buildings and units of the .edt and the mission information of both sides,
// in one Level record, and the record operations the commands run on it.
// Every value is a 32-bit signed integer; positions are in map cells.
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "level/kind_rules.h"

constexpr int MapGridColumns = 96;  // room of the grid; a level uses columns x rows of it
constexpr int MapGridRows = 80;
constexpr int StartMapSize = 64;    // the grid before any level is loaded

struct MapGrid {
    int32_t columns;
    int32_t rows;
    // +1, +2 and +10 terrain flags summed: 0..3 shade, 10 and above marked.
    int32_t cells[MapGridRows][MapGridColumns];
};

// Mission information. Index side is 0 or 1; air-force and tower tables are
// indexed [type][side].
constexpr int AirForceTypes = 5;  // bombers, astral bombs, troop transports, chain bombing, fighters
constexpr int TowerKinds = 5;     // towersAllowed index 0..4 is tower kind 25..29

struct LevelInfo {
    int32_t credits[2];
    int32_t researchPoints[2];
    int32_t airForces[AirForceTypes][2];
    int32_t pvtFlag[2];
    int32_t towersAllowed[TowerKinds][2];
    int32_t limitEnabled;
    int32_t limitTime;
    int32_t limitType;  // 0 reinforcements, 1 time limit, 2 hold out
    int32_t startX;     // kept in the .map, in cells
    int32_t startY;
    // .edt header values the editor carries without showing or changing them.
    int32_t opaque4;
    int32_t opaqueSide[2];
    int32_t opaque256;

    bool operator==(const LevelInfo&) const = default;
};

struct Building {
    int32_t kind = 0;
    int32_t researched = 0;
    // Indexed by production level 1..5; element 0 is unused.
    int32_t produced[ProductionLevels + 1] = {};
    // Factories 101..103: (kind - 100) minus the weight class produced at that level.
    int32_t classOffset[ProductionLevels + 1] = {};
    int32_t researchable = 0;
    int32_t hitPoints = 0;  // the file keeps 16 bits
    int32_t side = 0;       // 0 or 1; 2 neutral
    int32_t satelliteProtection = 0;
    int32_t x = 0;          // left column
    int32_t y = 0;          // top row
    int32_t width = 0;      // footprint, always follows kind
    int32_t height = 0;
    int32_t healthPercent = 0;

    bool operator==(const Building&) const = default;
};

struct Unit {
    int32_t kind = 0;
    int32_t side = 0;
    int32_t x = 0;
    int32_t y = 0;

    bool operator==(const Unit&) const = default;
};

// The add commands refuse once a count is above these, so adding alone can
// reach 301 buildings and 51 units. Loading applies no limit.
constexpr int32_t BuildingAddLimit = 300;
constexpr int32_t UnitAddLimit = 50;

// The whole level: the grid of the .map, and the mission information and both
// object tables of the .edt. Both tables are numbered from 1; number 0 never
// holds an object and means "none" everywhere. They always have room for
// numbers up to BuildingAddLimit + 1 and UnitAddLimit + 1, and grow through
// EnsureBuildingNumber/EnsureUnitNumber for whatever a file brings.
struct Level {
    MapGrid mapGrid = {StartMapSize, StartMapSize, {}};
    LevelInfo levelInfo = {};
    std::vector<Building> buildings = std::vector<Building>(BuildingAddLimit + 2);
    std::vector<Unit> units = std::vector<Unit>(UnitAddLimit + 2);
    int32_t buildingCount = 0;  // the level's buildings are 1..buildingCount
    int32_t unitCount = 0;
};

// Make sure number n exists in its table (no effect for n below 1).
void EnsureBuildingNumber(Level& level, int32_t n);
void EnsureUnitNumber(Level& level, int32_t n);

// The level's objects, numbers 1..count, as far as the tables hold them.
std::span<const Building> LevelBuildings(const Level& level);
std::span<const Unit> LevelUnits(const Level& level);
// Replaces both tables and their counts: the records are numbered from 1 in
// the order given.
void SetLevelObjects(Level& level, std::span<const Building> buildings, std::span<const Unit> units);

// What CopyBuilding/CopyUnit from number 0 give: a full-health main base at
// 0,0 of side 0 under satellite protection, and a unit of kind 40 at 0,0.
Building DefaultBuilding();
Unit DefaultUnit();

// Start-up: clears the first 64 rows and columns and makes the map 64 x 64.
void ClearMapGrid(Level& level);
// Puts the whole level back to its start value: empty tables, cleared
// 64 x 64 grid, all mission information 0.
void ResetLevelRecords(Level& level);

// Record operations. They take object numbers as the commands hold them; a
// number below 1 changes nothing, and a number past the end of its table
// grows the table first.
void SetBuildingKind(Level& level, int32_t kind, int32_t n);
void SetUnitKind(Level& level, int32_t kind, int32_t n);
void CopyBuilding(Level& level, int32_t target, int32_t source);
void CopyUnit(Level& level, int32_t target, int32_t source);
void RecomputeHitPoints(Level& level, int32_t n);
// Factories 101..103: the slot's code follows its classOffset, keeping the family.
void RederiveFactorySlot(Level& level, int32_t n, int productionLevel);

// The same rules on a record, for loading, which fills records before it
// publishes them.
void ApplyBuildingKind(Building& building, int32_t kind);
void ApplyFootprint(Building& building);
// Writes the default item of one production level (kinds 101..108 only).
void ApplySlotDefault(Building& building, int level);
