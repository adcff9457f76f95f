// The file operations that need more from the operating system than the C
// library gives: durable replacement and changing the working folder. One
// implementation per platform.
#pragma once

#include <cstdint>
#include <span>

namespace platform {

// Gives the file `path` exactly `bytes`, all or nothing: the bytes go to a
// temporary file in the same folder, every write is checked, the file is
// flushed to the disk, and then it takes the place of the old one in one step.
// On any failure the old file is left byte for byte as it was, the temporary
// file is removed, and the result is false; on POSIX systems errno says why.
// A file that exists but may not be written (no write permission in its mode
// bits, or none for this user) is refused untouched, since replacing it would
// get round its protection.
bool ReplaceFileDurably(const char* path, std::span<const uint8_t> bytes);

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
