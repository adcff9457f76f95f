// What a paint shows beyond the level and the editor state's own fields: the
// cursor cell, and each control's visibility, colour, grey and caption. OnPaint
// brings them up to date around drawing, so drawing reads everything as const,
// and what a click hits is what the last paint showed.
#pragma once

// Runs first in every paint. The cursor cell follows the pointer on the object
// page (the other screens leave it as it was, so the hover keeps finding the
// object at the last cell of the object page); every control's visible flag is
// decided for the screen that is up; the side box takes the panel object's side
// colour, and the limit and class buttons their greys.
void PrepareFrameState();

// Runs last in every paint. On the information page with a limit set, the limit
// type button takes the name of the limit type. The frame just drawn still
// showed the name it had, so a new name shows from the next paint on.
void NameLimitTypeAfterPaint();
