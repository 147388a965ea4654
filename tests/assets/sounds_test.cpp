// The committed sounds decode to what the game expects: the catalogue's
// format and length, safe levels, a chime that starts and ends in silence and
// a music loop whose seam does not click.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>
#include <map>
#include <string>

#include "platform/audio.h"

namespace {

constexpr int kChannels = 2;
constexpr int kRate = 44100;
constexpr double kFullScale = 32768.0;
constexpr double kPeakCeilingDb = -1.0;
constexpr double kMaxDcOffset = 0.001;   // of full scale
constexpr double kQuietestRmsDb = -40.0;  // anything under this is as good as silent
constexpr double kSilenceDb = -60.0;
constexpr size_t kChimeTailFrames = 4410;  // 100 ms
constexpr double kChimeFirstSampleMax = 0.01;  // of full scale
constexpr size_t kSeamNeighbourhoodFrames = 2205;  // 50 ms each side of the loop's seam

double toDb(double level) { return 20.0 * std::log10(std::max(level, 1e-12)); }

// Each file decoded once for all the tests; a failure leaves an empty Pcm and a reason.
const platform::Pcm& decoded(const std::string& name, std::string& error) {
  static std::map<std::string, std::pair<platform::Pcm, std::string>> cache;
  auto found = cache.find(name);
  if (found == cache.end()) {
    std::ifstream in(std::string(QM_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in), {}};
    platform::Pcm pcm;
    std::string why;
    if (bytes.empty()) why = "missing or empty";
    else platform::decodeOgg(bytes, pcm, why);
    found = cache.emplace(name, std::make_pair(std::move(pcm), why)).first;
  }
  error = found->second.second;
  return found->second.first;
}

double sample(const platform::Pcm& pcm, size_t frame, int channel) {
  return pcm.samples[frame * pcm.channels + channel] / kFullScale;
}

// The largest absolute sample of frames [from, to) over every channel.
double peakOf(const platform::Pcm& pcm, size_t from, size_t to) {
  double most = 0.0;
  for (size_t f = from; f < to; ++f) {
    for (int c = 0; c < pcm.channels; ++c) most = std::max(most, std::fabs(sample(pcm, f, c)));
  }
  return most;
}

struct SoundCase {
  const char* file;
  size_t frames;
};
const SoundCase kSounds[] = {
    {"fx1.ogg", 352800},    // the chime, 8.0 s
    {"track1.ogg", 3880800},  // the music, 88.0 s
};

TEST(Sounds, DecodeToTheCatalogueFormatAtSafeLevels) {
  for (const SoundCase& c : kSounds) {
    SCOPED_TRACE(c.file);
    std::string error;
    const platform::Pcm& pcm = decoded(c.file, error);
    ASSERT_EQ(error, "");
    EXPECT_EQ(pcm.channels, kChannels);
    EXPECT_EQ(pcm.rate, kRate);
    ASSERT_EQ(pcm.frames(), c.frames);

    EXPECT_LE(toDb(peakOf(pcm, 0, pcm.frames())), kPeakCeilingDb);
    double squares = 0.0;
    for (int ch = 0; ch < pcm.channels; ++ch) {
      double sum = 0.0;
      for (size_t f = 0; f < pcm.frames(); ++f) {
        sum += sample(pcm, f, ch);
        squares += sample(pcm, f, ch) * sample(pcm, f, ch);
      }
      EXPECT_LT(std::fabs(sum / pcm.frames()), kMaxDcOffset) << "channel " << ch;
    }
    EXPECT_GT(toDb(std::sqrt(squares / pcm.samples.size())), kQuietestRmsDb);
  }
}

TEST(Sounds, ChimeStartsFromNothingAndRingsOutToSilence) {
  std::string error;
  const platform::Pcm& pcm = decoded("fx1.ogg", error);
  ASSERT_EQ(error, "");
  ASSERT_GT(pcm.frames(), kChimeTailFrames);
  EXPECT_LT(peakOf(pcm, 0, 1), kChimeFirstSampleMax);
  EXPECT_LT(toDb(peakOf(pcm, pcm.frames() - kChimeTailFrames, pcm.frames())), kSilenceDb);
}

// A loop clicks when the step from its last sample back to its first is far
// larger than the steps the waveform takes around it.
TEST(Sounds, MusicSeamIsNoBiggerThanItsNeighbourSteps) {
  std::string error;
  const platform::Pcm& pcm = decoded("track1.ogg", error);
  ASSERT_EQ(error, "");
  const size_t n = pcm.frames();
  ASSERT_GT(n, 2 * kSeamNeighbourhoodFrames);
  for (int ch = 0; ch < pcm.channels; ++ch) {
    double largestStep = 0.0;
    auto widen = [&](size_t from, size_t to) {
      for (size_t f = from; f + 1 < to; ++f) {
        largestStep = std::max(largestStep, std::fabs(sample(pcm, f + 1, ch) - sample(pcm, f, ch)));
      }
    };
    widen(n - kSeamNeighbourhoodFrames, n);
    widen(0, kSeamNeighbourhoodFrames);
    const double seam = std::fabs(sample(pcm, 0, ch) - sample(pcm, n - 1, ch));
    EXPECT_LE(seam, largestStep) << "channel " << ch;
  }
}

}  // namespace
