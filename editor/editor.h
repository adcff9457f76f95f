// The editor's own globals beneath its hooks: the engine it created and the
// off-screen frame every repaint composes into.
#pragma once

#include "editor/editor_hooks.h"
#include "engine/canvas.h"
#include "engine/game_engine.h"

constexpr int ClientWidth = 940;
constexpr int ClientHeight = 695;

extern GameEngine* editorEngine;
extern Canvas offscreenFrame;

// Composes the whole frame into the off-screen frame and presents it.
void Repaint();

// Puts every global record of the editor back as it was before start-up: the
// engine, the off-screen frame and the catalogue released, the level and its file
// names, the editor state, and no layout. Tests reset through this alone.
void ResetEditorGlobals();
