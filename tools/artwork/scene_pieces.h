// The icon drawings as pieces for a larger scene: each paints in a 40 by 40 unit box
// through whatever placement the sketch has, so the side panel can show them at any size.
#pragma once

#include "tools/artwork/sketch.h"

void PaintVehicle(Sketch& sketch, int family, int weightClass);
void PaintTurret(Sketch& sketch, int which);
void PaintDomeSaucer(Sketch& sketch);
void PaintWalker(Sketch& sketch, int which);
void PaintRadiationPlatform(Sketch& sketch);
void PaintPropellerBomber(Sketch& sketch);
void PaintJetFighter(Sketch& sketch);
void PaintOrangeSpacecraft(Sketch& sketch);
void PaintPodDisc(Sketch& sketch);
void PaintFireRain(Sketch& sketch);

// Big lettering with a bevelled gold face, a dark rim and a drop shadow. `height` is the
// capital height in pixels; `left`, `top` its box. Knows the letters of the editor's name
// and a few more (A D E H I L M N O P R T and the blank).
void PaintLettering(Sketch& sketch, const char* text, double left, double top, double height);
// The width `text` takes at that height.
double LetteringWidth(const char* text, double height);
