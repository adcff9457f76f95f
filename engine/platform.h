// The platform layer: the few things the editor needs from an operating system.
// One backend implements these per platform (engine/sdl, engine/win32,
// engine/headless); nothing outside the backends includes an OS or SDL header.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <vector>

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
    int x = 0, y = 0;        // frame pixels for mouse events, whatever the window's scale
    bool leftButton = false; // for MouseDown and MouseUp
    PressedKey key = PressedKey::Delete;  // for KeyPress
    bool ctrl = false, shift = false;     // for KeyPress and Wheel: held at that moment
    int notchesRight = 0;    // for Wheel: whole notches, tilted right (negative: left)
    int notchesDown = 0;     // turned towards the user (negative: away from them)
};

struct WindowSpec {
    const char* className = "";  // where the system registers windows by class
    const char* title = "";
    int width = 0, height = 0;  // the frame
    uint16_t iconId = 0, smallIconId = 0;
    int requestedScale = 0;  // 1..4 from the command line; 0: the display's own
};

// Creates the main window, hidden, not resizable, centred on the primary screen,
// with a client area of exactly the frame's size times the scale that
// ChooseScaleDpi (engine/window_scale.h) picks from the display's DPI, or from
// the scale asked for, and the display's usable area. False when it cannot.
bool CreateMainWindow(const WindowSpec& request);
void ShowMainWindow();
void DestroyMainWindow();

// Waits at most `timeoutMs` (UINT32_MAX: no limit) for the next event.
bool WaitEvent(Event& event, uint32_t timeoutMs);

// Copies a finished frame to the client area, at the window's scale: only the
// rectangles that changed since the last present, or all of it when the window
// may no longer show that one (engine/frame_changes.h).
void Present(const Canvas& frame);
// With `whole`, every present sends the whole frame, as the present benchmark
// compares against.
void PresentWholeFrames(bool whole);
// The rectangles of the window, in its pixels, that the last present sent.
std::span<const PixelRect> LastPresentAreas();

enum class MessageButtons { Ok, OkCancel };
enum class MessageAnswer { Ok, Cancel };
// A modal message box owned by the main window; no frame runs until it is answered.
MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons);

// The mouse as the system has it, whatever events the window was given: the
// buttons, and the pointer in frame pixels, as mouse events give it, which may
// lie outside the client area.
struct MouseState {
    bool leftDown = false, rightDown = false;
    int x = 0, y = 0;
};
// A button released while a message box is up reaches no window of ours (the
// box takes the input, or the system gives its disabled owner none), so the
// backend reads the mouse as each box closes. True once for each box closed
// since the last call, with the reading of the last one. A button whose release
// is still on its way to the main window reads as down: it is not lost.
bool TakeMouseAfterMessageBox(MouseState& mouse);

// The keys the editor polls, as GetAsyncKeyState would see them.
enum class Key { Left, Up, Right, Down, KeypadPlus, KeypadMinus };
bool IsKeyDown(Key key);

// The program's arguments after its name, in UTF-8.
std::vector<std::string> ProgramArguments();
// Tells the user, before any window exists, why the program does not start.
void ReportStartupError(std::string_view programName, std::string_view text);

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
