// Message boxes on Windows: the system's own, in UTF-16, owned by the main window
// so that it stays disabled, and no frame runs, until the box is answered.
#include "engine/win32/win32_backend.h"

namespace {

// The mouse as the last box closed, until the engine takes it.
bool boxClosed = false;
platform::MouseState mouseAfterBox;

// The disabled owner gets no mouse message while the box is up, so a release
// then is lost to it. GetAsyncKeyState reads the physical buttons: with the
// buttons swapped, the physical right one is the logical left, which sends
// WM_LBUTTONDOWN and WM_LBUTTONUP.
void NoteMouseAfterBox() {
    const bool swapped = GetSystemMetrics(SM_SWAPBUTTON) != 0;
    const auto physicallyDown = [](int key) { return (GetAsyncKeyState(key) & 0x8000) != 0; };
    mouseAfterBox.leftDown = physicallyDown(swapped ? VK_RBUTTON : VK_LBUTTON) || win32::ReleaseWaiting(true);
    mouseAfterBox.rightDown = physicallyDown(swapped ? VK_LBUTTON : VK_RBUTTON) || win32::ReleaseWaiting(false);
    POINT pointer{};
    if (GetCursorPos(&pointer) && win32::mainWindow != nullptr) ScreenToClient(win32::mainWindow, &pointer);
    mouseAfterBox.x = FramePixelAt(pointer.x, win32::frameSize.width, win32::scaleDpi);
    mouseAfterBox.y = FramePixelAt(pointer.y, win32::frameSize.height, win32::scaleDpi);
    boxClosed = true;
}

}  // namespace

namespace platform {

MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons) {
    const std::wstring wideText = win32::Widen(text);
    const std::wstring wideCaption = win32::Widen(caption);
    // The editor's reports ask OK or Cancel; the one box with a lone OK button is
    // the engine's fatal error, which carries the error icon.
    const UINT style = buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK | MB_ICONERROR;
    const int answer = MessageBoxW(win32::mainWindow, wideText.c_str(), wideCaption.c_str(), style);
    NoteMouseAfterBox();
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == IDOK ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

bool TakeMouseAfterMessageBox(MouseState& mouse) {
    if (!boxClosed) return false;
    boxClosed = false;
    mouse = mouseAfterBox;
    return true;
}

}  // namespace platform
