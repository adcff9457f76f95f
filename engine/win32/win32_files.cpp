// File operations on Windows. Durable replacement: a new file beside the target,
// every write checked, FlushFileBuffers, then MoveFileExW over the target with
// write-through. Names are UTF-8 in the program and UTF-16 for the system, so any
// name works whatever the machine's code page.
#include <string>

#include "engine/file_writes.h"
#include "engine/platform_files.h"
#include "engine/win32/win32_backend.h"

namespace {

bool WriteBlock(HANDLE file, const uint8_t* data, DWORD size) {
    DWORD written = 0;
    return WriteFile(file, data, size, &written, nullptr) && written == size;
}

bool WriteAll(HANDLE file, std::span<const uint8_t> bytes) {
    return platform::WriteInBlocks(
        bytes, [file](const uint8_t* data, size_t size) { return WriteBlock(file, data, DWORD(size)); });
}

// The read-only attribute and the file's access rights both count: opening it for
// writing, without changing a byte, asks the system about both.
bool MayBeWritten(const std::wstring& path, DWORD attributes) {
    if ((attributes & FILE_ATTRIBUTE_READONLY) != 0) return false;
    HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                              nullptr, OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE) return false;
    CloseHandle(file);
    return true;
}

// A fresh file beside `path`, which nobody else can have open: CREATE_NEW fails on
// a name that exists, so a clash just tries the next name.
HANDLE CreateTemporaryBeside(const std::wstring& path, std::wstring& temporary) {
    const unsigned long stamp = GetCurrentProcessId() ^ (GetTickCount() << 12);
    for (unsigned long attempt = 0; attempt < 100; ++attempt) {
        temporary = path + L"." + std::to_wstring(stamp + attempt) + L".tmp";
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

}  // namespace

namespace platform {

bool ReplaceFileDurably(const char* path, std::span<const uint8_t> bytes) {
    if (path == nullptr || *path == '\0') return false;
    const std::wstring target = win32::Widen(path);
    if (target.empty()) return false;
    const DWORD attributes = GetFileAttributesW(target.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES &&
        ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0 || !MayBeWritten(target, attributes)))
        return false;

    std::wstring temporary;
    HANDLE file = CreateTemporaryBeside(target, temporary);
    if (file == INVALID_HANDLE_VALUE) return false;
    bool done = WriteAll(file, bytes) && !InjectedFileFaults().failSync && FlushFileBuffers(file);
    done = CloseHandle(file) && done;
    // Write-through: MoveFileExW returns only once the new name is on the disk.
    done = done && !InjectedFileFaults().failRename &&
           MoveFileExW(temporary.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH);
    if (!done) DeleteFileW(temporary.c_str());
    return done;
}

bool ChangeWorkingFolder(const char* path) {
    if (path == nullptr || *path == '\0') return false;
    const std::wstring folder = win32::Widen(path);
    return !folder.empty() && SetCurrentDirectoryW(folder.c_str());
}

}  // namespace platform
