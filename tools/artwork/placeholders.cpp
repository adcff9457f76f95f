#include "tools/artwork/artwork.h"
#include "tools/artwork/sketch.h"
namespace { Canvas Empty() { return Canvas(40, 40, Magenta); } }
Canvas DrawSidePanel() { return Canvas(270, 695, Rgb(30, 30, 40)); }

Canvas DrawPropellerBomber() { return Empty(); }
Canvas DrawOrangeSpacecraft() { return Empty(); }
Canvas DrawPodDisc() { return Empty(); }
Canvas DrawFireRain() { return Empty(); }
Canvas DrawJetFighter() { return Empty(); }
IconImage DrawProgramIcon(bool) { IconImage i; i.indices.assign(1024, 0); i.transparent.assign(1024, true); return i; }
