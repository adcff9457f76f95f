// The attribute commands of the object page, driven through RunClickCommand on
// a selected building or unit.
#include <vector>

#include "editor_window.h"

namespace {

class AttributeCommands : public EditorWindow {
  protected:
    static Building& SelectBuilding(int32_t kind, int32_t side = 0) {
        const int32_t n = AddBuildingAt(kind, 3, 3);
        currentLevel.buildings[size_t(n)].side = side;
        editorState.selectedIndex = n;
        editorState.selectedIsUnit = false;
        return currentLevel.buildings[size_t(n)];
    }

    static Unit& SelectUnit(int32_t kind, int32_t side = 0) {
        const int32_t n = AddUnitAt(kind, 3, 3);
        currentLevel.units[size_t(n)].side = side;
        editorState.selectedIndex = n;
        editorState.selectedIsUnit = true;
        return currentLevel.units[size_t(n)];
    }
};

struct BuildingKindCase {
    const char* name;
    int32_t kind, side;
    int id;  // 51 "<", 52 ">"
    int32_t kindAfter, sideAfter;
};

TEST_F(AttributeCommands, BuildingKindStepsThroughTheKnownKindsAndDropsNeutralOutsideTheirRange) {
    const BuildingKindCase cases[] = {
        {"main base down to a full shell tower, 1 x 2, 2600", 100, 0, 51, 29, 0},
        {"small tower down wraps to the robot factory", 25, 1, 51, 108, 1},
        {"shell tower up to the main base", 29, 1, 52, 100, 1},
        {"robot factory up wraps to the small tower", 108, 1, 52, 25, 1},
        {"neutral light factory down to the main base", 101, 2, 51, 100, 0},
        {"neutral robot factory up to the small tower", 108, 2, 52, 25, 0},
        {"neutral main base from a file up to a factory", 100, 2, 52, 101, 2},
        {"neutral medium factory down stays neutral", 102, 2, 51, 101, 2},
        {"neutral tower from a file up", 26, 2, 52, 27, 0},
        {"neutral radar up stays neutral", 104, 2, 52, 105, 2},
        // Kinds a file brought outside the cycle step from where they are.
        {"unknown kind 99 up", 99, 0, 52, 100, 0},
        {"unknown kind 30 down", 30, 0, 51, 29, 0},
        {"unknown kind 50 down", 50, 0, 51, 49, 0},
    };
    for (const BuildingKindCase& c : cases) {
        Building& building = SelectBuilding(c.kind, c.side);
        building.healthPercent = 40;
        building.hitPoints = 7;
        RunClickCommand(c.id);
        EXPECT_EQ(building.kind, c.kindAfter) << c.name;
        EXPECT_EQ(building.side, c.sideAfter) << c.name;
        // The new kind's footprint and defaults, at full health.
        EXPECT_EQ(building.width, BuildingWidth(c.kindAfter)) << c.name;
        EXPECT_EQ(building.height, BuildingHeight(c.kindAfter)) << c.name;
        EXPECT_EQ(building.healthPercent, 100) << c.name;
        EXPECT_EQ(building.hitPoints, 100 * HitPointFactor(c.kindAfter)) << c.name;
        EXPECT_EQ(building.researchable, 1) << c.name;
    }
}

TEST_F(AttributeCommands, KindButtonsCycleThroughEveryKnownKindInBothDirections) {
    const struct {
        bool unit;
        int id;
        std::vector<int32_t> seen;  // from kind 25 or unit kind 1
    } cases[] = {
        {false, 52, {26, 27, 28, 29, 100, 101, 102, 103, 104, 105, 106, 107, 108, 25}},
        {false, 51, {108, 107, 106, 105, 104, 103, 102, 101, 100, 29, 28, 27, 26, 25}},
        {true, 52, {2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 40, 41, 42, 43, 44, 45, 46, 1}},
        {true, 51, {46, 45, 44, 43, 42, 41, 40, 15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1}},
    };
    for (const auto& c : cases) {
        const int32_t* kind = c.unit ? &SelectUnit(1).kind : &SelectBuilding(25).kind;
        std::vector<int32_t> seen;
        while (seen.size() < c.seen.size()) {
            RunClickCommand(c.id);
            seen.push_back(*kind);
        }
        EXPECT_EQ(seen, c.seen) << (c.unit ? "unit" : "building") << " id " << c.id;
    }
}

TEST_F(AttributeCommands, UnitKindStepsSkipTheGapAndKeepTheRestOfTheUnit) {
    const struct {
        int32_t kind;
        int id;
        int32_t after;
    } cases[] = {{1, 51, 46}, {46, 52, 1}, {15, 52, 40}, {40, 51, 15}, {7, 52, 8}, {7, 51, 6},
                 {30, 51, 29}, {20, 52, 21}};  // codes from a file step from where they are
    for (const auto& c : cases) {
        Unit& unit = SelectUnit(c.kind, 1);
        unit.x = 9;
        RunClickCommand(c.id);
        EXPECT_EQ(unit.kind, c.after) << c.kind << " id " << c.id;
        EXPECT_EQ(unit.side, 1);
        EXPECT_EQ(unit.x, 9);
    }
}

TEST_F(AttributeCommands, SideCyclesThroughTheSidesTheKindAllows) {
    const struct {
        const char* name;
        bool unit;
        int32_t kind, side;
        std::vector<int> ids;  // 20 "<", 22 ">"
        int32_t after;
    } cases[] = {
        {"factory down from 0 to neutral", false, 103, 0, {20}, 2},
        {"factory up from neutral to 0", false, 103, 2, {22}, 0},
        {"factory up twice", false, 103, 0, {22, 22}, 2},
        {"main base down from 0", false, 100, 0, {20}, 1},
        {"main base up from 1", false, 100, 1, {22}, 0},
        {"tower up from 0", false, 27, 0, {22}, 1},
        {"neutral main base from a file, up", false, 100, 2, {22}, 0},
        {"neutral main base from a file, down", false, 100, 2, {20}, 1},
        {"unit down from 0", true, 40, 0, {20}, 1},
        {"unit up from 1", true, 40, 1, {22}, 0},
        {"unit side 3 from a file, up", true, 40, 3, {22}, 0},
        {"unit side 3 from a file, down twice", true, 40, 3, {20, 20}, 1},
        {"factory side 5 from a file, down", false, 103, 5, {20}, 4},
        {"factory side 5 from a file, up", false, 103, 5, {22}, 0},
    };
    for (const auto& c : cases) {
        int32_t* side = c.unit ? &SelectUnit(c.kind, c.side).side : &SelectBuilding(c.kind, c.side).side;
        for (int id : c.ids) RunClickCommand(id);
        EXPECT_EQ(*side, c.after) << c.name;
    }
}

TEST_F(AttributeCommands, HealthStepsWithinZeroToHundredAndRecomputesHitPoints) {
    const struct {
        int32_t kind, health;
        int id;  // 23 -1, 25 +1, 46 -10, 47 +10
        int32_t healthAfter, hitPointsAfter;
    } cases[] = {
        {103, 95, 47, 100, 13500}, {103, 5, 46, 0, 0},        {103, 36, 25, 37, 4995},
        {28, 51, 23, 50, 1050},    {25, 100, 25, 100, 900},   {25, 0, 23, 0, 0},
        {29, 50, 47, 60, 1560},    {100, 150, 23, 149, 20115}, {100, 150, 25, 100, 13500},
    };
    for (const auto& c : cases) {
        Building& building = SelectBuilding(c.kind);
        building.healthPercent = c.health;
        RunClickCommand(c.id);
        EXPECT_EQ(building.healthPercent, c.healthAfter) << c.kind << " at " << c.health << " id " << c.id;
        EXPECT_EQ(building.hitPoints, c.hitPointsAfter) << c.kind << " at " << c.health << " id " << c.id;
    }
}

TEST_F(AttributeCommands, SatelliteProtectionToggles) {
    const struct {
        int32_t value;
        int id;
        int32_t after;
    } cases[] = {{0, 26, 1}, {1, 26, 0}, {0, 28, 1}, {1, 28, 0}, {4, 28, 0}, {4, 26, 3}};
    for (const auto& c : cases) {
        Building& building = SelectBuilding(101);
        building.satelliteProtection = c.value;
        RunClickCommand(c.id);
        EXPECT_EQ(building.satelliteProtection, c.after) << c.value << " id " << c.id;
    }
}

TEST_F(AttributeCommands, ResearchLevelsKeepTheirCapsAndResearchedWithinResearchable) {
    const struct {
        const char* name;
        int32_t kind, researchable, researched;
        int id;  // 30/32 researchable, 33/35 researched
        int32_t researchableAfter, researchedAfter;
    } cases[] = {
        {"lowering researchable lowers researched", 103, 3, 3, 30, 2, 2},
        {"lowering researchable above researched", 103, 3, 1, 30, 2, 1},
        {"researchable stops at 0", 103, 0, 0, 30, 0, 0},
        {"raising researchable leaves researched", 103, 3, 1, 32, 4, 1},
        {"factory researchable stops at 5", 101, 5, 0, 32, 5, 0},
        {"radar researchable reaches 5", 104, 4, 0, 32, 5, 0},
        {"robot factory researchable reaches 5", 108, 4, 0, 32, 5, 0},
        {"gold station stops at 3", 105, 3, 0, 32, 3, 0},
        {"wind station reaches 3", 107, 2, 0, 32, 3, 0},
        {"main base has no levels", 100, 1, 1, 32, 1, 1},
        {"researched down", 103, 3, 2, 33, 3, 1},
        {"researched stops at 0", 103, 3, 0, 33, 3, 0},
        {"researched up", 103, 3, 2, 35, 3, 3},
        {"researched stops at researchable", 103, 3, 3, 35, 3, 3},
        {"researched from a file above researchable", 103, 2, 9, 35, 2, 2},
    };
    for (const auto& c : cases) {
        Building& building = SelectBuilding(c.kind);
        building.researchable = c.researchable;
        building.researched = c.researched;
        RunClickCommand(c.id);
        EXPECT_EQ(building.researchable, c.researchableAfter) << c.name;
        EXPECT_EQ(building.researched, c.researchedAfter) << c.name;
    }
}

TEST_F(AttributeCommands, ProductionIconsStepThroughTheKindsItems) {
    const struct {
        const char* name;
        int32_t kind;
        int level;
        int32_t item, after;
    } cases[] = {
        {"factory keeps the class", 101, 1, 1, 4},
        {"factory wraps to the first family", 103, 2, 13, 1},
        {"factory medium class wraps", 102, 3, 14, 2},
        {"factory heavy class wraps", 103, 5, 15, 3},
        {"radar steps", 104, 1, 30, 31},
        {"radar wraps", 104, 4, 34, 30},
        {"robot factory first level reaches 46", 108, 1, 45, 46},
        {"robot factory first level wraps", 108, 1, 46, 41},
        {"robot factory fifth level wraps before 46", 108, 5, 45, 41},
        {"robot factory fifth level reaches 45", 108, 5, 44, 45},
        {"gold station is fixed", 105, 1, 16, 16},
        {"solar research is fixed", 106, 2, 20, 20},
        {"wind station is fixed", 107, 3, 24, 24},
        // Items a file brought out of range step from where they are.
        {"radar from a file", 104, 2, 200, 30},
        {"robot factory from a file", 108, 2, 7, 8},
        {"factory from a file", 101, 1, 200, 188},
        {"factory empty level", 101, 1, 0, 3},
    };
    for (const auto& c : cases) {
        Building& building = SelectBuilding(c.kind);
        building.researchable = 5;
        building.produced[c.level] = c.item;
        const Building before = building;
        RunClickCommand(35 + c.level);
        EXPECT_EQ(building.produced[c.level], c.after) << c.name;
        Building others = building;
        others.produced[c.level] = c.item;
        EXPECT_EQ(others, before) << c.name << ": only that level changes";
    }
}

TEST_F(AttributeCommands, WeightClassButtonsStepTheOffsetAndRederiveTheCode) {
    struct Step {
        int32_t offset, code;
    };
    const struct {
        const char* name;
        int32_t kind, code, offset;
        std::vector<Step> steps;
    } cases[] = {
        {"heavy factory", 103, 14, 0, {{2, 13}, {1, 14}, {0, 15}, {2, 13}}},
        {"medium factory", 102, 5, 0, {{1, 4}, {0, 5}, {1, 4}}},
        {"light factory stays light", 101, 7, 0, {{0, 7}, {0, 7}}},
        // Loading gives a heavy code the offset kind - 100, one above the range.
        {"heavy code from a file", 103, 15, 3, {{2, 13}, {1, 14}}},
        {"light factory with a medium code from a file", 101, 2, -1, {{0, 1}}},
    };
    for (const auto& c : cases) {
        Building& building = SelectBuilding(c.kind);
        building.researchable = 5;
        building.produced[3] = c.code;
        building.classOffset[3] = c.offset;
        std::vector<std::pair<int32_t, int32_t>> seen, expected;
        for (const Step& step : c.steps) {
            RunClickCommand(43);
            seen.emplace_back(building.classOffset[3], building.produced[3]);
            expected.emplace_back(step.offset, step.code);
        }
        EXPECT_EQ(seen, expected) << c.name;
        EXPECT_EQ(building.produced[1], 1) << c.name << ": other levels keep their items";
    }
}

TEST_F(AttributeCommands, WeightClassButtonsLeaveOtherKindsAlone) {
    for (int32_t kind : {104, 105, 108, 100, 25}) {
        Building& building = SelectBuilding(kind);
        const Building before = building;
        for (int id = 41; id <= 45; ++id) RunClickCommand(id);
        EXPECT_EQ(building, before) << kind;
    }
}

// The panel shows a hovered object while nothing is selected, and a stale or
// mismatched selection must reach no record at all.
TEST_F(AttributeCommands, OnlyTheSelectedObjectChanges) {
    const int32_t building = AddBuildingAt(103, 2, 2);
    const int32_t unit = AddUnitAt(7, 9, 9);
    currentLevel.buildings[size_t(building)].researchable = 3;
    const struct {
        const char* name;
        int32_t selectedIndex;
        bool selectedIsUnit;
    } cases[] = {
        {"hovered building, nothing selected", 0, false},
        {"selection past the buildings", currentLevel.buildingCount + 5, false},
        {"selection past the units", currentLevel.unitCount + 5, true},
        {"negative selection", -3, false},
    };
    const std::vector<int> attributeIds = {20, 22, 23, 25, 26, 28, 30, 32, 33, 35, 36, 37, 38,
                                           39, 40, 41, 42, 43, 44, 45, 46, 47, 51, 52};
    for (const auto& c : cases) {
        editorState.hoverIndex = building;
        editorState.hoverIsUnit = false;
        editorState.selectedIndex = c.selectedIndex;
        editorState.selectedIsUnit = c.selectedIsUnit;
        const Building buildingBefore = currentLevel.buildings[size_t(building)];
        const Unit unitBefore = currentLevel.units[size_t(unit)];
        const size_t tableSizes[] = {currentLevel.buildings.size(), currentLevel.units.size()};
        for (int id : attributeIds) RunClickCommand(id);
        EXPECT_EQ(currentLevel.buildings[size_t(building)], buildingBefore) << c.name;
        EXPECT_EQ(currentLevel.units[size_t(unit)], unitBefore) << c.name;
        EXPECT_EQ(currentLevel.buildings.size(), tableSizes[0]) << c.name;
        EXPECT_EQ(currentLevel.units.size(), tableSizes[1]) << c.name;
    }
}

TEST_F(AttributeCommands, ASelectedUnitLeavesTheBuildingOfTheSameNumberAlone) {
    const int32_t building = AddBuildingAt(103, 2, 2);
    const int32_t unit = AddUnitAt(7, 9, 9);
    ASSERT_EQ(building, unit);
    editorState.selectedIndex = unit;
    editorState.selectedIsUnit = true;
    const Building before = currentLevel.buildings[size_t(building)];
    for (int id : {20, 23, 47, 26, 30, 32, 36, 41, 52}) RunClickCommand(id);
    EXPECT_EQ(currentLevel.buildings[size_t(building)], before);
    EXPECT_EQ(currentLevel.units[size_t(unit)].kind, 8);
    EXPECT_EQ(currentLevel.units[size_t(unit)].side, 1);
}


// Through the mouse, on the controls the last paint showed.
TEST_F(AttributeCommands, PanelButtonsOfAHoveredBuildingChangeNothingUntilItIsSelected) {
    const int32_t n = AddBuildingAt(KindHeavyFactory, 5, 5);
    currentLevel.buildings[size_t(n)].healthPercent = 50;
    editorState.hoverIndex = n;
    editorState.hoverIsUnit = false;
    Repaint();
    ASSERT_TRUE(FindControl(47)->IsVisible());
    const Rect health = RectOf(47);
    Press((health.left + health.right) / 2, (health.top + health.bottom) / 2);
    Release((health.left + health.right) / 2, (health.top + health.bottom) / 2);
    EXPECT_EQ(currentLevel.buildings[size_t(n)].healthPercent, 50);

    editorState.selectedIndex = n;
    Repaint();
    Press((health.left + health.right) / 2, (health.top + health.bottom) / 2);
    EXPECT_EQ(currentLevel.buildings[size_t(n)].healthPercent, 60);
    EXPECT_EQ(currentLevel.buildings[size_t(n)].hitPoints, 60 * 135);
}

}  // namespace
