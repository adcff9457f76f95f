// Under X11, SDL wakes its own event wait by sending an event to the window over a
// second connection to the server. When the window is destroyed right after (the
// user closed it, or a message box was answered), a busy server can carry out the
// destroy first, and the late event then fails with BadWindow. Xlib's default error
// handler ends the program with code 1 for that; a window that is already gone
// needs nothing done.
#include "engine/sdl/sdl_backend.h"

#if TARNHOLD_X11
#include <X11/Xlib.h>

namespace {

XErrorHandler previousHandler = nullptr;

int IgnoreGoneWindow(Display* display, XErrorEvent* error) {
    if (error->error_code == BadWindow) return 0;
    return previousHandler(display, error);
}

}  // namespace

namespace sdl {

void ToleratePostDestroyErrors() {
    // Set before SDL opens its connections: SDL's own handler then passes errors on
    // to this one and puts it back when video shuts down.
    if (previousHandler == nullptr) previousHandler = XSetErrorHandler(IgnoreGoneWindow);
}

}  // namespace sdl

#else

namespace sdl {
void ToleratePostDestroyErrors() {}
}  // namespace sdl

#endif
