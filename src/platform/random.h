// The game's one random service: the Park–Miller "minimal standard" generator
// (multiplier 48271, modulus 2^31 - 1, Schrage's method), shared by everything.
// Deterministic for a given seed, so a headless run can be replayed exactly.
#pragma once
#include <cstdint>

namespace platform {

// Seeds the generator: the top bit is cleared; a state of 0 or 2^31 - 1 becomes 4660.
void seedRandom(int32_t seed);
// The generator's current state (4660 before any seeding).
int32_t randomState();
// Uniform in [0, 1); advances the state twice.
double randomFraction();
// Uniform in [lo, hi) for bounds given in either order.
double randomReal(double a, double b);
// Uniform over the integers lo..hi inclusive, bounds in either order.
int randomInt(int a, int b);

}  // namespace platform
