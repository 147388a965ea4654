// Small synthesis building blocks for Quillmoor's two sounds.
//
// How this works: every voice is rendered alone into a mono `Voice` (a plain
// float vector, one sample per frame), shaped by an envelope, and then mixed
// into a `StereoBuffer` at a frame offset with a pan. Mixing wraps around the
// end of the buffer when asked to, so a note (or an echo) that rings past the
// end of a looping piece sounds at its beginning instead of being cut off.
// Effects that feed back (the echo and the room) run over a looping buffer
// twice, so that the second pass already hears the tail of the first: that is
// what makes the seam of a loop inaudible.
//
// Everything is deterministic: the noise is our own tiny generator, never the
// C library's, and no step depends on time or on the machine's state.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

namespace assetgen::synth {

constexpr int kSampleRate = 44100;  // frames per second
constexpr double kPi = 3.14159265358979323846;
constexpr double kTwoPi = 2.0 * kPi;

using Voice = std::vector<float>;  // mono samples, one per frame

// Frames in `seconds` (rounded to the nearest frame).
size_t framesFor(double seconds);
// Hz of a MIDI note number (69 = A 440 Hz).
double noteHz(double midiNote);
// Linear gain of a level in dBFS (0 dB = full scale).
double dbToGain(double db);
// dBFS of a linear gain; very small gains give a large negative number.
double gainToDb(double gain);

// Two channels of float samples, full scale at +-1.
class StereoBuffer {
 public:
  explicit StereoBuffer(size_t frames) : left_(frames, 0.0f), right_(frames, 0.0f) {}
  size_t frames() const { return left_.size(); }
  std::vector<float>& left() { return left_; }
  std::vector<float>& right() { return right_; }
  const std::vector<float>& left() const { return left_; }
  const std::vector<float>& right() const { return right_; }

  // Adds `voice` scaled by the two gains, starting at frame `at`. With `wrap`
  // the part past the end continues at frame 0 (looping material); without it
  // that part is dropped.
  void mixIn(const Voice& voice, size_t at, float leftGain, float rightGain, bool wrap);
  // Adds another buffer of the same length, scaled.
  void add(const StereoBuffer& other, float gain);
  // Multiplies every sample by `gain`.
  void scale(float gain);
  // The largest absolute sample of both channels.
  float peak() const;
  // The root-mean-square level of both channels together.
  double rms() const;
  // Subtracts each channel's mean, so the sound carries no DC offset.
  void removeDc();

 private:
  std::vector<float> left_;
  std::vector<float> right_;
};

// Equal-power pan gains: -1 hard left, 0 centre, +1 hard right.
struct PanGains {
  float left;
  float right;
};
PanGains panGains(double pan);

// ---- oscillators: phase in cycles (one period per whole number, any size) ----
double sineWave(double phase);
// A triangle softened to its first few odd harmonics: round, never buzzy.
double softTriangle(double phase);

// ---- envelopes: gain 0..1 at `t` seconds after the note starts ----
struct Adsr {
  double attack;   // s, 0 -> 1, raised-cosine so nothing clicks
  double decay;    // s, 1 -> sustain
  double sustain;  // level held while the note is held
  double release;  // s, sustain -> 0 after the note is let go
};
// `held` is how long the note is held before its release begins (seconds).
double adsrGain(const Adsr& envelope, double held, double t);
// A struck sound: a short raised-cosine attack, then exponential decay with
// time constant `tau` seconds.
double strikeGain(double attack, double tau, double t);

// ---- bells: inharmonic partials, each with its own decay ----
struct Partial {
  double ratio;  // frequency relative to the fundamental
  double gain;   // relative level
  double tau;    // s, exponential decay time constant
};
// Renders `seconds` of a struck bell at `hz`. `detune` scales every partial
// frequency (1.0 = none), so the two ears can hear slightly different bells.
Voice renderBell(double hz, const std::vector<Partial>& partials, double attack, double seconds,
                 double detune);

// ---- filters ----
// One-pole low-pass, in place; `cutoffHz` is the -3 dB point.
void lowPass(Voice& voice, double cutoffHz);
// One-pole high-pass, in place.
void highPass(Voice& voice, double cutoffHz);

// ---- noise: our own xorshift generator, fixed seed, same numbers everywhere ----
class Noise {
 public:
  explicit Noise(uint32_t seed) : state_(seed ? seed : 0x9e3779b9u) {}
  // Uniform in [-1, 1).
  float next();

 private:
  uint32_t state_;
};

// ---- effects for looping material (both wrap around the end) ----
// A stereo echo: each repeat `delaySeconds` later, `feedback` times quieter,
// bouncing between the ears.
void pingPongEcho(StereoBuffer& buffer, double delaySeconds, double feedback, double wet);
// A small hand-made room (parallel combs into all-passes), mixed in at `wet`.
void room(StereoBuffer& buffer, double decaySeconds, double wet);

}  // namespace assetgen::synth
