// The platform layer: the few things the editor needs from an operating system.
// One backend implements these per platform (engine/sdl, engine/win32,
// engine/headless); nothing outside the backends includes an OS or SDL header.
#pragma once

#include <cstdint>
#include <span>
#include <string_view>

#include "engine/canvas.h"

namespace platform {

enum class EventType {
    Close,       // the user asked to close the window
    Activate,    // the window gained the input focus
    Deactivate,  // the window lost it
    Paint,       // the system wants the client area drawn again
    MouseDown,
    MouseUp,
    MouseMove,
    KeyPress,    // a key went down, or repeats while held
    Wheel,       // the mouse wheel turned or tilted
};

// The keys the editor takes as presses (the six it polls are in Key below).
enum class PressedKey { Delete, S, Y, Z };

struct Event {
    EventType type = EventType::Paint;
    int x = 0, y = 0;        // client coordinates for mouse events
    bool leftButton = false; // for MouseDown and MouseUp
    PressedKey key = PressedKey::Delete;  // for KeyPress
    bool ctrl = false, shift = false;     // for KeyPress and Wheel: held at that moment
    int notchesRight = 0;    // for Wheel: whole notches, tilted right (negative: left)
    int notchesDown = 0;     // turned towards the user (negative: away from them)
};

struct WindowSpec {
    const char* className = "";  // where the system registers windows by class
    const char* title = "";
    int width = 0, height = 0;  // the client area
    uint16_t iconId = 0, smallIconId = 0;
};

// Creates the main window, hidden, with exactly the client size asked for, not
// resizable, centred on the primary screen. False when it cannot.
bool CreateMainWindow(const WindowSpec& request);
void ShowMainWindow();
void DestroyMainWindow();

// Waits at most `timeoutMs` (UINT32_MAX: no limit) for the next event.
bool WaitEvent(Event& event, uint32_t timeoutMs);

// Copies a finished frame to the client area.
void Present(const Canvas& frame);

enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };
// A modal message box owned by the main window; no frame runs until it is answered.
MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons);

// The keys the editor polls, as GetAsyncKeyState would see them.
enum class Key { Left, Up, Right, Down, KeypadPlus, KeypadMinus };
bool IsKeyDown(Key key);

// Milliseconds since some start; wraps at 2^32.
uint32_t Ticks();

// The bytes of bitmap resource `id` as a Windows bitmap resource holds them, or empty.
std::span<const uint8_t> BitmapResource(uint16_t id);

struct JoystickReading {
    uint32_t x = 0, y = 0;
    bool button1 = false, button2 = false;
};
struct JoystickRange {
    uint32_t minX = 0, maxX = 0, minY = 0, maxY = 0;
};
int JoystickCount();
bool ReadJoystick(uint32_t id, JoystickReading& reading);
bool JoystickCaps(uint32_t id, JoystickRange& range);
bool CaptureJoystick(uint32_t id, bool capture);

}  // namespace platform
