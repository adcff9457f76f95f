// Fuzz target: any bytes, read as an .edt, must keep what edt_input_check.h promises.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/edt_input_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = fuzz_checks::CheckEdtInput({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_edt: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
