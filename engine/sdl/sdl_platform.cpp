// The SDL backend: the real window on Linux and macOS.
#include <algorithm>
#include <cstdio>
#include <limits>
#include <string>
#include <string_view>
#include <vector>

#include "engine/frame_changes.h"
#include "engine/frame_scaling.h"
#include "engine/platform.h"
#include "engine/sdl/sdl_arguments.h"
#include "engine/sdl/sdl_backend.h"
#include "engine/window_scale.h"
#include "resources/resource_table.h"

namespace sdl {

SDL_Window* mainWindow = nullptr;
PixelSize frameSize;
int scaleDpi = UnscaledDpi;

bool PresentAreas(SDL_Window* window, const Canvas& frame, std::span<const PixelRect> areas) {
    SDL_Surface* surface = SDL_GetWindowSurface(window);
    if (surface == nullptr || frame.IsEmpty()) return false;
    const PixelSize size = ScaledSize({frame.Width(), frame.Height()}, scaleDpi);
    if (SDL_MUSTLOCK(surface) && SDL_LockSurface(surface) != 0) return false;
    auto* target = static_cast<uint8_t*>(surface->pixels);
    const size_t pitch = size_t(surface->pitch);
    // Our pixels have the layout of an RGB888 surface: they go straight into it,
    // scaled or not. Any other layout gets them converted from a scaled copy.
    static std::vector<Colour> scaled;
    const bool direct = surface->format->format == SDL_PIXELFORMAT_RGB888;
    if (!direct) scaled.resize(size_t(size.width) * size_t(size.height));
    static std::vector<SDL_Rect> rects;
    rects.clear();
    for (PixelRect area : areas) {
        // A window the system made smaller than asked shows what fits.
        area = {area.left, area.top, std::min({area.right, surface->w, size.width}),
                std::min({area.bottom, surface->h, size.height})};
        if (area.IsEmpty()) continue;
        if (direct && scaleDpi == UnscaledDpi) {
            for (int y = area.top; y < area.bottom; ++y)
                std::copy(frame.Row(y) + area.left, frame.Row(y) + area.right,
                          reinterpret_cast<Colour*>(target + size_t(y) * pitch) + area.left);
        } else if (direct) {
            ScaleFrameArea(frame, reinterpret_cast<Colour*>(target), size.width, size.height, pitch, area);
        } else {
            ScaleFrameArea(frame, scaled.data(), size.width, size.height, size_t(size.width) * sizeof(Colour), area);
            const Colour* from = scaled.data() + size_t(area.top) * size_t(size.width) + size_t(area.left);
            SDL_ConvertPixels(area.right - area.left, area.bottom - area.top, SDL_PIXELFORMAT_RGB888, from,
                              size.width * int(sizeof(Colour)), surface->format->format,
                              target + size_t(area.top) * pitch + size_t(area.left) * surface->format->BytesPerPixel,
                              surface->pitch);
        }
        rects.push_back({area.left, area.top, area.right - area.left, area.bottom - area.top});
    }
    if (SDL_MUSTLOCK(surface)) SDL_UnlockSurface(surface);
    return rects.empty() || SDL_UpdateWindowSurfaceRects(window, rects.data(), int(rects.size())) == 0;
}

void PresentTo(SDL_Window* window, const Canvas& frame) {
    const PixelSize size = ScaledSize({frame.Width(), frame.Height()}, scaleDpi);
    const PixelRect whole{0, 0, size.width, size.height};
    PresentAreas(window, frame, {&whole, 1});
}

void FocusWindow(SDL_Window* window) {
    SDL_RaiseWindow(window);
    SDL_SetWindowInputFocus(window);
}

}  // namespace sdl

