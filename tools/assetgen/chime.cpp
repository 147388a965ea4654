// The chime that rings when the rain plants a flower.
//
// How this works: two small bells, C6 then G6 a moment later, each made of
// inharmonic partials that die away at their own pace (the high ones first,
// which is what makes it sound struck rather than played). Each ear hears
// its bell a hair out of tune with the other, so the chime shimmers gently
// across the stereo field. A short raised-cosine attack keeps the strike from
// clicking, and a last fade lands it on exact silence at the end of the
// 8 seconds, since the game may cut or restart it there.
#include <cmath>

#include "tools/assetgen/sound_pieces.h"

namespace assetgen {
namespace {

using synth::StereoBuffer;

constexpr int kFirstBellMidi = 84;    // C6
constexpr int kSecondBellMidi = 91;   // G6, a fifth above: sits well over every chord of the music
constexpr double kSecondBellDelay = 0.085;  // s
constexpr float kSecondBellLevel = 0.55f;
constexpr double kAttackSeconds = 0.004;
constexpr double kRightEarDetune = 1.0012;  // about 2 cents: a slow beat between the ears
constexpr double kFirstBellPan = -0.25;
constexpr double kSecondBellPan = 0.3;
constexpr double kRoomSeconds = 1.6;
constexpr double kRoomWet = 0.25;
constexpr double kFadeSeconds = 2.0;  // the final fade to silence

// Partials of a small bell: a strong hum-free fundamental, a slightly stretched
// octave and the bell's inharmonic upper modes, which decay much faster.
const std::vector<synth::Partial> kBellPartials = {
    {1.0, 1.0, 1.5},   {2.005, 0.32, 1.0}, {2.76, 0.28, 0.7}, {4.07, 0.14, 0.45},
    {5.40, 0.09, 0.3}, {6.80, 0.05, 0.2},  {8.93, 0.03, 0.12},
};

void strike(StereoBuffer& out, int midi, double delaySeconds, float level, double pan) {
  const double hz = synth::noteHz(midi);
  const double seconds = static_cast<double>(out.frames()) / synth::kSampleRate - delaySeconds;
  const synth::PanGains g = synth::panGains(pan);
  const size_t at = synth::framesFor(delaySeconds);
  out.mixIn(synth::renderBell(hz, kBellPartials, kAttackSeconds, seconds, 1.0), at,
            level * g.left, 0.0f, false);
  out.mixIn(synth::renderBell(hz, kBellPartials, kAttackSeconds, seconds, kRightEarDetune), at,
            0.0f, level * g.right, false);
}

void fadeToSilence(StereoBuffer& out) {
  const size_t fade = synth::framesFor(kFadeSeconds);
  const size_t n = out.frames();
  for (size_t i = 0; i < fade && i < n; ++i) {
    const double left = static_cast<double>(i) / fade;  // 1 .. 0 toward the end
    const float gain = static_cast<float>(0.5 - 0.5 * std::cos(synth::kPi * left));
    out.left()[n - 1 - i] *= gain;
    out.right()[n - 1 - i] *= gain;
  }
}

}  // namespace

StereoBuffer composeChime() {
  StereoBuffer chime(kChimeFrames);
  strike(chime, kFirstBellMidi, 0.0, 1.0f, kFirstBellPan);
  strike(chime, kSecondBellMidi, kSecondBellDelay, kSecondBellLevel, kSecondBellPan);
  // The room wraps round the buffer, but by the end the bells are nearly
  // silent, so what comes back at the start is far below hearing.
  synth::room(chime, kRoomSeconds, kRoomWet);
  fadeToSilence(chime);
  return chime;
}

}  // namespace assetgen
