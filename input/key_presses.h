// The keys the editor takes as presses, beside the six it polls: undo and redo,
// saving and deleting. Each press acts once; a held key repeats at the
// system's key repeat.
#pragma once

#include "engine/platform.h"

// Ctrl+Z undoes; Ctrl+Y and Ctrl+Shift+Z redo; Ctrl+S saves as "保存修改地图"
// does, while that button is shown and nothing is being placed; Delete deletes
// the selected object as "删除单位." does, while that button is shown. True
// when the screen must be repainted.
bool HandleKeyPress(platform::PressedKey key, bool ctrl, bool shift);
