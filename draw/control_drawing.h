// Drawing one control of the control list by its kind.
#pragma once

class Canvas;
class Control;

void DrawControl(Canvas& canvas, const Control& control);
