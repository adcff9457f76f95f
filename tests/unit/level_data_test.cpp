#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "level/level_data.h"
#include "level_test_support.h"

namespace {
void SetProduced(Building& building, Levels values) {
    for (int level = 1; level <= 5; ++level) building.produced[level] = values[size_t(level - 1)];
}
void SetOffsets(Building& building, Levels values) {
    for (int level = 1; level <= 5; ++level) building.classOffset[level] = values[size_t(level - 1)];
}

class LevelData : public testing::Test {
  protected:
    Level level;
};

struct SlotDefaultCase {
    int32_t kind;
    Levels producedAfter;  // starting from produced 1, 2, 3, 4, 5 and offsets 9
    Levels offsetsAfter;
};

TEST_F(LevelData, SetBuildingKindWritesTheSlotDefaults) {
    const SlotDefaultCase cases[] = {
        {KindLightFactory, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}},
        {KindMediumFactory, {1, 1, 1, 1, 1}, {1, 1, 1, 1, 1}},
        {KindHeavyFactory, {1, 1, 1, 1, 1}, {2, 2, 2, 2, 2}},
        {KindRadar, {30, 30, 30, 30, 30}, {9, 9, 9, 9, 9}},
        {KindGoldStation, {16, 17, 18, 4, 5}, {9, 9, 9, 9, 9}},
        {KindSolarResearch, {19, 20, 21, 4, 5}, {9, 9, 9, 9, 9}},
        {KindWindPowerStation, {22, 23, 24, 4, 5}, {9, 9, 9, 9, 9}},
        {KindRobotFactory, {41, 41, 41, 41, 41}, {9, 9, 9, 9, 9}},
        // No production: the slots stay as they were.
        {KindShellTower, {1, 2, 3, 4, 5}, {9, 9, 9, 9, 9}},
        {KindMainBase, {1, 2, 3, 4, 5}, {9, 9, 9, 9, 9}},
        {50, {1, 2, 3, 4, 5}, {9, 9, 9, 9, 9}},
    };
    for (const SlotDefaultCase& c : cases) {
        SCOPED_TRACE(c.kind);
        Building& building = level.buildings[1];
        SetProduced(building, {1, 2, 3, 4, 5});
        SetOffsets(building, {9, 9, 9, 9, 9});
        SetBuildingKind(level, c.kind, 1);
        EXPECT_EQ(ProducedOf(level.buildings[1]), c.producedAfter);
        EXPECT_EQ(OffsetsOf(level.buildings[1]), c.offsetsAfter);
    }
}

TEST_F(LevelData, SetBuildingKindResetsLevelsAndHealthButKeepsPlaceAndOwner) {
    Building& building = level.buildings[4];
    building = {KindHeavyFactory, 4, {0, 1, 2, 3, 4, 5}, {}, 5, 77, 2, 0, 17, 9, 4, 3, 12};
    SetBuildingKind(level, KindSolarResearch, 4);
    const Building& after = level.buildings[4];
    EXPECT_EQ(after.kind, KindSolarResearch);
    EXPECT_EQ(after.researched, 1);
    EXPECT_EQ(after.researchable, 1);
    EXPECT_EQ(after.healthPercent, 100);
    EXPECT_EQ(after.hitPoints, 13500);
    EXPECT_EQ(after.side, 2);
    EXPECT_EQ(after.satelliteProtection, 0);
    EXPECT_EQ(after.x, 17);
    EXPECT_EQ(after.y, 9);
    EXPECT_EQ(after.width, 3);
    EXPECT_EQ(after.height, 3);
}

TEST_F(LevelData, ShellTowerOverRobotFactoryKeepsItsSlots) {
    SetBuildingKind(level, KindRobotFactory, 2);
    level.buildings[2].researched = 4;
    level.buildings[2].researchable = 5;
    SetBuildingKind(level, KindShellTower, 2);
    EXPECT_EQ(ProducedOf(level.buildings[2]), (Levels{41, 41, 41, 41, 41}));
    EXPECT_EQ(level.buildings[2].width, 1);
    EXPECT_EQ(level.buildings[2].height, 2);
    EXPECT_EQ(level.buildings[2].hitPoints, 2600);
    EXPECT_EQ(level.buildings[2].researched, 1);
    EXPECT_EQ(level.buildings[2].researchable, 1);
}

struct FootprintGroup {
    std::vector<int32_t> kinds;
    int32_t width, height, fullHitPoints;
};

