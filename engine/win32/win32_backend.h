// What the Windows backend's files share: the main window, the event queue the
// window procedure fills, the frame last shown, and UTF-8 to UTF-16 conversion.
// The build defines WIN32_LEAN_AND_MEAN, NOMINMAX and UNICODE for these files
// (engine/win32/CMakeLists.txt says why).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>

#include "engine/canvas.h"
#include "engine/platform.h"

namespace win32 {

extern HWND mainWindow;
// How WinMain was asked to show the window (minimised from a shortcut, say).
extern int showCommand;

// Our texts are UTF-8; the system's wide functions take UTF-16, which shows Chinese
// whatever the machine's code page. Invalid bytes become U+FFFD.
std::wstring Widen(std::string_view utf8);

// Hands a translated window message to the engine's loop (see WaitEvent).
void QueueEvent(const platform::Event& event);

// A WM_KEYDOWN of a key the editor takes as a press, with Ctrl and Shift as they
// were when it was sent; false for any other key.
bool KeyPressOf(WPARAM virtualKey, platform::Event& event);
// A WM_MOUSEWHEEL or WM_MOUSEHWHEEL as whole notches; false until the deltas
// added up make one.
bool WheelNotchesOf(UINT message, WPARAM wParam, platform::Event& event);

// Draws the part `area` of the frame last presented onto `target`: what a paint
// request shows at once, before the editor paints again.
void PaintLastFrame(HDC target, const RECT& area);
void ReleaseLastFrame();

}  // namespace win32
