// What every backend's ReplaceFileDurably shares: the faults a test set, the
// writing of the bytes in blocks, each one checked, and the names of temporary
// files with the clean-up of stale ones. The system calls themselves stay in
// the backends.
#pragma once

#include <algorithm>
#include <cstdint>
#include <span>
#include <string>
#include <string_view>

#include "engine/platform_files.h"

namespace platform {

// The faults set by the last SetFileFaults.
const FileFaults& InjectedFileFaults();
// Counts one block write; true when it is the one a test chose to fail.
bool WriteFaultDue();

// Writes `bytes` in blocks of FileWriteBlockSize through `writeBlock(data, size)`,
// which writes one block whole or returns false; stops at the first failure.
template <typename WriteBlock>
bool WriteInBlocks(std::span<const uint8_t> bytes, WriteBlock writeBlock) {
    for (size_t done = 0; done < bytes.size(); done += FileWriteBlockSize) {
        const size_t size = std::min(FileWriteBlockSize, bytes.size() - done);
        if (WriteFaultDue() || !writeBlock(bytes.data() + done, size)) return false;
    }
    return true;
}

// The TemporaryUniqueLength letters and digits of a temporary name, from any number.
std::string TemporaryUniqueLetters(uint64_t seed);

// Removes the temporary files of `path` last modified over StaleTemporarySeconds
// ago. `separators` are the characters that end a folder in a path on this system.
void RemoveStaleTemporaries(const std::string& path, std::string_view separators);

}  // namespace platform