TEST_F(LevelData, FootprintAndFullHealthFollowTheKind) {
    const FootprintGroup groups[] = {
        {{KindSmallTower}, 1, 1, 900},
        {{KindAntiAirTower}, 1, 1, 1200},
        {{KindPlasmaTower}, 1, 1, 1500},
        {{KindLaserTower}, 1, 2, 2100},
        {{KindShellTower}, 1, 2, 2600},
        {{KindMainBase, KindMediumFactory, KindHeavyFactory, KindRobotFactory}, 4, 3, 13500},
        {{KindLightFactory, KindGoldStation}, 3, 2, 13500},
        {{KindRadar, KindSolarResearch, KindWindPowerStation}, 3, 3, 13500},
        {{0, 24, 30, 50, 99, 109, -1}, 1, 1, 13500},
    };
    for (const FootprintGroup& group : groups) {
        for (int32_t kind : group.kinds) {
            SCOPED_TRACE(kind);
            SetBuildingKind(level, kind, 1);
            EXPECT_EQ(level.buildings[1].width, group.width);
            EXPECT_EQ(level.buildings[1].height, group.height);
            EXPECT_EQ(level.buildings[1].hitPoints, group.fullHitPoints);
        }
    }
}

TEST(KindRules, OnlyTheseKindsAreStoredOneRowHigher) {
    const int32_t higher[] = {100, 101, 102, 103, 104, 105, 107};
    const int32_t same[] = {25, 26, 27, 28, 29, 106, 108, 50};
    for (int32_t kind : higher) {
        EXPECT_EQ(FileRowOf(kind, 12), 11) << kind;
        EXPECT_EQ(RowFromFile(kind, 11), 12) << kind;
    }
    for (int32_t kind : same) {
        EXPECT_EQ(FileRowOf(kind, 12), 12) << kind;
        EXPECT_EQ(RowFromFile(kind, 11), 11) << kind;
    }
}

TEST(KindRules, ResearchableMaximumAndItemRange) {
    for (int32_t kind : {25, 26, 27, 28, 29, 100, 50}) EXPECT_EQ(MaxResearchable(kind), 0) << kind;
    for (int32_t kind : {101, 102, 103, 104, 108}) EXPECT_EQ(MaxResearchable(kind), 5) << kind;
    for (int32_t kind : {105, 106, 107}) EXPECT_EQ(MaxResearchable(kind), 3) << kind;
    // Each production kind's default item lies in its own item range.
    for (const BuildingKindRule& rule : BuildingKindRules) {
        if (!HasProduction(rule.kind)) continue;
        for (int level = 1; level <= 5; ++level) {
            int32_t item = SlotDefaultItem(rule.kind, level);
            EXPECT_GE(item, rule.firstItem) << rule.kind;
            EXPECT_LE(item, rule.lastItem) << rule.kind;
        }
    }
}

TEST_F(LevelData, CopyFromNumberZeroGivesTheDefaults) {
    level.buildings[3] = {KindRadar, 2, {0, 30, 31, 32, 33, 34}, {0, 1, 1, 1, 1, 1}, 5, 99, 1, 0, 5, 6, 3, 3, 1};
    CopyBuilding(level, 3, 0);
    const Building& building = level.buildings[3];
    EXPECT_EQ(building.kind, KindMainBase);
    EXPECT_EQ(building.width, 4);
    EXPECT_EQ(building.height, 3);
    EXPECT_EQ(building.x, 0);
    EXPECT_EQ(building.y, 0);
    EXPECT_EQ(building.hitPoints, 13500);
    EXPECT_EQ(building.healthPercent, 100);
    EXPECT_EQ(building.side, 0);
    EXPECT_EQ(building.satelliteProtection, 1);
    EXPECT_EQ(building.researched, 0);
    EXPECT_EQ(building.researchable, 1);
    EXPECT_EQ(ProducedOf(building), (Levels{0, 0, 0, 0, 0}));
    EXPECT_EQ(OffsetsOf(building), (Levels{0, 0, 0, 0, 0}));

    level.units[2] = {7, 1, 30, 40};
    CopyUnit(level, 2, 0);
    EXPECT_EQ(level.units[2], (Unit{40, 0, 0, 0}));
    EXPECT_EQ(level.buildings[0], Building{});
    EXPECT_EQ(level.units[0], Unit{});
}

