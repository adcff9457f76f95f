// The pictures the editor draws, loaded once from the program's resources when
// the window is created and freed when it is destroyed.
#pragma once

#include "engine/bitmap.h"

constexpr int InterfaceBitmapCount = 17;
constexpr int IconBitmapCount = 47;

// Side panel, button and thumb pieces, icon frames.
extern Bitmap* interfaceBitmaps[InterfaceBitmapCount];
// One picture per object kind or produced-item code, indexed by that code;
// slot 0 is the dimming overlay.
extern Bitmap* iconBitmaps[IconBitmapCount];

constexpr Colour TransparentColour = Rgb(255, 0, 255);

void LoadBitmapCatalogue();
void FreeBitmapCatalogue();
