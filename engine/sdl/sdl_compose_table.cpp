// The editor reads keys and never typed text, so the compose table that Xlib
// loads when SDL opens an input method is never used. Yet Xlib parses the whole
// table of the locale (thousands of sequences for a UTF-8 locale) before the
// window can open, a third of the time to the first frame. An empty table
// spares that; a table the user named in XCOMPOSEFILE is left as it is.
#include "engine/sdl/sdl_backend.h"

namespace sdl {

void SkipComposeTable() {
#if TARNHOLD_X11
    SDL_setenv("XCOMPOSEFILE", "/dev/null", 0);
#endif
}

}  // namespace sdl