TEST_F(LevelData, CopyFromAnObjectCopiesEveryField) {
    const Building source = {KindHeavyFactory, 3, {0, 7, 8, 9, 1, 2}, {0, 2, 1, 3, 2, 1}, 4, 4995, 2, 0, 30, 12, 4, 3, 37};
    level.buildings[5] = source;
    CopyBuilding(level, 6, 5);
    EXPECT_EQ(level.buildings[6], source);
    level.units[1] = {45, 1, 70, 60};
    CopyUnit(level, 2, 1);
    EXPECT_EQ(level.units[2], level.units[1]);
    SetUnitKind(level, 46, 2);
    EXPECT_EQ(level.units[2], (Unit{46, 1, 70, 60}));
}

TEST_F(LevelData, RecomputeHitPointsUsesTheKindsFactor) {
    struct Case {
        int32_t kind, percent, hitPoints;
    };
    const Case cases[] = {
        {KindHeavyFactory, 37, 4995}, {KindLaserTower, 50, 1050}, {KindSmallTower, 1, 9},
        {KindAntiAirTower, 10, 120},  {KindPlasmaTower, 100, 1500}, {KindShellTower, 0, 0},
        {KindRobotFactory, 1, 135},   {50, 100, 13500},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        level.buildings[1].kind = c.kind;
        level.buildings[1].healthPercent = c.percent;
        level.buildings[1].hitPoints = 12345;
        RecomputeHitPoints(level, 1);
        EXPECT_EQ(level.buildings[1].hitPoints, c.hitPoints);
    }
}

TEST_F(LevelData, HeavyFactoryOffsetButtonCyclesTheWeightClass) {
    SetBuildingKind(level, KindHeavyFactory, 1);
    level.buildings[1].produced[2] = 14;  // family 4, class 2
    level.buildings[1].classOffset[2] = 0;
    RederiveFactorySlot(level, 1, 2);
    EXPECT_EQ(level.buildings[1].produced[2], 15);
    level.buildings[1].classOffset[2] = 2;
    RederiveFactorySlot(level, 1, 2);
    EXPECT_EQ(level.buildings[1].produced[2], 13);
    level.buildings[1].classOffset[2] = 1;
    RederiveFactorySlot(level, 1, 2);
    EXPECT_EQ(level.buildings[1].produced[2], 14);
    // The other levels are not touched.
    EXPECT_EQ(ProducedOf(level.buildings[1])[0], 1);
    EXPECT_EQ(ProducedOf(level.buildings[1])[2], 1);

    SetBuildingKind(level, KindRobotFactory, 1);  // only factories have weight classes
    level.buildings[1].classOffset[1] = 2;
    RederiveFactorySlot(level, 1, 1);
    EXPECT_EQ(level.buildings[1].produced[1], 41);
}

TEST(KindRules, ClassOffsetDerivedWhenLoading) {
    struct Case {
        int32_t kind, code, offset;
    };
    const Case cases[] = {
        {KindHeavyFactory, 7, 2}, {KindHeavyFactory, 8, 1},  {KindHeavyFactory, 9, 3},
        {KindHeavyFactory, 13, 2}, {KindMediumFactory, 4, 1}, {KindMediumFactory, 5, 0},
        {KindLightFactory, 1, 0},  {KindLightFactory, 10, 0},
    };
    for (const Case& c : cases) EXPECT_EQ(ClassOffsetFromLoadedCode(c.kind, c.code), c.offset) << c.kind << " " << c.code;
}

TEST(KindRules, LoadedOffsetsGiveBackTheirCodeBelowTheHeavyClass) {
    for (int32_t kind = KindLightFactory; kind <= KindHeavyFactory; ++kind)
        for (int32_t code = 1; code <= 15; ++code) {
            if (UnitWeightClass(code) > FactoryClassCount(kind) || UnitWeightClass(code) == 3) continue;
            int32_t offset = ClassOffsetFromLoadedCode(kind, code);
            EXPECT_GE(offset, 0);
            EXPECT_LE(offset, MaxClassOffset(kind));
            EXPECT_EQ(FactorySlotCode(kind, code, offset), code) << kind << " " << code;
        }
}

