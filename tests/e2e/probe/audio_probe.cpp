// audio-probe RECORDING.raw ASSET_DIR: finds our music and our chime in what the
// game's mixer wrote out (SDL's disk audio driver: 16-bit stereo at 44100 Hz).
// Prints one JSON line: where each sound was found, how well it matched, and the
// recording's loudness, so that the end-to-end test can judge what was heard.
#include <cmath>
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/audio.h"

namespace {

constexpr int kRate = 44100;
constexpr size_t kProbeFrames = 4096;  // about 93 ms of the sound's opening is enough to recognise it

std::vector<float> monoOf(const std::vector<int16_t>& interleaved) {
  std::vector<float> mono(interleaved.size() / 2);
  for (size_t i = 0; i < mono.size(); ++i)
    mono[i] = (interleaved[2 * i] + interleaved[2 * i + 1]) / 65536.0f;
  return mono;
}

bool readSound(const std::string& path, std::vector<float>& mono) {
  std::ifstream in(path, std::ios::binary);
  std::vector<uint8_t> bytes((std::istreambuf_iterator<char>(in)), {});
  platform::Pcm pcm;
  std::string error;
  if (!platform::decodeOgg(bytes, pcm, error) || pcm.channels != 2) {
    std::fprintf(stderr, "audio-probe: %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  mono = monoOf(pcm.samples);
  return true;
}

struct Match {
  double seconds = -1;
  double correlation = 0;
};

// The offset in `recording` where the opening of `sound`, at any gain, fits best:
// normalised cross-correlation, so that the music under the chime only lowers the score.
// Skips the sound's silent lead-in so that the probe holds signal.
Match findSound(const std::vector<float>& recording, const std::vector<float>& sound) {
  size_t start = 0;
  while (start < sound.size() && std::fabs(sound[start]) < 1e-3f) ++start;
  if (start + kProbeFrames > sound.size() || recording.size() < kProbeFrames) return {};
  const float* probe = sound.data() + start;
  double probeEnergy = 0;
  for (size_t i = 0; i < kProbeFrames; ++i) probeEnergy += probe[i] * probe[i];

  double windowEnergy = 0;
  for (size_t i = 0; i < kProbeFrames; ++i) windowEnergy += recording[i] * recording[i];
  Match best;
  for (size_t at = 0; at + kProbeFrames <= recording.size(); ++at) {
    if (at > 0) {
      const float out = recording[at - 1], in = recording[at + kProbeFrames - 1];
      windowEnergy += in * in - out * out;
    }
    if (windowEnergy < 1e-9) continue;
    double dot = 0;
    for (size_t i = 0; i < kProbeFrames; ++i) dot += probe[i] * recording[at + i];
    const double correlation = dot / std::sqrt(probeEnergy * windowEnergy);
    if (correlation > best.correlation) best = {static_cast<double>(at - start) / kRate, correlation};
  }
  return best;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 3) {
    std::fprintf(stderr, "usage: audio-probe RECORDING.raw ASSET_DIR\n");
    return 2;
  }
  std::ifstream in(argv[1], std::ios::binary);
  std::vector<char> raw((std::istreambuf_iterator<char>(in)), {});
  std::vector<int16_t> samples(raw.size() / 2);
  std::copy_n(reinterpret_cast<const uint8_t*>(raw.data()), samples.size() * 2,
              reinterpret_cast<uint8_t*>(samples.data()));
  const std::vector<float> recording = monoOf(samples);

  std::vector<float> music, chime;
  const std::string assets = argv[2];
  if (!readSound(assets + "/track1.ogg", music) || !readSound(assets + "/fx1.ogg", chime)) return 1;

  double energy = 0;
  for (float s : recording) energy += s * s;
  const double rms = recording.empty() ? 0 : std::sqrt(energy / recording.size());
  const Match musicAt = findSound(recording, music);
  const Match chimeAt = findSound(recording, chime);
  std::printf(
      "{\"seconds\": %.3f, \"rms\": %.5f, \"music_at\": %.3f, \"music_match\": %.3f, "
      "\"chime_at\": %.3f, \"chime_match\": %.3f}\n",
      static_cast<double>(recording.size()) / kRate, rms, musicAt.seconds, musicAt.correlation,
      chimeAt.seconds, chimeAt.correlation);
  return 0;
}
