// Lists every bitmap resource the platform layer finds, with its size and a hash
// of its bytes, one line per id. The Linux build finds them in the embedded table,
// the Windows build among the .exe's own resources; the two lists must agree.
// Usage: bitmap-resources-probe
#include <cstdint>
#include <cstdio>

#include "engine/platform.h"

int main() {
    int found = 0;
    for (uint32_t id = 1; id <= 0xFFFF; ++id) {
        const std::span<const uint8_t> bytes = platform::BitmapResource(uint16_t(id));
        if (bytes.empty()) continue;
        uint64_t hash = 14695981039346656037ull;  // FNV-1a
        for (uint8_t byte : bytes) hash = (hash ^ byte) * 1099511628211ull;
        std::printf("%u %zu %016llx\n", unsigned(id), bytes.size(), static_cast<unsigned long long>(hash));
        ++found;
    }
    std::printf("%d bitmaps\n", found);
    return found > 0 ? 0 : 1;
}
