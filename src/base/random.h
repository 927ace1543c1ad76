#pragma once
// The game's one pseudo-random generator, of the C-library kind, so that
// lane shuffles, random speeds, random courses and sort orders follow the
// same sequence for the same seed. Seeded once at start-up.
#include <cstdint>

namespace kv {

void seedRandom(std::uint32_t seed);
// 0 to 32767.
int nextRandom();

}  // namespace kv
