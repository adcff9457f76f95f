// Object kind codes as the game's files store them, and everything the editor
// derives from a building kind: footprint, full-health hit points, whether the
// .edt stores its row one higher, and its production slots.
#pragma once

#include <algorithm>
#include <cstdint>

// Building kinds.
constexpr int32_t KindSmallTower = 25;
constexpr int32_t KindAntiAirTower = 26;
constexpr int32_t KindPlasmaTower = 27;
constexpr int32_t KindLaserTower = 28;
constexpr int32_t KindShellTower = 29;
constexpr int32_t KindMainBase = 100;
constexpr int32_t KindLightFactory = 101;
constexpr int32_t KindMediumFactory = 102;
constexpr int32_t KindHeavyFactory = 103;
constexpr int32_t KindRadar = 104;
constexpr int32_t KindGoldStation = 105;
constexpr int32_t KindSolarResearch = 106;
constexpr int32_t KindWindPowerStation = 107;
constexpr int32_t KindRobotFactory = 108;

// Unit kinds. 1..15 are five families of three weight classes each
// (code = 3 x family + class, class 1 light, 2 medium, 3 heavy); 40..46 are
// single units.
constexpr int32_t FirstFamilyUnitKind = 1;
constexpr int32_t LastFamilyUnitKind = 15;
constexpr int32_t FirstSingleUnitKind = 40;
constexpr int32_t LastSingleUnitKind = 46;
constexpr int32_t KindUfo = 40;  // what a new unit in an empty table becomes

// A production building has up to this many levels, numbered 1..5.
constexpr int ProductionLevels = 5;

struct BuildingKindRule {
    int32_t kind;
    int32_t width;           // footprint in cells
    int32_t height;
    int32_t hitPointFactor;  // hit points per percent of health
    bool fileRowHigher;      // the .edt stores y - 1 for this kind
    int32_t researchableMax; // 0: no production
    int32_t firstItem;       // item codes its slots cycle through; 0 when none
    int32_t lastItem;
};

inline constexpr BuildingKindRule BuildingKindRules[] = {
    {KindSmallTower, 1, 1, 9, false, 0, 0, 0},
    {KindAntiAirTower, 1, 1, 12, false, 0, 0, 0},
    {KindPlasmaTower, 1, 1, 15, false, 0, 0, 0},
    {KindLaserTower, 1, 2, 21, false, 0, 0, 0},
    {KindShellTower, 1, 2, 26, false, 0, 0, 0},
    {KindMainBase, 4, 3, 135, true, 0, 0, 0},
    {KindLightFactory, 3, 2, 135, true, 5, 1, 15},
    {KindMediumFactory, 4, 3, 135, true, 5, 1, 15},
    {KindHeavyFactory, 4, 3, 135, true, 5, 1, 15},
    {KindRadar, 3, 3, 135, true, 5, 30, 34},
    {KindGoldStation, 3, 2, 135, true, 3, 16, 18},
    {KindSolarResearch, 3, 3, 135, false, 3, 19, 21},
    {KindWindPowerStation, 3, 3, 135, true, 3, 22, 24},
    {KindRobotFactory, 4, 3, 135, false, 5, 41, 46},
};

// What a code outside the table gets: drawn as an overflow entry, 1 x 1.
inline constexpr BuildingKindRule UnknownBuildingKindRule = {0, 1, 1, 135, false, 0, 0, 0};

constexpr const BuildingKindRule& BuildingKindRuleOf(int32_t kind) {
    for (const BuildingKindRule& rule : BuildingKindRules)
        if (rule.kind == kind) return rule;
    return UnknownBuildingKindRule;
}

constexpr bool IsKnownBuildingKind(int32_t kind) { return BuildingKindRuleOf(kind).kind != 0; }
constexpr int32_t BuildingWidth(int32_t kind) { return BuildingKindRuleOf(kind).width; }
constexpr int32_t BuildingHeight(int32_t kind) { return BuildingKindRuleOf(kind).height; }
constexpr int32_t HitPointFactor(int32_t kind) { return BuildingKindRuleOf(kind).hitPointFactor; }
constexpr bool StoredOneRowHigher(int32_t kind) { return BuildingKindRuleOf(kind).fileRowHigher; }
constexpr int32_t MaxResearchable(int32_t kind) { return BuildingKindRuleOf(kind).researchableMax; }

constexpr bool IsTowerKind(int32_t kind) { return kind >= KindSmallTower && kind <= KindShellTower; }
// The row the .edt stores for a building at row y, and back.
constexpr int32_t FileRowOf(int32_t kind, int32_t y) { return StoredOneRowHigher(kind) ? y - 1 : y; }
constexpr int32_t RowFromFile(int32_t kind, int32_t fileRow) {
    return StoredOneRowHigher(kind) ? fileRow + 1 : fileRow;
}

// Kinds 101..108 produce; towers and the main base do not, and the .edt
// carries no production fields for them.
constexpr bool HasProduction(int32_t kind) { return kind >= KindLightFactory && kind <= KindRobotFactory; }
constexpr bool IsFactoryKind(int32_t kind) { return kind >= KindLightFactory && kind <= KindHeavyFactory; }
// Gold, solar and wind stations produce a fixed item per level.
constexpr bool HasFixedItems(int32_t kind) { return kind >= KindGoldStation && kind <= KindWindPowerStation; }
constexpr int32_t FixedItemBase(int32_t kind) { return BuildingKindRuleOf(kind).firstItem; }

// The slot default for a production level of kinds 101..108. The fixed-item
// stations have only three items, so levels 4 and 5 land on level 3 again.
constexpr int SlotDefaultLevel(int32_t kind, int level) {
    return HasFixedItems(kind) ? std::min(level, 3) : level;
}
constexpr int32_t SlotDefaultItem(int32_t kind, int level) {
    if (IsFactoryKind(kind)) return FirstFamilyUnitKind;
    if (HasFixedItems(kind)) return FixedItemBase(kind) + std::min(level - 1, 2);
    if (HasProduction(kind)) return BuildingKindRuleOf(kind).firstItem;
    return 0;
}

// Weight classes of the unit families.
constexpr int32_t UnitFamily(int32_t code) { return (code - 1) / 3; }
constexpr int32_t UnitWeightClass(int32_t code) { return (code - 1) % 3 + 1; }
constexpr bool IsFamilyUnitKind(int32_t code) { return code >= FirstFamilyUnitKind && code <= LastFamilyUnitKind; }

// A factory 101..103 builds classes 1..(kind - 100); a slot's offset counts
// down from its heaviest class, so the offset commands keep 0..kind - 101.
constexpr int32_t FactoryClassCount(int32_t kind) { return kind - 100; }
constexpr int32_t MaxClassOffset(int32_t kind) { return kind - 101; }

// The code a factory slot produces after its offset changes: same family,
// class (kind - 100) - offset. Division truncates toward zero.
constexpr int32_t FactorySlotCode(int32_t kind, int32_t code, int32_t offset) {
    return 3 * ((code - 1) / 3) + FactoryClassCount(kind) - offset;
}

// The offset loading derives from a slot's code. It inverts FactorySlotCode
// for light and medium codes; a heavy code (a multiple of 3) gives kind - 100,
// one above what the offset commands keep; the next offset click steps it
// back into range.
constexpr int32_t ClassOffsetFromLoadedCode(int32_t kind, int32_t code) {
    return FactoryClassCount(kind) - code % 3;
}
