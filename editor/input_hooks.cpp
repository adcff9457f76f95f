// The mouse, wheel and keyboard hooks. The handlers in input/ change the state and say
// whether the screen must show it; the hooks repaint when they do.
#include "editor/editor.h"
#include "engine/game_engine.h"
#include "input/key_presses.h"
#include "input/keyboard.h"
#include "input/mouse.h"
#include "input/mouse_wheel.h"

void OnMouseDown(int x, int y, bool leftButton) {
    if (HandleMouseDown(x, y, leftButton)) Repaint();
}

void OnMouseUp(int x, int y, bool leftButton) {
    if (HandleMouseUp(x, y, leftButton)) Repaint();
}

void OnMouseMove(int x, int y) {
    if (HandleMouseMove(x, y)) Repaint();
}

void OnKeys() {
    if (HandleKeys()) Repaint();
}

void OnKeyPress(platform::PressedKey key, bool ctrl, bool shift) {
    if (HandleKeyPress(key, ctrl, shift)) Repaint();
}

void OnWheel(int notchesRight, int notchesDown, bool ctrl, bool shift) {
    if (HandleWheel(notchesRight, notchesDown, ctrl, shift)) Repaint();
}
