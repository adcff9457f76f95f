// What the Windows backend's files share: the main window and its scale, the event
// queue the window procedure fills, the frame last shown, the display's DPI, and
// UTF-8 to UTF-16 conversion.
// The build defines WIN32_LEAN_AND_MEAN, NOMINMAX and UNICODE for these files
// (engine/win32/CMakeLists.txt says why).
#pragma once

#include <windows.h>

#include <string>
#include <string_view>
#include <vector>

#include "engine/canvas.h"
#include "engine/platform.h"
#include "engine/window_scale.h"

namespace win32 {

extern HWND mainWindow;
// How WinMain was asked to show the window (minimised from a shortcut, say).
extern int showCommand;
// The frame's size, and the scale the window shows it at (engine/window_scale.h).
extern PixelSize frameSize;
extern int scaleDpi;

// Declares the program per-monitor DPI aware; called before any window exists.
void DeclareDpiAware();
// The DPI `monitor` asks for, and the part of it that windows may use.
int MonitorDpi(HMONITOR monitor);
PixelSize UsableArea(HMONITOR monitor);
// How much larger than its client area a window of `style` is at `dpi`.
PixelSize Decoration(DWORD style, int dpi);

// Our texts are UTF-8; the system's wide functions take UTF-16, which shows Chinese
// whatever the machine's code page. Invalid bytes become U+FFFD.
std::wstring Widen(std::string_view utf8);
// And back: UTF-16 from the system, such as the command line, to UTF-8.
std::string Narrow(std::wstring_view utf16);

// The program's arguments after its name, in UTF-8, from the UTF-16 command line:
// the ANSI argv cannot hold a name outside the machine's code page.
std::vector<std::string> CommandLineArguments();

// The editor's --version, asked for on the command line: answered, and true.
bool AnswerVersionRequest();

// Hands a translated window message to the engine's loop (see WaitEvent).
void QueueEvent(const platform::Event& event);
// True while a release of that button is on its way to the engine: queued for
// it, or still a message in the thread's queue.
bool ReleaseWaiting(bool leftButton);

// A WM_KEYDOWN of a key the editor takes as a press, with Ctrl and Shift as they
// were when it was sent; false for any other key.
bool KeyPressOf(WPARAM virtualKey, platform::Event& event);
// A WM_MOUSEWHEEL or WM_MOUSEHWHEEL as whole notches; false until the deltas
// added up make one.
bool WheelNotchesOf(UINT message, WPARAM wParam, platform::Event& event);

// Draws the part `area` of the frame last presented onto `target`: what a paint
// request shows at once, before the editor paints again.
void PaintLastFrame(HDC target, const RECT& area);
// The system asked for the window to be painted: the next present sends all of it.
void PresentWholeNext();
void ReleaseLastFrame();

}  // namespace win32
