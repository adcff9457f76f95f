#include "tools/artwork/artwork.h"
#include "tools/artwork/sketch.h"
Canvas DrawSidePanel() { return Canvas(270, 695, Rgb(30, 30, 40)); }

IconImage DrawProgramIcon(bool) { IconImage i; i.indices.assign(1024, 0); i.transparent.assign(1024, true); return i; }
