// The main window on Windows: class registration, creation, the window procedure
// and the wait for the next event.
//
// How messages reach the editor. The engine's loop pulls events through WaitEvent,
// so the window procedure does not call the editor's hooks: it translates the
// messages the editor cares about into events, queues them, and WaitEvent hands
// them out one at a time. The hooks then run only from the engine's loop, one
// after the other, never from inside another hook. That matters because the system
// also calls the window procedure from inside its own modal loops: a message box
// opened by a click command dispatches paint and activation messages while the
// command waits for the answer, and DestroyWindow sends messages while the engine
// closes down. Routed directly, those would re-enter the editor half-way through
// a command. Queued, they wait until the command has returned.
//
// A paint request still has to be answered while it is being dispatched, or the
// system keeps sending it: WM_PAINT validates the region with BeginPaint and
// EndPaint, shows the frame last presented there at once (so the window is whole
// even while a message box is up), and queues one Paint event for the editor to
// draw the window anew.
//
// The client area is the frame's size times the scale (engine/window_scale.h);
// mouse positions are turned back into frame pixels before they are queued.
#include "engine/win32/win32_backend.h"  // <windows.h> first: <mmsystem.h> builds on it

#include <mmsystem.h>  // timeBeginPeriod; WIN32_LEAN_AND_MEAN leaves it out of <windows.h>

#include <algorithm>
#include <deque>
#include <limits>

namespace win32 {

HWND mainWindow = nullptr;
int showCommand = SW_SHOWNORMAL;
PixelSize frameSize;
int scaleDpi = UnscaledDpi;

}  // namespace win32

