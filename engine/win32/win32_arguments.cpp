// The command line on Windows: read as UTF-16 and split by the system's own
// rules, so that folder names in any language arrive whole, then handed to the
// program as UTF-8. What is wrong with it is said in a message box, since the
// program has no console.
#include "engine/win32/win32_backend.h"

#include <shellapi.h>  // CommandLineToArgvW


namespace {

std::string Narrow(const wchar_t* wide) {
    const int length = WideCharToMultiByte(CP_UTF8, 0, wide, -1, nullptr, 0, nullptr, nullptr);
    if (length <= 1) return {};
    std::string utf8(size_t(length), '\0');
    WideCharToMultiByte(CP_UTF8, 0, wide, -1, utf8.data(), length, nullptr, nullptr);
    utf8.pop_back();  // the terminating NUL
    return utf8;
}

}  // namespace

namespace platform {

std::vector<std::string> ProgramArguments() {
    int count = 0;
    LPWSTR* words = CommandLineToArgvW(GetCommandLineW(), &count);
    if (words == nullptr) return {};
    std::vector<std::string> arguments;
    for (int i = 1; i < count; ++i) arguments.push_back(Narrow(words[i]));
    LocalFree(words);
    return arguments;
}

void ReportStartupError(std::string_view programName, std::string_view text) {
    MessageBoxW(nullptr, win32::Widen(text).c_str(), win32::Widen(programName).c_str(), MB_OK | MB_ICONERROR);
}

}  // namespace platform
