// Keys, the millisecond clock, the joystick and the bitmap resources on Windows.
#include "engine/win32/win32_backend.h"  // <windows.h> first: <mmsystem.h> builds on it

#include <mmsystem.h>  // joyGetPos and timeGetTime; WIN32_LEAN_AND_MEAN leaves it out of <windows.h>

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
