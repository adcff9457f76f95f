// demo-level-generator FOLDER [--replace]: writes the demo levels M00..M23 into
// FOLDER. Levels already there are kept unless --replace is given.
#include <cstdio>
#include <cstring>

#include "tools/demo_levels/demo_levels.h"

int main(int argc, char** argv) {
    const bool replace = argc == 3 && std::strcmp(argv[2], "--replace") == 0;
    if (argc < 2 || (argc == 3 && !replace) || argc > 3) {
        std::fprintf(stderr, "usage: %s FOLDER [--replace]\n", argv[0]);
        return 2;
    }
    const DemoFolderReport report = WriteDemoLevelFolder(argv[1], replace);
    if (!report.failure.empty()) {
        std::fprintf(stderr, "demo levels: %s\n", report.failure.c_str());
        return 1;
    }
    std::printf("demo levels in %s: %d written", argv[1], report.levelsWritten);
    if (report.levelsKept > 0) std::printf(", %d already there and kept", report.levelsKept);
    std::printf("\n");
    return 0;
}
