// Replays the fuzz targets' seed corpus and every crash input that fuzzing has
// found through the same checks the fuzz targets run, so a fixed fault stays
// fixed without fuzzing.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "level_test_support.h"
#include "tests/fuzz/bitmap_input_check.h"
#include "tests/fuzz/edt_input_check.h"
#include "tests/fuzz/import_input_check.h"
#include "tests/fuzz/map_input_check.h"

namespace {

const std::filesystem::path FuzzFolder = std::filesystem::path(TEST_DATA_DIR);

std::vector<std::filesystem::path> InputsOf(const std::string& target) {
    std::vector<std::filesystem::path> inputs;
    for (const char* kind : {"corpus", "regressions"}) {
        const std::filesystem::path folder = FuzzFolder / kind / target;
        if (!std::filesystem::is_directory(folder)) continue;
        for (const auto& entry : std::filesystem::directory_iterator(folder))
            if (entry.is_regular_file() && entry.path().filename().string()[0] != '.') inputs.push_back(entry.path());
    }
    return inputs;
}

struct Target {
    const char* name;
    std::string (*check)(std::span<const uint8_t>);
};

TEST(FuzzCorpus, EveryInputPassesItsTargetsChecks) {
    const Target targets[] = {
        {"edt", fuzz_checks::CheckEdtInput},
        {"map", fuzz_checks::CheckMapInput},
        {"bitmap", fuzz_checks::CheckBitmapInput},
        {"import", fuzz_checks::CheckImportInput},
    };
    for (const Target& target : targets) {
        const std::vector<std::filesystem::path> inputs = InputsOf(target.name);
        EXPECT_FALSE(inputs.empty()) << "no inputs for " << target.name;
        for (const std::filesystem::path& input : inputs)
            EXPECT_EQ(target.check(ReadWholeFile(input.string())), "") << input;
    }
}

// Seeds that do not load would only teach the fuzzer the refusals.
TEST(FuzzCorpus, BitmapSeedsLoad) {
    for (const auto& entry : std::filesystem::directory_iterator(FuzzFolder / "corpus" / "bitmap")) {
        Bitmap bitmap;
        const bool asFile = entry.path().extension() == ".bmp";
        EXPECT_TRUE(asFile ? bitmap.LoadFromFile(entry.path().string())
                           : bitmap.LoadFromResourceBytes(ReadWholeFile(entry.path().string())))
            << entry.path();
    }
}

}  // namespace
