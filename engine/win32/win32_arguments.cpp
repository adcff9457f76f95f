// The command line on Windows: read as UTF-16 and split by the system's own
// rules, so that folder names in any language arrive whole, then handed to the
// program as UTF-8; and a console that shows the UTF-8 a console program writes.
// What is wrong with the editor's arguments is said in a message box, since a
// windowed program has no console.
#include "engine/win32/win32_backend.h"  // <windows.h> first: <shellapi.h> builds on it

#include <shellapi.h>  // CommandLineToArgvW; WIN32_LEAN_AND_MEAN leaves it out of <windows.h>

#include <algorithm>
#include <cstdlib>
#include <limits>

#include "engine/platform_console.h"

namespace win32 {

std::string Narrow(std::wstring_view utf16) {
    const int length = int(std::min<size_t>(utf16.size(), std::numeric_limits<int>::max()));
    if (length == 0) return {};
    const int narrowLength = WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, nullptr, 0, nullptr, nullptr);
    if (narrowLength <= 0) return {};
    std::string narrow(size_t(narrowLength), '\0');
    WideCharToMultiByte(CP_UTF8, 0, utf16.data(), length, narrow.data(), narrowLength, nullptr, nullptr);
    return narrow;
}

std::vector<std::string> CommandLineArguments() {
    int count = 0;
    LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
    std::vector<std::string> utf8;
    if (arguments == nullptr) return utf8;
    for (int i = 1; i < count; ++i) utf8.push_back(Narrow(arguments[i]));
    LocalFree(arguments);
    return utf8;
}

}  // namespace win32

namespace platform {

std::vector<std::string> ProgramArguments() { return win32::CommandLineArguments(); }

std::vector<std::string> ArgumentsInUtf8(int, char**) { return win32::CommandLineArguments(); }

void ReportStartupError(std::string_view programName, std::string_view text) {
    MessageBoxW(nullptr, win32::Widen(text).c_str(), win32::Widen(programName).c_str(), MB_OK | MB_ICONERROR);
}

// The console's code page belongs to the console, not to the program, so the one
// it had comes back when the program ends.
void ShowUtf8OnConsole() {
    static const UINT previous = GetConsoleOutputCP();
    if (previous == 0 || previous == CP_UTF8) return;  // no console, or UTF-8 already
    if (SetConsoleOutputCP(CP_UTF8)) std::atexit([] { SetConsoleOutputCP(previous); });
}

}  // namespace platform
