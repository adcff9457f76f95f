// Keys, the millisecond clock, the joystick and the bitmap resources on Windows.
#include "engine/win32/win32_backend.h"  // <windows.h> first: <mmsystem.h> builds on it

#include <mmsystem.h>  // joyGetPos and timeGetTime; WIN32_LEAN_AND_MEAN leaves it out of <windows.h>

namespace {
// Fine-grained wheels send parts of a notch; the rest waits for the next message.
int verticalWheelRest = 0;
int horizontalWheelRest = 0;
}  // namespace

namespace win32 {

bool KeyPressOf(WPARAM virtualKey, platform::Event& event) {
    using platform::PressedKey;
    platform::Event press{platform::EventType::KeyPress};
    switch (virtualKey) {
    case VK_DELETE: press.key = PressedKey::Delete; break;
    case 'S': press.key = PressedKey::S; break;
    case 'Y': press.key = PressedKey::Y; break;
    case 'Z': press.key = PressedKey::Z; break;
    default: return false;
    }
    // GetKeyState follows the messages as they are taken, so it tells the state
    // at this key, not now.
    press.ctrl = (GetKeyState(VK_CONTROL) & 0x8000) != 0;
    press.shift = (GetKeyState(VK_SHIFT) & 0x8000) != 0;
    event = press;
    return true;
}

bool WheelNotchesOf(UINT message, WPARAM wParam, platform::Event& event) {
    const bool vertical = message == WM_MOUSEWHEEL;
    int& rest = vertical ? verticalWheelRest : horizontalWheelRest;
    rest += GET_WHEEL_DELTA_WPARAM(wParam);
    const int notches = rest / WHEEL_DELTA;
    rest -= notches * WHEEL_DELTA;
    if (notches == 0) return false;
    platform::Event notch{platform::EventType::Wheel};
    // A positive delta turns the wheel away from the user, or tilts it right.
    if (vertical) notch.notchesDown = -notches; else notch.notchesRight = notches;
    const WORD keys = GET_KEYSTATE_WPARAM(wParam);
    notch.ctrl = (keys & MK_CONTROL) != 0;
    notch.shift = (keys & MK_SHIFT) != 0;
    event = notch;
    return true;
}

}  // namespace win32

namespace platform {

bool IsKeyDown(Key key) {
    static constexpr int VirtualKeys[] = {VK_LEFT, VK_UP, VK_RIGHT, VK_DOWN, VK_ADD, VK_SUBTRACT};
    // The top bit is the key's state now, wherever the focus is.
    return (GetAsyncKeyState(VirtualKeys[int(key)]) & 0x8000) != 0;
}

// Millisecond resolution while the window raises the timer resolution; wraps at
// 2^32 like the tick count, which the frame clock allows for.
uint32_t Ticks() { return timeGetTime(); }

std::span<const uint8_t> BitmapResource(uint16_t id) {
    HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, MAKEINTRESOURCEW(id), RT_BITMAP);
    if (found == nullptr) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const DWORD size = SizeofResource(module, found);
    // A loaded resource stays mapped with the module for the whole run; it needs
    // no freeing.
    const void* bytes = loaded != nullptr ? LockResource(loaded) : nullptr;
    if (bytes == nullptr || size == 0) return {};
    return {static_cast<const uint8_t*>(bytes), size};
}

int JoystickCount() { return int(joyGetNumDevs()); }

bool ReadJoystick(uint32_t id, JoystickReading& reading) {
    JOYINFO info{};
    if (joyGetPos(id, &info) != JOYERR_NOERROR) return false;
    reading.x = info.wXpos;
    reading.y = info.wYpos;
    reading.button1 = (info.wButtons & JOY_BUTTON1) != 0;
    reading.button2 = (info.wButtons & JOY_BUTTON2) != 0;
    return true;
}

bool JoystickCaps(uint32_t id, JoystickRange& range) {
    JOYCAPSW caps{};
    if (joyGetDevCapsW(id, &caps, sizeof caps) != JOYERR_NOERROR) return false;
    range = {caps.wXmin, caps.wXmax, caps.wYmin, caps.wYmax};
    return true;
}

bool CaptureJoystick(uint32_t id, bool capture) {
    // Polling period 0 and messages only when something changed.
    if (capture) return win32::mainWindow != nullptr && joySetCapture(win32::mainWindow, id, 0, TRUE) == JOYERR_NOERROR;
    return joyReleaseCapture(id) == JOYERR_NOERROR;
}

}  // namespace platform
