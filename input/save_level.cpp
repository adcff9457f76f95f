// SaveLevel: the starting position into the .map, the rest of currentLevel
// into a new .edt. A save either completes or leaves the old .edt as it was,
// and says which.
#include "input/editor_state.h"
#include "input/level_files.h"
#include "level/pair_writing.h"

// Each file is reported as soon as it is written or not, and a .map that
// could not be patched does not stop the .edt.
void SaveLevel() {
    const bool mapPatched =
        mapFileName[0] != '\0' && !mapFileRefused && PatchMapFileStart(mapFileName, currentLevel).written;
    if (!mapPatched) ShowLevelFileMessage(MapNotSavedText);

    if (!WriteEdtFile(edtFileName, currentLevel).written) {
        ShowLevelFileMessage(EdtNotSavedText);
        return;
    }
    ShowLevelFileMessage(LevelSavedText);
}
