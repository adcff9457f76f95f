// The undo and redo lists, kept within their memory limit.
#include "input/undo_history.h"

#include <algorithm>
#include <deque>
#include <utility>

#include "input/editor_state.h"

namespace {

struct UndoHistory {
    std::deque<LevelEdits> undo;  // oldest first
    std::deque<LevelEdits> redo;  // the next to redo last
    size_t stepBytes = 0;         // of the steps in both lists
    LevelEdits settled;           // the level as the last finished action left it
};

UndoHistory history;

bool SameEdits(const LevelEdits& edits, const Level& level) {
    return edits.buildingCount == level.buildingCount && edits.unitCount == level.unitCount &&
           edits.levelInfo == level.levelInfo && std::ranges::equal(edits.buildings, LevelBuildings(level)) &&
           std::ranges::equal(edits.units, LevelUnits(level));
}

void RestoreEdits(Level& level, const LevelEdits& edits) {
    level.levelInfo = edits.levelInfo;
    SetLevelObjects(level, edits.buildings, edits.units);
    // A count may name numbers its table never held; it comes back as it was.
    level.buildingCount = edits.buildingCount;
    level.unitCount = edits.unitCount;
}

bool EditGoesOn() { return editorState.placing || editorState.dragIndex != -1; }

void KeepWithinLimit() {
    while (history.stepBytes + history.settled.BytesHeld() > UndoHistoryByteLimit) {
        // The oldest undo step first; only when none is left, the farthest redo.
        std::deque<LevelEdits>& list = history.undo.empty() ? history.redo : history.undo;
        if (list.empty()) return;
        history.stepBytes -= list.front().BytesHeld();
        list.pop_front();
    }
}

void DropRedo() {
    for (const LevelEdits& step : history.redo) history.stepBytes -= step.BytesHeld();
    history.redo.clear();
}

bool NamesRecord(int32_t n, bool isUnit) {
    const Level& level = currentLevel;
    if (isUnit) return n >= 1 && n <= level.unitCount && size_t(n) < level.units.size();
    return n >= 1 && n <= level.buildingCount && size_t(n) < level.buildings.size();
}

void ForgetNumbersGone() {
    EditorState& state = editorState;
    if (!NamesRecord(state.selectedIndex, state.selectedIsUnit)) state.selectedIndex = 0;
    if (!NamesRecord(state.hoverIndex, state.hoverIsUnit)) state.hoverIndex = 0;
    if (state.dragIndex != -1 && !NamesRecord(state.dragIndex, state.selectedIsUnit)) state.dragIndex = -1;
}

// Moves the last step of `from` onto the level; what the level was goes last
// onto `to`.
bool StepAcross(std::deque<LevelEdits>& from, std::deque<LevelEdits>& to) {
    FinishUndoableAction();
    if (EditGoesOn() || from.empty()) return false;
    LevelEdits target = std::move(from.back());
    from.pop_back();
    RestoreEdits(currentLevel, target);
    history.stepBytes += history.settled.BytesHeld();
    history.stepBytes -= target.BytesHeld();
    to.push_back(std::exchange(history.settled, std::move(target)));
    ForgetNumbersGone();
    KeepWithinLimit();
    return true;
}

}  // namespace

LevelEdits EditsOf(const Level& level) {
    const std::span<const Building> buildings = LevelBuildings(level);
    const std::span<const Unit> units = LevelUnits(level);
    LevelEdits edits;
    edits.levelInfo = level.levelInfo;
    // Built from the ranges, the tables hold exactly the records: a step costs
    // what the level holds, whatever room the level's own tables keep.
    edits.buildings = std::vector<Building>(buildings.begin(), buildings.end());
    edits.units = std::vector<Unit>(units.begin(), units.end());
    edits.buildingCount = level.buildingCount;
    edits.unitCount = level.unitCount;
    return edits;
}

size_t LevelEdits::BytesHeld() const {
    return sizeof(LevelEdits) + buildings.capacity() * sizeof(Building) + units.capacity() * sizeof(Unit);
}

void ClearUndoHistory() {
    history.undo.clear();
    history.redo.clear();
    history.stepBytes = 0;
    history.settled = EditsOf(currentLevel);
}

void FinishUndoableAction() {
    if (EditGoesOn() || SameEdits(history.settled, currentLevel)) return;
    DropRedo();
    history.stepBytes += history.settled.BytesHeld();
    history.undo.push_back(std::exchange(history.settled, EditsOf(currentLevel)));
    KeepWithinLimit();
}

bool UndoLastStep() { return StepAcross(history.undo, history.redo); }
bool RedoLastStep() { return StepAcross(history.redo, history.undo); }

size_t UndoStepCount() { return history.undo.size(); }
size_t RedoStepCount() { return history.redo.size(); }
size_t UndoHistoryBytes() { return history.stepBytes + history.settled.BytesHeld(); }
