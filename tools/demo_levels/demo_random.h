// The demo levels' own pseudo-random numbers. The standard distributions may
// differ between standard libraries, and the demo folder must come out byte for
// byte the same wherever it is made, so the generator draws from this instead.
#pragma once

#include <cstdint>

struct DemoRandom {
    uint64_t state;
};

// splitmix64: small, fast and well mixed even from neighbouring seeds.
inline uint64_t NextRandom(DemoRandom& random) {
    uint64_t z = (random.state += 0x9E3779B97F4A7C15ull);
    z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
    z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
    return z ^ (z >> 31);
}

// A whole number from low to high, both included (low <= high).
inline int RandomBetween(DemoRandom& random, int low, int high) {
    return low + int(NextRandom(random) % uint64_t(int64_t(high) - low + 1));
}

// True in `percent` cases out of a hundred.
inline bool RandomChance(DemoRandom& random, int percent) { return RandomBetween(random, 0, 99) < percent; }