namespace {

constexpr DWORD MainWindowStyle = WS_POPUP | WS_BORDER | WS_DLGFRAME | WS_SYSMENU | WS_MINIMIZEBOX;
// The frame timing asks for 25 ms steps; the default 15.6 ms system timer would
// stretch every wait, and so every frame, to 31 ms.
constexpr UINT TimerResolutionMs = 1;

std::deque<platform::Event> pendingEvents;
bool destroyingMainWindow = false;
bool timerResolutionRaised = false;
int requestedScale = 0;

bool IsQueued(platform::EventType type) {
    for (const platform::Event& event : pendingEvents)
        if (event.type == type) return true;
    return false;
}

platform::Event MouseEvent(platform::EventType type, LPARAM lParam, bool leftButton) {
    // Client coordinates are the two halves of the long parameter, each unsigned.
    const auto bits = static_cast<uint32_t>(lParam);
    return {type, FramePixelAt(int(bits & 0xFFFF), win32::frameSize.width, win32::scaleDpi),
            FramePixelAt(int((bits >> 16) & 0xFFFF), win32::frameSize.height, win32::scaleDpi), leftButton};
}

void FollowDpi(int dpi, const RECT& suggested);

LRESULT RouteMessage(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    using platform::EventType;
    switch (message) {
    case WM_CREATE:
        // The engine runs the start hook once creation has returned.
        return 0;
    case WM_CLOSE:
        // The engine destroys the window and ends; nothing is asked or saved.
        if (!IsQueued(EventType::Close)) win32::QueueEvent({EventType::Close});
        return 0;
    case WM_DESTROY:
        // Only DestroyMainWindow destroys the window; should anything else, the
        // engine must still end and release the editor.
        if (!destroyingMainWindow && !IsQueued(EventType::Close)) win32::QueueEvent({EventType::Close});
        PostQuitMessage(0);
        return 0;
    case WM_ACTIVATE:
        // The word parameter taken whole: a window activated while minimised has
        // its high half set and is still active.
        win32::QueueEvent({wParam != 0 ? EventType::Activate : EventType::Deactivate});
        return 0;
    case WM_PAINT: {
        PAINTSTRUCT paint;
        if (HDC target = BeginPaint(window, &paint)) {
            win32::PaintLastFrame(target, paint.rcPaint);
            EndPaint(window, &paint);
        }
        win32::PresentWholeNext();
        if (!IsQueued(EventType::Paint)) win32::QueueEvent({EventType::Paint});
        return 0;
    }
    case WM_LBUTTONDOWN: win32::QueueEvent(MouseEvent(EventType::MouseDown, lParam, true)); return 0;
    case WM_LBUTTONUP: win32::QueueEvent(MouseEvent(EventType::MouseUp, lParam, true)); return 0;
    case WM_RBUTTONDOWN: win32::QueueEvent(MouseEvent(EventType::MouseDown, lParam, false)); return 0;
    case WM_RBUTTONUP: win32::QueueEvent(MouseEvent(EventType::MouseUp, lParam, false)); return 0;
    case WM_MOUSEMOVE: win32::QueueEvent(MouseEvent(EventType::MouseMove, lParam, false)); return 0;
    case WM_DPICHANGED:
        FollowDpi(HIWORD(wParam), *reinterpret_cast<const RECT*>(lParam));
        return 0;
    case WM_KEYDOWN: {
        platform::Event press;
        if (!win32::KeyPressOf(wParam, press)) return DefWindowProcW(window, message, wParam, lParam);
        win32::QueueEvent(press);
        return 0;
    }
    case WM_MOUSEWHEEL:
    case WM_MOUSEHWHEEL: {
        platform::Event notch;
        if (win32::WheelNotchesOf(message, wParam, notch)) win32::QueueEvent(notch);
        return 0;
    }
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

LRESULT CALLBACK MainWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return RouteMessage(window, message, wParam, lParam);
}

// The fixed-frame metrics describe the classic frame; a themed one can be wider.
// The client area must be exact, so the window grows by whatever is missing and,
// with `centre`, is centred again.
void FitClientArea(PixelSize size, bool centre) {
    const int width = size.width, height = size.height;
    RECT client{}, outer{};
    if (!GetClientRect(win32::mainWindow, &client) || !GetWindowRect(win32::mainWindow, &outer)) return;
    const int missingWidth = width - (client.right - client.left);
    const int missingHeight = height - (client.bottom - client.top);
    if (missingWidth == 0 && missingHeight == 0) return;
    const int windowWidth = outer.right - outer.left + missingWidth;
    const int windowHeight = outer.bottom - outer.top + missingHeight;
    const int x = centre ? (GetSystemMetrics(SM_CXSCREEN) - windowWidth) / 2 : outer.left;
    const int y = centre ? (GetSystemMetrics(SM_CYSCREEN) - windowHeight) / 2 : outer.top;
    SetWindowPos(win32::mainWindow, nullptr, x, y, windowWidth, windowHeight, SWP_NOZORDER | SWP_NOACTIVATE);
}

// The window reached a monitor of another DPI, or the monitor's DPI changed: it
// takes the scale that monitor asks for, where the system suggests.
void FollowDpi(int dpi, const RECT& suggested) {
    if (win32::mainWindow == nullptr) return;
    const PixelSize decoration = win32::Decoration(MainWindowStyle, dpi);
    const PixelSize usable = win32::UsableArea(MonitorFromRect(&suggested, MONITOR_DEFAULTTONEAREST));
    win32::scaleDpi = ChooseScaleDpi(dpi, requestedScale, win32::frameSize, decoration, usable);
    const PixelSize client = ScaledSize(win32::frameSize, win32::scaleDpi);
    SetWindowPos(win32::mainWindow, nullptr, suggested.left, suggested.top, client.width + decoration.width,
                 client.height + decoration.height, SWP_NOZORDER | SWP_NOACTIVATE);
    FitClientArea(client, false);
    if (!IsQueued(platform::EventType::Paint)) win32::QueueEvent({platform::EventType::Paint});
}

// Dispatches every message waiting in the thread's queue.
void DispatchPendingMessages() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            if (!IsQueued(platform::EventType::Close)) win32::QueueEvent({platform::EventType::Close});
            continue;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

}  // namespace

namespace win32 {

std::wstring Widen(std::string_view utf8) {
    const int length = int(std::min<size_t>(utf8.size(), std::numeric_limits<int>::max()));
    if (length == 0) return {};
    const int wideLength = MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, nullptr, 0);
    if (wideLength <= 0) return {};
    std::wstring wide(size_t(wideLength), L'\0');
    MultiByteToWideChar(CP_UTF8, 0, utf8.data(), length, wide.data(), wideLength);
    return wide;
}

void QueueEvent(const platform::Event& event) { pendingEvents.push_back(event); }

bool ReleaseWaiting(bool leftButton) {
    for (const platform::Event& event : pendingEvents)
        if (event.type == platform::EventType::MouseUp && event.leftButton == leftButton) return true;
    const UINT release = leftButton ? WM_LBUTTONUP : WM_RBUTTONUP;
    MSG message;
    return mainWindow != nullptr && PeekMessageW(&message, mainWindow, release, release, PM_NOREMOVE);
}

}  // namespace win32

