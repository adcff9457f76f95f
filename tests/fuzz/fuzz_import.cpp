// Fuzz target: any bytes, given to the level tool's import as the JSON
// document, must keep what import_input_check.h promises.
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "tests/fuzz/import_input_check.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string problem = fuzz_checks::CheckImportInput({data, size});
    if (!problem.empty()) {
        std::fprintf(stderr, "fuzz_import: %s\n", problem.c_str());
        std::abort();
    }
    return 0;
}
