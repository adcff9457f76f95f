// Fuzz target: any bytes, taken as a bitmap resource and as a BMP file, must
// keep what bitmap_input_check.h promises.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/bitmap_input_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = fuzz_checks::CheckBitmapInput({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_bitmap: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
