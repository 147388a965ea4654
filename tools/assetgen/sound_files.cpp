// Masters and encodes the two sounds.
//
// The chime plays at channel volume 0.3 over the music at full volume, so the
// chime is mastered loud (its peak near full scale) and the music quiet (by
// its average level, never letting its peak past the same ceiling). Both stay
// under the ceiling with some room, since encoding can push peaks up a little.
#include <algorithm>
#include <cstdio>
#include <cstdlib>

#include "tools/assetgen/assetgen.h"
#include "tools/assetgen/sound_pieces.h"
#include "tools/assetgen/vorbis_encode.h"

namespace assetgen {
namespace {

constexpr double kChimePeakDb = -1.6;     // dBFS before encoding
constexpr double kMusicRmsDb = -20.0;     // dBFS, the average level it aims at
constexpr double kMusicPeakCapDb = -3.0;  // dBFS, whatever the average asks

// Scales `sound` to `rmsDb` unless that would put its peak over `peakDb`.
void master(synth::StereoBuffer& sound, double rmsDb, double peakDb) {
  const double peak = sound.peak();
  if (peak <= 0.0) return;
  double gain = synth::dbToGain(peakDb) / peak;
  const double rms = sound.rms();
  if (rms > 0.0) gain = std::min(gain, synth::dbToGain(rmsDb) / rms);
  sound.scale(static_cast<float>(gain));
}

SoundFile encode(const char* name, const synth::StereoBuffer& sound) {
  SoundFile file{name, {}};
  std::string error;
  if (!encodeVorbis(sound, file.bytes, error)) {
    // The generator cannot go on without its sounds; say why and stop.
    std::fprintf(stderr, "quillmoor-assetgen: %s: %s\n", name, error.c_str());
    std::exit(1);
  }
  return file;
}

}  // namespace

std::vector<SoundFile> composeSounds() {
  synth::StereoBuffer chime = composeChime();
  master(chime, 0.0, kChimePeakDb);  // an RMS goal of 0 dBFS never binds: the peak decides
  synth::StereoBuffer music = composeMusic();
  master(music, kMusicRmsDb, kMusicPeakCapDb);
  return {encode("fx1.ogg", chime), encode("track1.ogg", music)};
}

}  // namespace assetgen
