// The file faults a test injects, and the temporary files, for every backend's
// durable replace.
#include "engine/file_writes.h"

#include <vector>

namespace {
platform::FileFaults faults;
int writesSinceFaultsSet = 0;

// The characters mkstemp draws from, which the Windows backend uses as well.
constexpr std::string_view UniqueLetters = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
}  // namespace

namespace platform {

void SetFileFaults(const FileFaults& newFaults) {
    faults = newFaults;
    writesSinceFaultsSet = 0;
}

const FileFaults& InjectedFileFaults() { return faults; }

bool WriteFaultDue() { return faults.failWrite != 0 && ++writesSinceFaultsSet == faults.failWrite; }

std::string_view TargetOfTemporaryName(std::string_view name) {
    if (name.size() <= TemporaryMarker.size() + TemporaryUniqueLength) return {};
    const size_t markerAt = name.size() - TemporaryUniqueLength - TemporaryMarker.size();
    if (name.substr(markerAt, TemporaryMarker.size()) != TemporaryMarker) return {};
    for (const char letter : name.substr(name.size() - TemporaryUniqueLength))
        if (UniqueLetters.find(letter) == std::string_view::npos) return {};
    return name.substr(0, markerAt);
}

std::string TemporaryUniqueLetters(uint64_t seed) {
    std::string letters;
    for (size_t i = 0; i < TemporaryUniqueLength; ++i, seed /= UniqueLetters.size())
        letters += UniqueLetters[seed % UniqueLetters.size()];
    return letters;
}

// A failure here costs nothing but a file that the next save tries again.
void RemoveStaleTemporaries(const std::string& path, std::string_view separators) {
    const size_t folderEnd = path.find_last_of(separators) + 1;  // 0 when there is no folder
    const std::string folderPrefix = path.substr(0, folderEnd);
    const std::string_view fileName = std::string_view(path).substr(folderEnd);
    std::vector<FolderEntry> entries;
    if (!ListFolder(folderPrefix.empty() ? "." : folderPrefix, entries)) return;
    for (const FolderEntry& entry : entries)
        if (entry.isFile && entry.secondsSinceWrite > StaleTemporarySeconds &&
            TargetOfTemporaryName(entry.name) == fileName)
            RemoveFile(folderPrefix + entry.name);
}

}  // namespace platform
