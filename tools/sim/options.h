// quillmoor-sim's command line.
#pragma once
#include <cstdint>
#include <optional>
#include <string>

namespace sim {

struct SimOptions {
  long frames = 600;           // frames of play after the title
  std::string inputPath;       // scripted input, or none
  std::optional<int32_t> seed; // replaces the clock as the random seed
  long foliage = 0;            // extra foliage made right after population
  std::string screenshotPath;  // PNG of the last frame, or none
  bool check = false;          // assert the world's invariants every frame
};

constexpr const char* kUsage =
    "usage: quillmoor-sim [--frames N] [--input FILE] [--seed S] [--foliage N] "
    "[--screenshot FILE.png] [--check]";

// Reads argv into `options`; false with a one-line reason on anything it does not understand.
bool parseOptions(int argc, const char* const* argv, SimOptions& options, std::string& error);

}  // namespace sim
