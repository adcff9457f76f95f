// The contact sheet: every picture on one page with its id, the 40 by 40 ones as they
// show in the editor (raw, on each frame, dimmed), the interface pieces assembled.
#pragma once

#include "engine/canvas.h"

Canvas MakeContactSheet();

// Enlarges by whole pixels, so single pixels can be judged.
Canvas Enlarge(const Canvas& picture, int factor);
