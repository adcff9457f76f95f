// Files on Windows. Names are UTF-8 in the program and UTF-16 for the system, so
// any name works whatever the machine's code page. The durable replace: a new
// file beside the target, every write checked, FlushFileBuffers, then MoveFileExW
// over the target with write-through.
#include <cerrno>
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
    const uint64_t stamp = (uint64_t(GetCurrentProcessId()) << 32) ^ (uint64_t(GetTickCount()) * 7919);
    for (uint64_t attempt = 0; attempt < 100; ++attempt) {
        temporary = path + win32::Widen(std::string(platform::TemporaryMarker) +
                                        platform::TemporaryUniqueLetters(stamp + attempt * 104729));
        HANDLE file = CreateFileW(temporary.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_NEW,
                                  FILE_ATTRIBUTE_NORMAL, nullptr);
        if (file != INVALID_HANDLE_VALUE) return file;
        if (GetLastError() != ERROR_FILE_EXISTS && GetLastError() != ERROR_ALREADY_EXISTS) break;
    }
    return INVALID_HANDLE_VALUE;
}

// FILETIME counts 100-nanosecond steps since 1601.
int64_t SecondsOf(const FILETIME& time) {
    return int64_t((uint64_t(time.dwHighDateTime) << 32 | time.dwLowDateTime) / 10000000);
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
    if (!done) {
        DeleteFileW(temporary.c_str());
        return false;
    }
    RemoveStaleTemporaries(path, "/\\:");
    return true;
}

bool ChangeWorkingFolder(const char* path) {
    if (path == nullptr || *path == '\0') return false;
    const std::wstring folder = win32::Widen(path);
    return !folder.empty() && SetCurrentDirectoryW(folder.c_str());
}

std::FILE* OpenFile(const std::string& path, const char* mode) {
    return _wfopen(win32::Widen(path).c_str(), win32::Widen(mode).c_str());
}

PathKind KindOfPath(const std::string& path) {
    const DWORD attributes = GetFileAttributesW(win32::Widen(path).c_str());
    if (attributes == INVALID_FILE_ATTRIBUTES) {
        const DWORD error = GetLastError();
        return error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? PathKind::Missing : PathKind::Other;
    }
    if ((attributes & FILE_ATTRIBUTE_DIRECTORY) != 0) return PathKind::Folder;
    return (attributes & FILE_ATTRIBUTE_DEVICE) != 0 ? PathKind::Other : PathKind::File;
}

bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries) {
    entries.clear();
    const bool endsInSeparator = folder.ends_with('/') || folder.ends_with('\\');
    const std::wstring pattern = win32::Widen(folder + (endsInSeparator ? "*" : "/*"));
    WIN32_FIND_DATAW found{};
    HANDLE listing = FindFirstFileW(pattern.c_str(), &found);
    if (listing == INVALID_HANDLE_VALUE) {
        const DWORD error = GetLastError();
        errno = error == ERROR_FILE_NOT_FOUND || error == ERROR_PATH_NOT_FOUND ? ENOENT
                : error == ERROR_DIRECTORY                                    ? ENOTDIR
                : error == ERROR_ACCESS_DENIED                                ? EACCES
                                                                              : EIO;
        return false;
    }
    FILETIME now{};
    GetSystemTimeAsFileTime(&now);
    do {
        const std::string name = win32::Narrow(found.cFileName);
        if (name == "." || name == "..") continue;
        const DWORD notAFile = FILE_ATTRIBUTE_DIRECTORY | FILE_ATTRIBUTE_DEVICE | FILE_ATTRIBUTE_REPARSE_POINT;
        entries.push_back({name, (found.dwFileAttributes & notAFile) == 0,
                           SecondsOf(now) - SecondsOf(found.ftLastWriteTime)});
    } while (FindNextFileW(listing, &found));
    FindClose(listing);
    return true;
}

bool RemoveFile(const std::string& path) { return DeleteFileW(win32::Widen(path).c_str()) != 0; }

}  // namespace platform
