// The file operations whose system calls differ by operating system: durable
// replacement, changing the working folder, opening, looking at, listing and
// removing files. Names are UTF-8 in the program; on Windows they reach the
// system as UTF-16, so any name works whatever the machine's code page. One
// implementation per platform.
#pragma once

#include <cstdint>
#include <cstdio>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

// std::fopen by UTF-8 name.
std::FILE* OpenFile(const std::string& path, const char* mode);

enum class PathKind { Missing, File, Folder, Other };
// Other: a device or the like, or a path the system would not look at.
PathKind KindOfPath(const std::string& path);

struct FolderEntry {
    std::string name;
    bool isFile = false;            // a regular file
    int64_t secondsSinceWrite = 0;  // since it was last modified, by the system's clock
};
// The entries of `folder` but "." and "..", in no particular order; false, with
// errno saying why, when the folder cannot be read.
bool ListFolder(const std::string& folder, std::vector<FolderEntry>& entries);

bool RemoveFile(const std::string& path);

// Gives the file `path` exactly `bytes`, all or nothing: the bytes go to a
// temporary file in the same folder, every write is checked, the file is
// flushed to the disk, and then it takes the place of the old one in one step.
// On any failure the old file is left byte for byte as it was, the temporary
// file is removed, and the result is false; on POSIX systems errno says why.
// A file that exists but may not be written (no write permission in its mode
// bits, or none for this user) is refused untouched, since replacing it would
// get round its protection. After a success, the temporary files of `path`
// that a replace killed half-way left behind, and that were last modified over
// an hour ago, are removed.
bool ReplaceFileDurably(const char* path, std::span<const uint8_t> bytes);

// A temporary file of ReplaceFileDurably is named after the file it replaces,
// a marker no user's file has, and six letters or digits: M02.edt.~tarnhold-x7Qa09.
constexpr std::string_view TemporaryMarker = ".~tarnhold-";
constexpr size_t TemporaryUniqueLength = 6;
constexpr int64_t StaleTemporarySeconds = 3600;
// The name of the file that `name` is a temporary file of; empty when `name`
// is not exactly of that form.
std::string_view TargetOfTemporaryName(std::string_view name);

// Makes the UTF-8 `path` the working folder. False when it is no folder or
// cannot be entered.
bool ChangeWorkingFolder(const char* path);

// Test seam: makes ReplaceFileDurably fail at a chosen step. Writes go out in
// blocks of FileWriteBlockSize bytes and are counted from the call that set the
// faults; failWrite n fails the n-th of them (0: none).
constexpr size_t FileWriteBlockSize = 4096;
struct FileFaults {
    int failWrite = 0;
    bool failSync = false;
    bool failRename = false;
};
void SetFileFaults(const FileFaults& faults);

}  // namespace platform
