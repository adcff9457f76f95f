// The level pair the editor works on: choosing its number, loading, saving.
#pragma once

#include <cstdint>

#include "level/level_names.h"

// Step the number the load button opens, within 0..23.
void PreviousLevelNumber();
void NextLevelNumber();

// Loads the chosen pair and forgets the hovered and selected objects, whatever
// the outcome; nothing while a new object is being placed.
void LoadChosenLevel();

// Writes the level back to the pair last loaded; nothing while a new object is
// being placed.
void SaveEditedLevel();
