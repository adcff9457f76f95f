// The attribute commands of the selected building or unit. Each steps one
// value inside the range the object's kind allows; a value a file brought
// outside that range (any byte) is stepped from where it stands.
#include "input/attribute_commands.h"

#include <algorithm>

#include "controls/control_ids.h"
#include "input/editor_state.h"
#include "level/level_data.h"

namespace {

Building* SelectedBuilding() {
    const EditorState& state = editorState;
    const int32_t n = state.selectedIndex;
    if (state.selectedIsUnit || n < 1 || n > currentLevel.buildingCount || size_t(n) >= currentLevel.buildings.size()) return nullptr;
    return &currentLevel.buildings[size_t(n)];
}

Unit* SelectedUnit() {
    const EditorState& state = editorState;
    const int32_t n = state.selectedIndex;
    if (!state.selectedIsUnit || n < 1 || n > currentLevel.unitCount || size_t(n) >= currentLevel.units.size()) return nullptr;
    return &currentLevel.units[size_t(n)];
}

// Buildings cycle 25..29, 100..108 and back to 25.
int32_t PreviousBuildingKind(int32_t kind) {
    --kind;
    if (kind == KindMainBase - 1) return KindShellTower;
    if (kind == KindSmallTower - 1) return KindRobotFactory;
    return kind;
}

int32_t NextBuildingKind(int32_t kind) {
    ++kind;
    if (kind == KindShellTower + 1) return KindMainBase;
    if (kind == KindRobotFactory + 1) return KindSmallTower;
    return kind;
}

// Units cycle 1..15, 40..46 and back to 1.
int32_t PreviousUnitKind(int32_t kind) {
    --kind;
    if (kind == FirstFamilyUnitKind - 1) return LastSingleUnitKind;
    if (kind == FirstSingleUnitKind - 1) return LastFamilyUnitKind;
    return kind;
}

int32_t NextUnitKind(int32_t kind) {
    ++kind;
    if (kind == LastFamilyUnitKind + 1) return FirstSingleUnitKind;
    if (kind == LastSingleUnitKind + 1) return FirstFamilyUnitKind;
    return kind;
}

void StepKind(bool up) {
    const int32_t n = editorState.selectedIndex;
    if (Building* building = SelectedBuilding()) {
        const int32_t kind = up ? NextBuildingKind(building->kind) : PreviousBuildingKind(building->kind);
        // Only kinds 101..108 may be neutral. Going down a step can leave that
        // range only to 100, going up only to 25; each direction's test covers
        // its own way out, and a neutral main base from a file keeps its side
        // on the way up.
        const bool leftNeutralKinds = up ? kind <= KindShellTower : kind <= KindMainBase;
        if (leftNeutralKinds && building->side == NeutralSide) building->side = 0;
        SetBuildingKind(currentLevel, kind, n);
    } else if (Unit* unit = SelectedUnit()) {
        SetUnitKind(currentLevel, up ? NextUnitKind(unit->kind) : PreviousUnitKind(unit->kind), n);
    }
}

// One step through 0..highest, wrapping at the end the step goes towards. A
// value that a file brought above `highest` therefore walks down into range
// with "<" and jumps to 0 with ">".
int32_t Cycled(int32_t value, int32_t step, int32_t highest) {
    value += step;
    if (step < 0 && value < 0) return highest;
    if (step > 0 && value > highest) return 0;
    return value;
}

void StepSide(int32_t step) {
    if (Building* building = SelectedBuilding()) {
        const int32_t highest = building->kind > KindMainBase ? NeutralSide : 1;
        building->side = Cycled(building->side, step, highest);
    } else if (Unit* unit = SelectedUnit()) {
        unit->side = Cycled(unit->side, step, 1);
    }
}

void StepHealth(int32_t step) {
    Building* building = SelectedBuilding();
    if (building == nullptr) return;
    const int32_t value = building->healthPercent + step;
    building->healthPercent = step < 0 ? std::max(0, value) : std::min(FullHealthPercent, value);
    RecomputeHitPoints(currentLevel, editorState.selectedIndex);
}

void StepSatelliteProtection(int32_t step) {
    if (Building* building = SelectedBuilding())
        building->satelliteProtection = Cycled(building->satelliteProtection, step, 1);
}

// Fewer available levels cannot leave more of them researched.
void LowerResearchable(Building& building) {
    building.researchable = std::max(0, building.researchable - 1);
    building.researched = std::min(building.researched, building.researchable);
}

void RaiseResearchable(Building& building) {
    const int32_t most = MaxResearchable(building.kind);
    if (most > 0) building.researchable = std::min(most, building.researchable + 1);
}

void LowerResearched(Building& building) { building.researched = std::max(0, building.researched - 1); }

void RaiseResearched(Building& building) {
    building.researched = std::min(building.researchable, building.researched + 1);
}

// The icon of production level `level` shows the next item of the kind's
// list. A factory steps by 3, which keeps the weight class and moves to the
// next family; the stations 105..107 have fixed items.
void NextProducedItem(Building& building, int level) {
    int32_t& item = building.produced[level];
    if (IsFactoryKind(building.kind)) {
        item += 3;
        if (item > LastFamilyUnitKind) item -= LastFamilyUnitKind;
    } else if (building.kind == KindRadar || building.kind == KindRobotFactory) {
        const BuildingKindRule& rule = BuildingKindRuleOf(building.kind);
        const bool fifthRobotLevel = building.kind == KindRobotFactory && level == ProductionLevels;
        const int32_t last = fifthRobotLevel ? RobotFactoryFifthLevelLastItem : rule.lastItem;
        ++item;
        if (item > last) item = rule.firstItem;
    }
}

// The button under a factory's icon steps the level's weight class: the
// offset counts down and wraps to the factory's heaviest offset, and the code
// follows it within its family.
void NextWeightClass(Building& building, int level) {
    if (!IsFactoryKind(building.kind)) return;
    int32_t& offset = building.classOffset[level];
    --offset;
    if (offset < 0) offset = MaxClassOffset(building.kind);
    RederiveFactorySlot(currentLevel, editorState.selectedIndex, level);
}

// The commands of the rows that only buildings have.
bool RunBuildingRowCommand(int32_t id) {
    if (id >= FirstProductionIconId && id < FirstProductionIconId + ProductionLevels) {
        if (Building* building = SelectedBuilding()) NextProducedItem(*building, id - FirstProductionIconId + 1);
        return true;
    }
    if (id >= FirstClassButtonId && id < FirstClassButtonId + ProductionLevels) {
        if (Building* building = SelectedBuilding()) NextWeightClass(*building, id - FirstClassButtonId + 1);
        return true;
    }
    void (*step)(Building&) = nullptr;
    switch (id) {
    case ResearchableDownId: step = LowerResearchable; break;
    case ResearchableUpId: step = RaiseResearchable; break;
    case ResearchedDownId: step = LowerResearched; break;
    case ResearchedUpId: step = RaiseResearched; break;
    default: return false;
    }
    if (Building* building = SelectedBuilding()) step(*building);
    return true;
}

}  // namespace

bool RunObjectAttributeCommand(int32_t id) {
    switch (id) {
    case KindDownId: StepKind(false); return true;
    case KindUpId: StepKind(true); return true;
    case SideDownId: StepSide(-1); return true;
    case SideUpId: StepSide(1); return true;
    case HealthDownId: StepHealth(-1); return true;
    case HealthUpId: StepHealth(1); return true;
    case HealthDownTenId: StepHealth(-10); return true;
    case HealthUpTenId: StepHealth(10); return true;
    case SatelliteDownId: StepSatelliteProtection(-1); return true;
    case SatelliteUpId: StepSatelliteProtection(1); return true;
    default: return RunBuildingRowCommand(id);
    }
}
