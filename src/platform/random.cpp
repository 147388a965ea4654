#include "platform/random.h"

#include <algorithm>

namespace platform {
namespace {

constexpr int32_t kModulus = 2147483647;  // 2^31 - 1
constexpr int32_t kMultiplier = 48271;
constexpr int32_t kQuotient = 44488;  // kModulus / kMultiplier
constexpr int32_t kRemainder = 3399;  // kModulus % kMultiplier
constexpr int32_t kUnseededState = 4660;

int32_t state = kUnseededState;

// One step of the generator, in 32-bit arithmetic without overflow (Schrage).
int32_t nextState() {
  int32_t hi = state / kQuotient;
  int32_t lo = state % kQuotient;
  int32_t t = kMultiplier * lo - kRemainder * hi;
  state = t > 0 ? t : t + kModulus;
  return state;
}

}  // namespace

void seedRandom(int32_t seed) {
  int32_t s = static_cast<int32_t>(static_cast<uint32_t>(seed) & 0x7fffffffu);
  state = (s == 0 || s == kModulus) ? kUnseededState : s;
}

int32_t randomState() { return state; }

double randomFraction() {
  // Two states give 31 + 22 bits: a 53-bit fraction, always below 1.
  const double kStates = 2147483646.0;  // states run 1 .. 2^31 - 2
  double high = (nextState() - 1) / kStates;
  double low = static_cast<double>((nextState() - 1) >> 9) / 4194304.0;  // 2^22
  double r = high + low / kStates;
  return r < 1.0 ? r : 0.9999999999999999;
}

double randomReal(double a, double b) {
  double lo = std::min(a, b), hi = std::max(a, b);
  return lo + randomFraction() * (hi - lo);
}

int randomInt(int a, int b) {
  int64_t lo = std::min(a, b), hi = std::max(a, b);
  return static_cast<int>(lo + static_cast<int64_t>(randomFraction() * static_cast<double>(hi - lo + 1)));
}

}  // namespace platform
