#include "tools/sim/options.h"

#include <charconv>
#include <string_view>

namespace sim {
namespace {

constexpr long kMaxFrames = 1'000'000'000;
constexpr long kMaxFoliage = 1'000'000;

bool readWhole(std::string_view text, long long lo, long long hi, long long& out) {
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, out);
  return !text.empty() && ec == std::errc() && ptr == end && out >= lo && out <= hi;
}

}  // namespace

bool parseOptions(int argc, const char* const* argv, SimOptions& options, std::string& error) {
  for (int i = 1; i < argc; ++i) {
    const std::string_view flag = argv[i];
    if (flag == "--check") {
      options.check = true;
      continue;
    }
    if (i + 1 >= argc) {
      error = std::string(flag) + " needs a value (or is unknown)";
      return false;
    }
    const std::string_view value = argv[++i];
    long long n = 0;
    if (flag == "--frames") {
      if (!readWhole(value, 0, kMaxFrames, n)) return error = "--frames takes 0 to 1000000000", false;
      options.frames = static_cast<long>(n);
    } else if (flag == "--foliage") {
      if (!readWhole(value, 0, kMaxFoliage, n)) return error = "--foliage takes 0 to 1000000", false;
      options.foliage = static_cast<long>(n);
    } else if (flag == "--seed") {
      // Any 32-bit value, written signed or unsigned.
      if (!readWhole(value, INT32_MIN, UINT32_MAX, n)) return error = "--seed takes a 32-bit number", false;
      options.seed = static_cast<int32_t>(static_cast<uint32_t>(n));
    } else if (flag == "--input") {
      options.inputPath = value;
    } else if (flag == "--screenshot") {
      options.screenshotPath = value;
    } else {
      error = "unknown option " + std::string(flag);
      return false;
    }
  }
  return true;
}

}  // namespace sim
