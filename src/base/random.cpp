#include "base/random.h"

namespace kv {

namespace {
std::uint32_t state = 1;
}

void seedRandom(std::uint32_t seed) { state = seed; }

int nextRandom() {
    state = state * 214013u + 2531011u;
    return int((state >> 16) & 0x7FFF);
}

}  // namespace kv
