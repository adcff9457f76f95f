// The display's DPI on Windows. The program declares itself per-monitor DPI aware
// (v2): Windows then no longer stretches the window, blurry, by itself, and tells
// the window when it reaches a monitor of another DPI. The window scales its frame
// itself (engine/window_scale.h). The functions that came with later versions of
// Windows are looked up at run time, so the .exe still starts where they are
// missing, at the system's DPI.
#include "engine/win32/win32_backend.h"

#include "engine/window_scale.h"

namespace {

// DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2, which older headers lack.
const HANDLE PerMonitorAwareV2 = reinterpret_cast<HANDLE>(intptr_t(-4));
constexpr int EffectiveDpi = 0;  // MDT_EFFECTIVE_DPI

template <typename Function>
Function SystemFunction(const wchar_t* module, const char* name) {
    HMODULE handle = GetModuleHandleW(module);
    // Only from the system folder: a DLL of that name beside the .exe is not ours.
    if (handle == nullptr) handle = LoadLibraryExW(module, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (handle == nullptr) return nullptr;
    // Through a pointer to a function of no arguments, which converts to any other
    // without a warning.
    return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(GetProcAddress(handle, name)));
}

}  // namespace

namespace win32 {

void DeclareDpiAware() {
    using SetContext = BOOL(WINAPI*)(HANDLE);
    if (auto setContext = SystemFunction<SetContext>(L"user32.dll", "SetProcessDpiAwarenessContext"))
        if (setContext(PerMonitorAwareV2)) return;
    // Before Windows 10 (1703): aware of the system's DPI at least.
    using SetAware = BOOL(WINAPI*)();
    if (auto setAware = SystemFunction<SetAware>(L"user32.dll", "SetProcessDPIAware")) setAware();
}

int MonitorDpi(HMONITOR monitor) {
    using GetDpi = HRESULT(WINAPI*)(HMONITOR, int, UINT*, UINT*);
    UINT dpiX = 0, dpiY = 0;
    if (auto getDpi = SystemFunction<GetDpi>(L"shcore.dll", "GetDpiForMonitor"))
        if (getDpi(monitor, EffectiveDpi, &dpiX, &dpiY) == S_OK && dpiX > 0) return int(dpiX);
    // Before Windows 8.1: the system's DPI, the same on every monitor.
    int dpi = 0;
    if (HDC screen = GetDC(nullptr)) {
        dpi = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
    }
    return dpi > 0 ? dpi : UnscaledDpi;
}

PixelSize UsableArea(HMONITOR monitor) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (!GetMonitorInfoW(monitor, &info)) return {};
    return {info.rcWork.right - info.rcWork.left, info.rcWork.bottom - info.rcWork.top};
}

PixelSize Decoration(DWORD style, int dpi) {
    RECT outer{0, 0, 0, 0};
    using AdjustForDpi = BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT);
    auto adjust = SystemFunction<AdjustForDpi>(L"user32.dll", "AdjustWindowRectExForDpi");
    if (!(adjust != nullptr ? adjust(&outer, style, FALSE, 0, UINT(dpi)) : AdjustWindowRectEx(&outer, style, FALSE, 0)))
        return {};
    return {outer.right - outer.left, outer.bottom - outer.top};
}

}  // namespace win32
