// The meadow music: arranges the score (music_score.cpp) for the band
// (music_voices.cpp) and mixes it down.
//
// How this works: every part is rendered note by note and mixed into the
// 88-second buffer at its start frame, wrapping round the end, so a pad or a
// lead note still ringing at the end of the last bar sounds at the start of
// the first. The lead goes through an echo of its own, then everything goes
// through a small room; both effects run round the loop too (see synth.h), so
// the piece repeats without a seam. Levels here are only the balance between
// the parts; the final loudness is set when the sound is mastered.
#include <algorithm>

#include "tools/assetgen/sound_pieces.h"

namespace assetgen {
namespace {

using music::Chord;
using music::kBeatFrames;
using music::kBeatSeconds;
using music::kBeatsPerBar;
using synth::StereoBuffer;

// Balance between the parts (linear gains).
constexpr float kLeadLevel = 0.30f;
constexpr float kGlockLevel = 0.07f;
constexpr float kPadLevel = 0.085f;
constexpr float kPluckLevel = 0.075f;
constexpr float kBassLevel = 0.30f;
constexpr float kKickLevel = 0.32f;
constexpr float kShakerLevel = 0.1f;

// Pans, -1 left .. +1 right.
constexpr double kLeadPan = -0.05;
constexpr double kGlockPan = 0.3;
constexpr double kPadSpread = 0.4;  // the three pad voices sit at -spread, 0, +spread
constexpr double kPluckSpread = 0.35;  // arpeggio notes alternate between the ears
constexpr double kShakerPan = 0.3;

// Effects.
constexpr double kEchoSeconds = 0.75;  // a dotted quarter: the repeats fall between the beats
constexpr double kEchoFeedback = 0.3;
constexpr double kEchoWet = 0.22;
constexpr double kRoomSeconds = 2.0;
constexpr double kRoomWet = 0.3;

// Registers: pads between G3 and F#4, bass two octaves under the chord, the
// arpeggio in the chord's own octave, under the tune.
constexpr int kPadLowest = 55;
constexpr int kBassDrop = 24;
constexpr double kArticulation = 0.06;  // s of silence a bass note leaves before the next

size_t frameOfBeat(double beat) { return static_cast<size_t>(beat * kBeatFrames); }

size_t frameOfBar(int bar) { return static_cast<size_t>(bar) * kBeatsPerBar * kBeatFrames; }

void mixVoice(StereoBuffer& out, const synth::Voice& voice, size_t at, float level, double pan) {
  const synth::PanGains g = synth::panGains(pan);
  out.mixIn(voice, at, level * g.left, level * g.right, true);
}

// The chord's tones folded into one octave from kPadLowest, low to high: the
// voices then move by small steps from chord to chord.
std::vector<int> padVoicing(const Chord& chord) {
  std::vector<int> tones = {chord.root, chord.third, chord.fifth};
  for (int& t : tones) {
    while (t >= kPadLowest + 12) t -= 12;
    while (t < kPadLowest) t += 12;
  }
  std::sort(tones.begin(), tones.end());
  return tones;
}

void addPads(const std::vector<Chord>& chords, StereoBuffer& out) {
  const double barSeconds = kBeatsPerBar * kBeatSeconds;
  for (int bar = 0; bar < music::kBars; ++bar) {
    const std::vector<int> voicing = padVoicing(chords[bar]);
    for (size_t v = 0; v < voicing.size(); ++v) {
      const double pan = kPadSpread * (static_cast<double>(v) - 1.0);
      mixVoice(out, music::renderPad(synth::noteHz(voicing[v]), barSeconds, 0.8f), frameOfBar(bar),
               kPadLevel, pan);
    }
  }
}

void addBass(const std::vector<Chord>& chords, StereoBuffer& out) {
  struct Step {
    double beat, beats;
    int interval;  // semitones over the root
  };
  // Walking while the band plays; plain halves while the intro and outro breathe.
  const std::vector<Step> walking = {{0, 1.5, 0}, {1.5, 0.5, 0}, {2, 1.5, 7}, {3.5, 0.5, 12}};
  const std::vector<Step> resting = {{0, 2, 0}, {2, 2, 7}};
  for (int bar = 0; bar < music::kBars; ++bar) {
    const int root = chords[bar].root - kBassDrop;
    for (const Step& s : music::kickInBar(bar) ? walking : resting) {
      const double held = s.beats * kBeatSeconds - kArticulation;
      const float velocity = s.beat == 0 ? 1.0f : 0.8f;
      mixVoice(out, music::renderBass(synth::noteHz(root + s.interval), held, velocity),
               frameOfBar(bar) + frameOfBeat(s.beat), kBassLevel, 0.0);
    }
  }
}

void addArpeggio(const std::vector<Chord>& chords, StereoBuffer& out) {
  constexpr int kPattern[] = {0, 1, 2, 3, 1, 2, 3, 2};  // indices into root, third, fifth, octave
  constexpr int kEighthsPerBar = 2 * kBeatsPerBar;
  for (int bar = 0; bar < music::kBars; ++bar) {
    const Chord& c = chords[bar];
    const int tones[] = {c.root, c.third, c.fifth, c.root + 12};
    for (int e = 0; e < kEighthsPerBar; ++e) {
      const int midi = tones[kPattern[e]];
      const float velocity = e % 2 == 0 ? 1.0f : 0.7f;
      const double pan = e % 2 == 0 ? -kPluckSpread : kPluckSpread;
      mixVoice(out, music::renderPluck(synth::noteHz(midi), velocity),
               frameOfBar(bar) + frameOfBeat(0.5 * e), kPluckLevel, pan);
    }
  }
}

void addDrums(StereoBuffer& out) {
  synth::Noise noise(0x5eed5u);
  constexpr int kEighthsPerBar = 2 * kBeatsPerBar;
  for (int bar = 0; bar < music::kBars; ++bar) {
    if (music::kickInBar(bar)) {
      mixVoice(out, music::renderKick(1.0f), frameOfBar(bar), kKickLevel, 0.0);
      mixVoice(out, music::renderKick(0.8f), frameOfBar(bar) + frameOfBeat(2), kKickLevel, 0.0);
    }
    for (int e = 0; e < kEighthsPerBar; ++e) {
      const float velocity = e % 2 == 1 ? 1.0f : 0.55f;  // the off-beats lift it
      mixVoice(out, music::renderShaker(noise, velocity), frameOfBar(bar) + frameOfBeat(0.5 * e),
               kShakerLevel, kShakerPan);
    }
  }
}

void addTune(StereoBuffer& out) {
  StereoBuffer lead(out.frames());
  for (const music::Note& n : music::melody()) {
    const double held = n.beats * kBeatSeconds;
    mixVoice(lead, music::renderLead(synth::noteHz(n.midi), held, n.velocity), frameOfBeat(n.beat),
             kLeadLevel, kLeadPan);
  }
  synth::pingPongEcho(lead, kEchoSeconds, kEchoFeedback, kEchoWet);
  out.add(lead, 1.0f);
  for (const music::Note& n : music::sparkle()) {
    mixVoice(out, music::renderGlock(synth::noteHz(n.midi), n.velocity), frameOfBeat(n.beat),
             kGlockLevel, kGlockPan);
  }
}

}  // namespace

StereoBuffer composeMusic() {
  StereoBuffer mix(kMusicFrames);
  const std::vector<Chord> chords = music::chordOfEveryBar();
  addPads(chords, mix);
  addBass(chords, mix);
  addArpeggio(chords, mix);
  addDrums(mix);
  addTune(mix);
  synth::room(mix, kRoomSeconds, kRoomWet);
  mix.removeDc();
  return mix;
}

}  // namespace assetgen
