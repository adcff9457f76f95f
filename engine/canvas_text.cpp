// Placeholder text drawing until the font lands.
#include "engine/canvas.h"
void Canvas::DrawText(std::string_view, PixelRect, Colour, TextLayout) {}
