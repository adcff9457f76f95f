// Mouse editing: clicks on controls, the scroll thumbs, and hovering,
// selecting, dragging and placing buildings and units in the map view. The
// handlers change the state and return whether the screen must be repainted;
// the hooks OnMouseDown, OnMouseUp and OnMouseMove repaint.
#pragma once

// A left press grabs a thumb, runs the command of the visible control under the
// pointer and selects in the map view; a right press changes nothing. Either
// asks for a repaint.
bool HandleMouseDown(int pointerX, int pointerY, bool leftButton);
// Either button's release ends a drag, then counts as a movement to the same point.
bool HandleMouseUp(int pointerX, int pointerY, bool leftButton);
// Moves a held thumb or object, hovers, and remembers the pointer.
bool HandleMouseMove(int pointerX, int pointerY);

// Ends a drag, or the placing of a new object, with the object where it
// stands, so that the release that follows moves nothing; a new object stays
// selected. False when no object was following the pointer.
bool EndObjectDrag();

// Finds the object on the cursor cell the last object-page paint computed, so
// the hover lags one mouse event behind the pointer. A unit wins over a
// building; among several, the highest number. Nothing is hovered while the
// left button is held.
void UpdateHover();
