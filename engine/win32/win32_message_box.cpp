// Message boxes on Windows: the system's own, in UTF-16, owned by the main window
// so that it stays disabled, and no frame runs, until the box is answered.
#include "engine/win32/win32_backend.h"

namespace platform {

MessageAnswer ShowMessageBox(std::string_view text, std::string_view caption, MessageButtons buttons) {
    const std::wstring wideText = win32::Widen(text);
    const std::wstring wideCaption = win32::Widen(caption);
    // The editor's reports ask OK or Cancel; the one box with a lone OK button is
    // the engine's fatal error, which carries the error icon.
    const UINT style = buttons == MessageButtons::OkCancel ? MB_OKCANCEL : MB_OK | MB_ICONERROR;
    const int answer = MessageBoxW(win32::mainWindow, wideText.c_str(), wideCaption.c_str(), style);
    if (buttons == MessageButtons::Ok) return MessageAnswer::Ok;
    return answer == IDOK ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

}  // namespace platform