namespace {

SDL_Joystick* joystick = nullptr;
FrameChanges mainWindowChanges;
std::vector<std::string> arguments;

// Window pixels to the frame's, both halves of the position as unsigned 16-bit
// values, as client coordinates arrive on the game's platform.
void ToFrame(platform::Event& event, int windowX, int windowY) {
    event.x = FramePixelAt(windowX & 0xFFFF, sdl::frameSize.width, sdl::scaleDpi);
    event.y = FramePixelAt(windowY & 0xFFFF, sdl::frameSize.height, sdl::scaleDpi);
}

// Ctrl and Shift as the key events taken so far left them. SDL's wheel event carries
// no modifiers, and SDL_GetModState may already count a release still queued behind
// the notch, so a notch takes these.
SDL_Keymod heldModifiers = KMOD_NONE;

bool TranslateKeyPress(const SDL_KeyboardEvent& key, platform::Event& out) {
    using platform::PressedKey;
    platform::Event press{platform::EventType::KeyPress};
    switch (key.keysym.sym) {
    case SDLK_DELETE: press.key = PressedKey::Delete; break;
    case SDLK_s: press.key = PressedKey::S; break;
    case SDLK_y: press.key = PressedKey::Y; break;
    case SDLK_z: press.key = PressedKey::Z; break;
    default: return false;
    }
    press.ctrl = (key.keysym.mod & KMOD_CTRL) != 0;
    press.shift = (key.keysym.mod & KMOD_SHIFT) != 0;
    out = press;
    return true;
}

bool TranslateWheel(const SDL_MouseWheelEvent& wheel, platform::Event& out) {
    // SDL counts up and right as positive; a flipped wheel reports them reversed.
    const int sign = wheel.direction == SDL_MOUSEWHEEL_FLIPPED ? -1 : 1;
    platform::Event notch{platform::EventType::Wheel};
    notch.notchesRight = sign * wheel.x;
    notch.notchesDown = -sign * wheel.y;
    notch.ctrl = (heldModifiers & KMOD_CTRL) != 0;
    notch.shift = (heldModifiers & KMOD_SHIFT) != 0;
    if (notch.notchesRight == 0 && notch.notchesDown == 0) return false;
    out = notch;
    return true;
}

bool Translate(const SDL_Event& in, platform::Event& out) {
    using platform::EventType;
    const Uint32 mainId = SDL_GetWindowID(sdl::mainWindow);
    switch (in.type) {
    case SDL_QUIT:
        out = {EventType::Close};
        return true;
    case SDL_WINDOWEVENT:
        if (in.window.windowID != mainId) return false;
        switch (in.window.event) {
        case SDL_WINDOWEVENT_CLOSE: out = {EventType::Close}; return true;
        case SDL_WINDOWEVENT_FOCUS_GAINED:
        case SDL_WINDOWEVENT_FOCUS_LOST:
            // The key events of another window (a message box's) were not taken here.
            heldModifiers = SDL_GetModState();
            out = {in.window.event == SDL_WINDOWEVENT_FOCUS_GAINED ? EventType::Activate : EventType::Deactivate};
            return true;
        case SDL_WINDOWEVENT_EXPOSED:
            // The paint that answers it sends the whole window again.
            mainWindowChanges.SendWholeNext();
            out = {EventType::Paint};
            return true;
        default: return false;
        }
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP:
        if (in.button.windowID != mainId) return false;
        if (in.button.button != SDL_BUTTON_LEFT && in.button.button != SDL_BUTTON_RIGHT) return false;
        out.type = in.type == SDL_MOUSEBUTTONDOWN ? EventType::MouseDown : EventType::MouseUp;
        ToFrame(out, in.button.x, in.button.y);
        out.leftButton = in.button.button == SDL_BUTTON_LEFT;
        return true;
    case SDL_KEYDOWN:
    case SDL_KEYUP:
        heldModifiers = SDL_Keymod(in.key.keysym.mod);
        return in.type == SDL_KEYDOWN && in.key.windowID == mainId && TranslateKeyPress(in.key, out);
    case SDL_MOUSEWHEEL:
        return in.wheel.windowID == mainId && in.wheel.which != SDL_TOUCH_MOUSEID && TranslateWheel(in.wheel, out);
    case SDL_MOUSEMOTION:
        if (in.motion.windowID != mainId) return false;
        out = {EventType::MouseMove};
        ToFrame(out, in.motion.x, in.motion.y);
        return true;
    default:
        return false;
    }
}

}  // namespace

void sdl::KeepProgramArguments(int argc, char** argv) { arguments.assign(argv + std::min(argc, 1), argv + argc); }

