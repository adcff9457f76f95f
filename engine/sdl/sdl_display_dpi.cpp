// The DPI the desktop asks for. Desktops on X11 say how much larger they draw
// through the Xft.dpi resource (192 at 200%), not through the monitor's size,
// which is often wrong or a guess.
#include <cmath>
#include <cstdlib>
#include <cstring>

#include "engine/sdl/sdl_backend.h"
#include "engine/window_scale.h"

#if TARNHOLD_X11
#include <X11/Xlib.h>
#include <X11/Xresource.h>

namespace {

// The number a resource string starts with, as a whole DPI; 0 when there is none.
int ParseDpi(const char* text) {
    char* end = nullptr;
    const double dpi = std::strtod(text, &end);
    if (end == text || !std::isfinite(dpi) || dpi < 1 || dpi > 10 * UnscaledDpi) return 0;
    return int(std::lround(dpi));
}

int XftDpi() {
    // A connection of our own, before SDL's exists; the resource database comes
    // with it, read from the root window as the connection opened.
    Display* display = XOpenDisplay(nullptr);
    if (display == nullptr) return 0;
    int dpi = 0;
    if (const char* resources = XResourceManagerString(display)) {
        XrmInitialize();
        if (XrmDatabase database = XrmGetStringDatabase(resources)) {
            char* type = nullptr;
            XrmValue value{};
            if (XrmGetResource(database, "Xft.dpi", "Xft.Dpi", &type, &value) && value.addr != nullptr)
                dpi = ParseDpi(value.addr);
            XrmDestroyDatabase(database);
        }
    }
    XCloseDisplay(display);
    return dpi;
}

}  // namespace

int sdl::DisplayDpi() {
    const char* driver = SDL_GetCurrentVideoDriver();
    const int dpi = driver != nullptr && std::strcmp(driver, "x11") == 0 ? XftDpi() : 0;
    return dpi > 0 ? dpi : UnscaledDpi;
}

#else

int sdl::DisplayDpi() { return UnscaledDpi; }

#endif
