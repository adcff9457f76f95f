// The level number buttons and the load and save buttons.
#include "input/level_commands.h"

#include "input/editor_state.h"
#include "input/level_files.h"
#include "input/undo_history.h"

void PreviousLevelNumber() {
    if (editorState.levelNumber > 0) --editorState.levelNumber;
}

void NextLevelNumber() {
    if (editorState.levelNumber < HighestLevelNumber) ++editorState.levelNumber;
}

void LoadChosenLevel() {
    if (editorState.placing) return;
    LoadLevel();
    // Steps of another level, or of this one before it was read again, cannot be undone here.
    ClearUndoHistory();
    // The numbers may name other objects of the new level, or none.
    editorState.selectedIndex = 0;
    editorState.hoverIndex = 0;
}

void SaveEditedLevel() {
    if (editorState.placing) return;
    SaveLevel();
}