namespace platform {

bool CreateMainWindow(const WindowSpec& request) {
    // Without this SDL draws the window surface through OpenGL on X11, which costs
    // start-up time, memory and a slower present.
    SDL_SetHint(SDL_HINT_FRAMEBUFFER_ACCELERATION, "0");
    // Button-up and motion arrive only over the client area, as on the game's platform.
    SDL_SetHint(SDL_HINT_MOUSE_AUTO_CAPTURE, "0");
    sdl::ToleratePostDestroyErrors();
    sdl::SkipComposeTable();
    if (SDL_Init(SDL_INIT_VIDEO) != 0) return false;
    // When no display can be reached, SDL falls back to a driver that shows
    // nothing: the program would wait for ever on a window no one can see.
    const char* name = SDL_GetCurrentVideoDriver();
    const std::string_view driver = name != nullptr ? name : "";
    if (driver == "offscreen" || driver == "dummy") {
        SDL_Quit();
        return false;
    }
    // The window opens on the first display, at the size it keeps.
    SDL_Rect usable{};
    if (SDL_GetDisplayUsableBounds(0, &usable) != 0) usable = {};
    sdl::frameSize = {request.width, request.height};
    // The window manager's frame is not known before the window exists; only the
    // client area is measured against the usable area.
    sdl::scaleDpi = ChooseScaleDpi(sdl::DisplayDpi(), request.requestedScale, sdl::frameSize, {},
                                   {usable.w, usable.h});
    const PixelSize size = ScaledSize(sdl::frameSize, sdl::scaleDpi);
    sdl::mainWindow = SDL_CreateWindow(request.title, SDL_WINDOWPOS_CENTERED, SDL_WINDOWPOS_CENTERED,
                                       size.width, size.height, SDL_WINDOW_HIDDEN);
    if (sdl::mainWindow == nullptr) return false;
    sdl::SetWindowIcon(request.iconId);
    return true;
}

void ShowMainWindow() {
    SDL_ShowWindow(sdl::mainWindow);
    // What was presented while the window was hidden never reached the screen.
    mainWindowChanges.SendWholeNext();
    sdl::FocusWindow(sdl::mainWindow);
}

void DestroyMainWindow() {
    if (joystick != nullptr) SDL_JoystickClose(joystick);
    joystick = nullptr;
    if (sdl::mainWindow != nullptr) SDL_DestroyWindow(sdl::mainWindow);
    sdl::mainWindow = nullptr;
    mainWindowChanges.SendWholeNext();
    SDL_Quit();
}

bool WaitEvent(Event& event, uint32_t timeoutMs) {
    const bool forever = timeoutMs == std::numeric_limits<uint32_t>::max();
    const uint32_t start = SDL_GetTicks();
    for (;;) {
        SDL_Event sdlEvent;
        uint32_t left = 0;
        if (!forever) {
            const uint32_t spent = SDL_GetTicks() - start;
            left = spent >= timeoutMs ? 0 : timeoutMs - spent;
        }
        const int got = forever ? SDL_WaitEvent(&sdlEvent)
                                : SDL_WaitEventTimeout(&sdlEvent, int(std::min<uint32_t>(left, 1u << 30)));
        if (got == 0) return false;
        if (Translate(sdlEvent, event)) return true;
        if (!forever && SDL_GetTicks() - start >= timeoutMs) return false;
    }
}

void Present(const Canvas& frame) {
    if (sdl::mainWindow == nullptr) return;
    // SDL makes the window a new surface when its size changes, and a new one
    // holds nothing of the frames shown before. It may reuse the old one's
    // address, so the surfaces we have drawn on carry our mark instead.
    SDL_Surface* surface = SDL_GetWindowSurface(sdl::mainWindow);
    if (surface != nullptr && surface->userdata != &mainWindowChanges) {
        mainWindowChanges.SendWholeNext();
        surface->userdata = &mainWindowChanges;
    }
    if (!sdl::PresentAreas(sdl::mainWindow, frame, mainWindowChanges.Take(frame, sdl::scaleDpi)))
        mainWindowChanges.SendWholeNext();
}

void PresentWholeFrames(bool whole) { mainWindowChanges.SendWholeFrames(whole); }

std::span<const PixelRect> LastPresentAreas() { return mainWindowChanges.Areas(); }

bool IsKeyDown(Key key) {
    static constexpr SDL_Scancode Scancodes[] = {SDL_SCANCODE_LEFT, SDL_SCANCODE_UP,
                                                 SDL_SCANCODE_RIGHT, SDL_SCANCODE_DOWN,
                                                 SDL_SCANCODE_KP_PLUS, SDL_SCANCODE_KP_MINUS};
    // The loop pumps events before every frame, so the state is current.
    const Uint8* state = SDL_GetKeyboardState(nullptr);
    return state != nullptr && state[Scancodes[int(key)]] != 0;
}

std::vector<std::string> ProgramArguments() { return arguments; }

void ReportStartupError(std::string_view programName, std::string_view text) {
    std::fprintf(stderr, "%.*s: %.*s\n", int(programName.size()), programName.data(), int(text.size()), text.data());
}

uint32_t Ticks() { return SDL_GetTicks(); }

std::span<const uint8_t> BitmapResource(uint16_t id) { return FindEmbeddedBitmap(id); }

int JoystickCount() {
    if (!SDL_WasInit(SDL_INIT_JOYSTICK) && SDL_InitSubSystem(SDL_INIT_JOYSTICK) != 0) return 0;
    return SDL_NumJoysticks();
}

bool ReadJoystick(uint32_t id, JoystickReading& reading) {
    if (!SDL_WasInit(SDL_INIT_JOYSTICK)) return false;
    if (joystick == nullptr) joystick = SDL_JoystickOpen(int(id));
    if (joystick == nullptr || !SDL_JoystickGetAttached(joystick)) return false;
    // SDL's axes are signed; the frame's joystick positions run 0..65535.
    reading.x = uint32_t(SDL_JoystickGetAxis(joystick, 0) + 32768);
    reading.y = uint32_t(SDL_JoystickGetAxis(joystick, 1) + 32768);
    reading.button1 = SDL_JoystickGetButton(joystick, 0) != 0;
    reading.button2 = SDL_JoystickGetButton(joystick, 1) != 0;
    return true;
}

bool JoystickCaps(uint32_t id, JoystickRange& range) {
    if (int(id) >= JoystickCount()) return false;
    range = {0, 65535, 0, 65535};
    return true;
}

bool CaptureJoystick(uint32_t, bool) {
    // SDL reports joystick changes through the same event queue; there is nothing to set up.
    return JoystickCount() > 0;
}

}  // namespace platform