TEST_F(LevelData, LoadingSlotDefaultsFillOnlyEmptyLevels) {
    struct Case {
        int32_t kind;
        Levels fromFile, expected;
    };
    const Case cases[] = {
        {KindLightFactory, {4, 0, 0, 0, 0}, {4, 1, 1, 1, 1}},
        {KindGoldStation, {16, 17, 0, 0, 0}, {16, 17, 18, 0, 0}},
        {KindWindPowerStation, {0, 0, 0, 0, 0}, {22, 23, 24, 0, 0}},
        {KindRadar, {0, 33, 0, 0, 34}, {30, 33, 30, 30, 34}},
        {KindRobotFactory, {0, 0, 45, 0, 0}, {41, 41, 45, 41, 41}},
        {KindMainBase, {0, 0, 0, 0, 0}, {0, 0, 0, 0, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.kind);
        Building building;
        building.kind = c.kind;
        SetProduced(building, c.fromFile);
        for (int productionLevel = 1; productionLevel <= 5; ++productionLevel)
            if (c.fromFile[size_t(productionLevel - 1)] == 0) ApplySlotDefault(building, productionLevel);
        EXPECT_EQ(ProducedOf(building), c.expected);
    }
}

TEST_F(LevelData, TablesHoldTheAddLimitsAndGrowBeyond) {
    ASSERT_GE(level.buildings.size(), 302u);
    ASSERT_GE(level.units.size(), 52u);
    CopyBuilding(level, 301, 0);
    CopyUnit(level, 51, 0);
    EXPECT_EQ(level.buildings[301].kind, KindMainBase);
    EXPECT_EQ(level.units[51].kind, KindUfo);

    CopyBuilding(level, 700, 301);
    SetBuildingKind(level, KindRadar, 900);
    CopyUnit(level, 400, 51);
    SetUnitKind(level, 3, 450);
    EnsureBuildingNumber(level, 1000);
    ASSERT_GE(level.buildings.size(), 1001u);
    ASSERT_GE(level.units.size(), 451u);
    EXPECT_EQ(level.buildings[700].kind, KindMainBase);
    EXPECT_EQ(level.buildings[900].kind, KindRadar);
    EXPECT_EQ(level.units[400].kind, KindUfo);
    EXPECT_EQ(level.units[450].kind, 3);
    EXPECT_EQ(level.buildings[301].kind, KindMainBase);  // growing kept what was there
}

TEST_F(LevelData, NumberZeroAndBelowNeverHoldAnObject) {
    SetBuildingKind(level, KindHeavyFactory, 0);
    CopyBuilding(level, 0, 0);
    RecomputeHitPoints(level, 0);
    SetUnitKind(level, 5, 0);
    CopyUnit(level, 0, 0);
    SetBuildingKind(level, KindHeavyFactory, -3);
    CopyBuilding(level, 1, -1);
    EXPECT_EQ(level.buildings[0], Building{});
    EXPECT_EQ(level.buildings[1], Building{});
    EXPECT_EQ(level.units[0], Unit{});
}

TEST_F(LevelData, StartUpClearsOnlyTheFirst64RowsAndColumns) {
    level.mapGrid.columns = 96;
    level.mapGrid.rows = 80;
    level.mapGrid.cells[0][0] = 13;
    level.mapGrid.cells[63][63] = 2;
    level.mapGrid.cells[63][64] = 11;
    level.mapGrid.cells[64][0] = 3;
    ClearMapGrid(level);
    EXPECT_EQ(level.mapGrid.columns, 64);
    EXPECT_EQ(level.mapGrid.rows, 64);
    EXPECT_EQ(level.mapGrid.cells[0][0], 0);
    EXPECT_EQ(level.mapGrid.cells[63][63], 0);
    EXPECT_EQ(level.mapGrid.cells[63][64], 11);
    EXPECT_EQ(level.mapGrid.cells[64][0], 3);
}

TEST_F(LevelData, ResetPutsEveryLevelGlobalBack) {
    level.mapGrid.columns = 90;
    level.mapGrid.cells[79][95] = 12;
    level.levelInfo.credits[1] = 5000;
    level.levelInfo.towersAllowed[4][1] = 1;
    level.levelInfo.opaque256 = 7;
    CopyBuilding(level, 2000, 0);
    CopyUnit(level, 3, 0);
    level.buildingCount = 2000;
    level.unitCount = 3;
    ResetLevelRecords(level);
    EXPECT_EQ(level.mapGrid.columns, 64);
    EXPECT_EQ(level.mapGrid.rows, 64);
    EXPECT_EQ(level.mapGrid.cells[79][95], 0);
    EXPECT_EQ(level.levelInfo.credits[1], 0);
    EXPECT_EQ(level.levelInfo.towersAllowed[4][1], 0);
    EXPECT_EQ(level.levelInfo.opaque256, 0);
    EXPECT_EQ(level.buildingCount, 0);
    EXPECT_EQ(level.unitCount, 0);
    EXPECT_EQ(level.buildings.size(), 302u);
    EXPECT_EQ(level.units[3], Unit{});
}

}  // namespace
