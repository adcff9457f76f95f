// Drawing of the controls by kind. Buttons and thumbs are built from the bitmap
// catalogue's pieces; until that catalogue exists nothing is drawn.
#include "draw/control_drawing.h"

#include "controls/control.h"
#include "engine/canvas.h"

void DrawControl(Canvas&, const Control&) {}