namespace platform {

bool CreateMainWindow(const WindowSpec& request) {
    HINSTANCE instance = GetModuleHandleW(nullptr);
    const std::wstring className = win32::Widen(request.className);
    const std::wstring title = win32::Widen(request.title);

    WNDCLASSEXW windowClass{};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_HREDRAW | CS_VREDRAW;
    windowClass.lpfnWndProc = MainWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = LoadIconW(instance, MAKEINTRESOURCEW(request.iconId));
    windowClass.hIconSm = static_cast<HICON>(LoadImageW(instance, MAKEINTRESOURCEW(request.smallIconId), IMAGE_ICON,
                                                        GetSystemMetrics(SM_CXSMICON),
                                                        GetSystemMetrics(SM_CYSMICON), LR_DEFAULTCOLOR));
    windowClass.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_WINDOW + 1);
    windowClass.lpszClassName = className.c_str();
    if (RegisterClassExW(&windowClass) == 0) return false;

    // The window opens on the primary monitor, at the size it keeps.
    const HMONITOR primary = MonitorFromPoint({0, 0}, MONITOR_DEFAULTTOPRIMARY);
    const PixelSize decoration{2 * GetSystemMetrics(SM_CXFIXEDFRAME),
                               2 * GetSystemMetrics(SM_CYFIXEDFRAME) + GetSystemMetrics(SM_CYCAPTION)};
    win32::frameSize = {request.width, request.height};
    requestedScale = request.requestedScale;
    win32::scaleDpi = ChooseScaleDpi(win32::MonitorDpi(primary), requestedScale, win32::frameSize, decoration,
                                     win32::UsableArea(primary));
    const PixelSize client = ScaledSize(win32::frameSize, win32::scaleDpi);
    const int windowWidth = client.width + decoration.width;
    const int windowHeight = client.height + decoration.height;
    const int x = (GetSystemMetrics(SM_CXSCREEN) - windowWidth) / 2;
    const int y = (GetSystemMetrics(SM_CYSCREEN) - windowHeight) / 2;
    // Created hidden: the engine runs the start hook before the window is shown.
    win32::mainWindow = CreateWindowExW(0, className.c_str(), title.c_str(), MainWindowStyle, x, y,
                                        windowWidth, windowHeight, nullptr, nullptr, instance, nullptr);
    if (win32::mainWindow == nullptr) return false;
    FitClientArea(client, true);
    timerResolutionRaised = timeBeginPeriod(TimerResolutionMs) == TIMERR_NOERROR;
    return true;
}

void ShowMainWindow() {
    if (win32::mainWindow == nullptr) return;
    ShowWindow(win32::mainWindow, win32::showCommand);
    UpdateWindow(win32::mainWindow);
}

void DestroyMainWindow() {
    if (win32::mainWindow != nullptr) {
        destroyingMainWindow = true;
        DestroyWindow(win32::mainWindow);
        destroyingMainWindow = false;
        win32::mainWindow = nullptr;
    }
    win32::ReleaseLastFrame();
    if (timerResolutionRaised) timeEndPeriod(TimerResolutionMs);
    timerResolutionRaised = false;
}

bool WaitEvent(Event& event, uint32_t timeoutMs) {
    const bool forever = timeoutMs == std::numeric_limits<uint32_t>::max();
    const DWORD start = timeGetTime();
    for (;;) {
        DispatchPendingMessages();
        if (!pendingEvents.empty()) {
            event = pendingEvents.front();
            pendingEvents.pop_front();
            return true;
        }
        DWORD wait = INFINITE;
        if (!forever) {
            const DWORD spent = timeGetTime() - start;
            if (spent >= timeoutMs) return false;
            wait = timeoutMs - spent;
        }
        // Sleeps until a message arrives or the frame is due; the loop never spins.
        MsgWaitForMultipleObjectsEx(0, nullptr, wait, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    }
}

}  // namespace platform
