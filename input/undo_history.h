// Undo and redo. A step is what one user action changed of the level: the
// mission information (start position included), the buildings, the units and
// their counts; never the grid, which no edit changes. The history keeps the
// level as the last finished action left it; when the next action is finished
// and the level differs, that earlier state becomes an undo step.
#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "level/level_data.h"

// What an edit can change of a level.
struct LevelEdits {
    LevelInfo levelInfo = {};
    std::vector<Building> buildings;  // numbers 1..buildingCount, as far as the table holds them
    std::vector<Unit> units;
    int32_t buildingCount = 0;
    int32_t unitCount = 0;

    // The bytes this copy holds, its tables' allocations included.
    size_t BytesHeld() const;
    bool operator==(const LevelEdits&) const = default;
};

// The copy of what an edit can change of `level`.
LevelEdits EditsOf(const Level& level);

// The history never holds more than this; past it the oldest steps go first.
constexpr size_t UndoHistoryByteLimit = 16'000'000;

// Forgets every step: the level as it is now is where the next step starts.
// Loading a level does this; saving does not.
void ClearUndoHistory();

// Unless an edit goes on (an object dragged or being placed), whatever the
// level changed since the last finished action becomes one undo step, and
// what could be redone is forgotten. An action that changed nothing makes no step.
void FinishUndoableAction();

// Puts the objects and the mission information back as they were before the
// last step (or after the step last undone). The view stays; a selected,
// hovered or dragged number that no longer names a record of its table is
// cleared. An action that ended first becomes a step of its own. False when
// there is nothing to undo (redo), or while an edit goes on.
bool UndoLastStep();
bool RedoLastStep();

size_t UndoStepCount();
size_t RedoStepCount();
// Every step of both lists and the copy of the level the next step starts from.
size_t UndoHistoryBytes();
