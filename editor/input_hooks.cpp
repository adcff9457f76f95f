// The mouse and keyboard hooks. The handlers in input/ change the state and say
// whether the screen must show it; the hooks repaint when they do.
#include "editor/editor.h"
#include "engine/game_engine.h"
#include "input/keyboard.h"
#include "input/mouse.h"

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
