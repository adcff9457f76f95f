// The texts and numbers written over the controls after the control list is drawn:
// the level number, the panel object's title and values, the mission values.
#pragma once

#include "draw/frame_view.h"
#include "engine/canvas.h"
#include "input/panel_object.h"

constexpr PixelRect ObjectTitleRect{705, 40, 870, 60};

// The level number that the load button opens, in its label.
void DrawLevelNumber(Canvas& canvas, const FrameView& view);
// The object's kind name and its values, all in the colour of its side.
void DrawObjectPanel(Canvas& canvas, const FrameView& view, const PanelObject& object);
// Both sides' credits, research points and air forces, the limit and the start view.
void DrawInformationValues(Canvas& canvas, const FrameView& view);
