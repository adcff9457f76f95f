// Mouse editing: clicks on controls, the scroll thumbs, and hovering,
// selecting, dragging and placing buildings and units in the map view. The
// hooks OnMouseDown, OnMouseUp and OnMouseMove themselves are declared with the
// engine's other hooks.
#pragma once

// Finds the object on the cursor cell the last object-page paint computed, so
// the hover lags one mouse event behind the pointer. A unit wins over a
// building; among several, the highest number. Nothing is hovered while the
// left button is held.
void UpdateHover();
