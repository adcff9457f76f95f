// What the SDL backend's files share: the main window and the frame on it.
#pragma once

#include <SDL.h>

#include <span>

#include "engine/canvas.h"
#include "engine/window_scale.h"

namespace sdl {

extern SDL_Window* mainWindow;
// The frame the main window shows, and the scale it shows it at, at which the
// message box is drawn too.
extern PixelSize frameSize;
extern int scaleDpi;

// Copies the `areas` of the window, in its pixels, from `frame` at `scaleDpi`
// into the window's surface and shows them. False when it could not.
bool PresentAreas(SDL_Window* window, const Canvas& frame, std::span<const PixelRect> areas);
// Copies all of `frame` into the window's surface and shows it.
void PresentTo(SDL_Window* window, const Canvas& frame);

// The DPI the desktop asks for: Xft.dpi from the X resources; UnscaledDpi when
// there is none, or no X11.
int DisplayDpi();

// Gives `window` the input focus: raise it, then ask X for the focus directly,
// since with no window manager nobody else hands it over.
void FocusWindow(SDL_Window* window);

// Sets the main window's icon from icon group `iconId`; nothing when it is missing.
void SetWindowIcon(uint16_t iconId);

// Under X11, keeps an error about a window that is already destroyed from ending
// the program; nothing elsewhere. Called before SDL is initialised.
void ToleratePostDestroyErrors();

// Under X11, spares loading the compose table, which only typed text uses; nothing
// elsewhere. Called before SDL is initialised.
void SkipComposeTable();

}  // namespace sdl
