// Checks the platform's durable file replacement in the current folder, which must
// be empty, and prints one line per case and a closing count. The unit suite covers
// the Linux implementation; this runs the Windows one under wine.
// Usage: replace-file-probe
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "engine/platform_files.h"

namespace fs = std::filesystem;

namespace {

std::vector<uint8_t> Bytes(size_t size, uint8_t seed) {
    std::vector<uint8_t> bytes(size);
    for (size_t i = 0; i < size; ++i) bytes[i] = uint8_t(seed + i * 7);
    return bytes;
}

// Names are UTF-8 in the program, as the editor's are.
fs::path PathOf(const std::string& utf8) { return fs::path(std::u8string(utf8.begin(), utf8.end())); }

std::vector<uint8_t> Contents(const std::string& name) {
    std::ifstream in(PathOf(name), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void Put(const std::string& name, const std::vector<uint8_t>& bytes) {
    std::ofstream(PathOf(name), std::ios::binary).write(reinterpret_cast<const char*>(bytes.data()),
                                                         std::streamsize(bytes.size()));
}

int EntriesInFolder() {
    int count = 0;
    for ([[maybe_unused]] const auto& entry : fs::directory_iterator(".")) ++count;
    return count;
}

void ClearFolder() {
    for (const auto& entry : fs::directory_iterator(".")) {
        std::error_code ignored;
        fs::permissions(entry.path(), fs::perms::owner_write, fs::perm_options::add, ignored);
        fs::remove_all(entry.path(), ignored);
    }
}

struct Case {
    const char* name;
    std::string file;
    bool existsBefore;
    bool readOnly;
    platform::FileFaults faults;
    size_t size;
    bool expectWritten;
};

}  // namespace

int main() {
    const std::vector<uint8_t> old = Bytes(5000, 1);
    const Case cases[] = {
        {"new file", "M01.edt", false, false, {}, 10000, true},
        {"new empty file", "M01.edt", false, false, {}, 0, true},
        {"replaces a longer file whole", "M01.edt", true, false, {}, 100, true},
        {"replaces a shorter file whole", "M01.edt", true, false, {}, 9000, true},
        {"Chinese name", "地图一.edt", true, false, {}, 300, true},
        {"read-only file is refused", "M01.edt", true, true, {}, 100, false},
        {"failed first write keeps the old file", "M01.edt", true, false, {1, false, false}, 100, false},
        {"failed third write keeps the old file", "M01.edt", true, false, {3, false, false}, 10000, false},
        {"failed flush keeps the old file", "M01.edt", true, false, {0, true, false}, 100, false},
        {"failed replace keeps the old file", "M01.edt", true, false, {0, false, true}, 100, false},
    };
    int passed = 0, failed = 0;
    auto report = [&](const char* name, bool ok, const char* why) {
        std::printf("%s %s%s%s\n", ok ? "ok  " : "FAIL", name, ok ? "" : ": ", ok ? "" : why);
        ok ? ++passed : ++failed;
    };
    for (const Case& c : cases) {
        ClearFolder();
        if (c.existsBefore) Put(c.file, old);
        if (c.readOnly) fs::permissions(PathOf(c.file), fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                                               fs::perm_options::remove);
        const std::vector<uint8_t> bytes = Bytes(c.size, 9);
        platform::SetFileFaults(c.faults);
        const bool written = platform::ReplaceFileDurably(c.file.c_str(), bytes);
        platform::SetFileFaults({});
        const std::vector<uint8_t> expected = c.expectWritten ? bytes : c.existsBefore ? old : std::vector<uint8_t>{};
        if (written != c.expectWritten) report(c.name, false, written ? "reported success" : "reported failure");
        else if (Contents(c.file) != expected) report(c.name, false, "the file holds the wrong bytes");
        else if (EntriesInFolder() != (c.expectWritten || c.existsBefore ? 1 : 0))
            report(c.name, false, "a temporary file was left behind");
        else report(c.name, true, "");
    }
    ClearFolder();
    fs::create_directory("M02.edt");
    report("a folder is not replaced", !platform::ReplaceFileDurably("M02.edt", old) && fs::is_directory("M02.edt"),
           "the folder was replaced");
    report("an empty name is refused", !platform::ReplaceFileDurably("", old), "reported success");
    ClearFolder();
    std::printf("%d passed, %d failed\n", passed, failed);
    return failed == 0 ? 0 : 1;
}
