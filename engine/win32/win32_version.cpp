// The editor's --version on Windows. A windowed program has no console of its
// own: the line goes to the output it was handed (a file or a pipe), else to the
// console of the command line it was started from, else into a message box.
#include <string>

#include "engine/version.h"
#include "engine/win32/win32_backend.h"

namespace {

bool WriteToHandedOutput(const std::string& line) {
    HANDLE output = GetStdHandle(STD_OUTPUT_HANDLE);
    if (output == nullptr || output == INVALID_HANDLE_VALUE || GetFileType(output) == FILE_TYPE_UNKNOWN) return false;
    const std::string text = line + "\r\n";
    DWORD written = 0;
    return WriteFile(output, text.data(), DWORD(text.size()), &written, nullptr) && written == text.size();
}

bool WriteToParentConsole(const std::wstring& line) {
    if (!AttachConsole(ATTACH_PARENT_PROCESS)) return false;
    HANDLE console = CreateFileW(L"CONOUT$", GENERIC_WRITE, FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr);
    bool written = false;
    if (console != INVALID_HANDLE_VALUE) {
        // The shell printed its prompt when the program started; a new line
        // first keeps the version off it.
        const std::wstring text = L"\r\n" + line + L"\r\n";
        DWORD count = 0;
        written = WriteConsoleW(console, text.data(), DWORD(text.size()), &count, nullptr) != 0;
        CloseHandle(console);
    }
    FreeConsole();
    return written;
}

}  // namespace

namespace win32 {

bool AnswerVersionRequest() {
    bool asked = false;
    for (const std::string& argument : CommandLineArguments()) asked = asked || argument == "--version";
    if (!asked) return false;
    const std::string line = "tarnhold-editor " + std::string(ProgramVersion);
    if (!WriteToHandedOutput(line) && !WriteToParentConsole(Widen(line)))
        MessageBoxW(nullptr, Widen(line).c_str(), L"tarnhold-editor", MB_OK | MB_ICONINFORMATION);
    return true;
}

}  // namespace win32
