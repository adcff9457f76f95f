// The texts and numbers written over the controls after the control list is drawn:
// the level number, the panel object's title and values, the mission values.
#pragma once

#include "draw/panel_object.h"
#include "engine/canvas.h"

constexpr PixelRect ObjectTitleRect{705, 40, 870, 60};

// The level number that the load button opens, in control 8.
void DrawLevelNumber(Canvas& canvas);
// The object's kind name and its values, all in the colour of its side.
void DrawObjectPanel(Canvas& canvas, const PanelObject& object);
// Both sides' credits, research points and air forces, the limit and the start
// view. Also names the limit type in control 111's caption, which therefore shows
// from the next paint on.
void DrawInformationValues(Canvas& canvas);
