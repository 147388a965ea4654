// Synthesis building blocks; see synth.h for how they fit together.
#include "tools/assetgen/synth.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace assetgen::synth {
namespace {

constexpr double kSilentDb = -200.0;  // what gainToDb reports for a gain of zero

// A raised-cosine rise from 0 to 1 over `seconds`: no corner, so no click.
double smoothRise(double t, double seconds) {
  if (t <= 0.0) return 0.0;
  if (t >= seconds) return 1.0;
  return 0.5 - 0.5 * std::cos(kPi * t / seconds);
}

// One comb of the room: a delay line whose output is low-passed and fed back.
class DampedComb {
 public:
  DampedComb(size_t length, double feedback, double damping)
      : line_(length, 0.0f), feedback_(feedback), damping_(damping) {}
  float process(float input) {
    const float out = line_[at_];
    store_ = out * (1.0 - damping_) + store_ * damping_;
    line_[at_] = static_cast<float>(input + store_ * feedback_);
    if (++at_ == line_.size()) at_ = 0;
    return out;
  }

 private:
  std::vector<float> line_;
  size_t at_ = 0;
  double feedback_;
  double damping_;
  double store_ = 0.0;
};

// One all-pass of the room: smears the comb echoes into a diffuse tail.
class AllPass {
 public:
  explicit AllPass(size_t length) : line_(length, 0.0f) {}
  float process(float input) {
    constexpr float kGain = 0.5f;
    const float delayed = line_[at_];
    line_[at_] = input + delayed * kGain;
    if (++at_ == line_.size()) at_ = 0;
    return delayed - input;
  }

 private:
  std::vector<float> line_;
  size_t at_ = 0;
};

// Comb and all-pass lengths in frames at 44.1 kHz: mutually prime-ish so the
// echoes never line up into a pitch. The right ear's lines are a little longer,
// which is what spreads the room across the stereo field.
constexpr std::array<size_t, 4> kCombFrames = {1116, 1277, 1422, 1557};
constexpr std::array<size_t, 2> kAllPassFrames = {556, 341};
constexpr size_t kRightEarSpreadFrames = 23;
constexpr double kRoomDamping = 0.35;    // how much each comb darkens per pass
constexpr float kRoomInputGain = 0.08f;  // combs add up loudly; keep their input low

// Runs the room over one looping channel and returns only its wet output.
std::vector<float> roomChannel(const std::vector<float>& dry, double decaySeconds, size_t spread) {
  std::vector<DampedComb> combs;
  for (size_t frames : kCombFrames) {
    const size_t length = frames + spread;
    // Feedback for a -60 dB decay over decaySeconds through repeated trips of `length` frames.
    const double feedback = std::pow(10.0, -3.0 * length / (decaySeconds * kSampleRate));
    combs.emplace_back(length, feedback, kRoomDamping);
  }
  std::vector<AllPass> allPasses;
  for (size_t frames : kAllPassFrames) allPasses.emplace_back(frames + spread);

  const size_t n = dry.size();
  std::vector<float> wet(n, 0.0f);
  // Two trips round the loop: the second hears the first trip's tail at its start.
  for (size_t i = 0; i < 2 * n; ++i) {
    const float in = dry[i % n] * kRoomInputGain;
    float sum = 0.0f;
    for (auto& comb : combs) sum += comb.process(in);
    for (auto& pass : allPasses) sum = pass.process(sum);
    if (i >= n) wet[i - n] = sum;
  }
  return wet;
}

}  // namespace

size_t framesFor(double seconds) { return static_cast<size_t>(std::lround(seconds * kSampleRate)); }

double noteHz(double midiNote) { return 440.0 * std::pow(2.0, (midiNote - 69.0) / 12.0); }

double dbToGain(double db) { return std::pow(10.0, db / 20.0); }

double gainToDb(double gain) { return gain > 0.0 ? 20.0 * std::log10(gain) : kSilentDb; }

void StereoBuffer::mixIn(const Voice& voice, size_t at, float leftGain, float rightGain, bool wrap) {
  const size_t n = frames();
  if (n == 0) return;
  for (size_t i = 0; i < voice.size(); ++i) {
    size_t to = at + i;
    if (to >= n) {
      if (!wrap) break;
      to %= n;
    }
    left_[to] += voice[i] * leftGain;
    right_[to] += voice[i] * rightGain;
  }
}

void StereoBuffer::add(const StereoBuffer& other, float gain) {
  const size_t n = std::min(frames(), other.frames());
  for (size_t i = 0; i < n; ++i) {
    left_[i] += other.left_[i] * gain;
    right_[i] += other.right_[i] * gain;
  }
}

void StereoBuffer::scale(float gain) {
  for (float& s : left_) s *= gain;
  for (float& s : right_) s *= gain;
}

float StereoBuffer::peak() const {
  float most = 0.0f;
  for (float s : left_) most = std::max(most, std::fabs(s));
  for (float s : right_) most = std::max(most, std::fabs(s));
  return most;
}

double StereoBuffer::rms() const {
  if (frames() == 0) return 0.0;
  double sum = 0.0;
  for (float s : left_) sum += double{s} * s;
  for (float s : right_) sum += double{s} * s;
  return std::sqrt(sum / (2.0 * frames()));
}

void StereoBuffer::removeDc() {
  for (auto* channel : {&left_, &right_}) {
    if (channel->empty()) continue;
    double sum = 0.0;
    for (float s : *channel) sum += s;
    const float mean = static_cast<float>(sum / channel->size());
    for (float& s : *channel) s -= mean;
  }
}

PanGains panGains(double pan) {
  const double angle = (std::clamp(pan, -1.0, 1.0) + 1.0) * kPi / 4.0;
  return {static_cast<float>(std::cos(angle)), static_cast<float>(std::sin(angle))};
}

double sineWave(double phase) {
  // A table with linear interpolation: millions of notes' worth of sines in
  // well under a second, and its error (about 3e-7) lies far below the
  // 16-bit floor the game decodes to.
  constexpr size_t kTableSize = 4096;
  static const std::vector<double> table = [] {
    std::vector<double> t(kTableSize + 1);
    for (size_t i = 0; i <= kTableSize; ++i) t[i] = std::sin(kTwoPi * i / kTableSize);
    return t;
  }();
  const double at = (phase - std::floor(phase)) * kTableSize;
  const size_t i = std::min(static_cast<size_t>(at), kTableSize - 1);
  const double f = at - static_cast<double>(i);
  return table[i] + (table[i + 1] - table[i]) * f;
}

double softTriangle(double phase) {
  // The triangle's series: odd harmonics at 1/k^2 with alternating sign;
  // three terms keep its hollow colour without the sharp corners.
  return (sineWave(phase) - sineWave(3.0 * phase) / 9.0 + sineWave(5.0 * phase) / 25.0) * 0.88;
}

double adsrGain(const Adsr& e, double held, double t) {
  if (t < 0.0) return 0.0;
  auto heldLevel = [&](double at) {
    if (at < e.attack) return smoothRise(at, e.attack);
    const double intoDecay = at - e.attack;
    if (intoDecay < e.decay) return 1.0 + (e.sustain - 1.0) * smoothRise(intoDecay, e.decay);
    return e.sustain;
  };
  if (t < held) return heldLevel(t);
  const double released = t - held;
  if (released >= e.release) return 0.0;
  return heldLevel(held) * (1.0 - smoothRise(released, e.release));
}

double strikeGain(double attack, double tau, double t) {
  if (t < 0.0) return 0.0;
  return smoothRise(t, attack) * std::exp(-t / tau);
}

Voice renderBell(double hz, const std::vector<Partial>& partials, double attack, double seconds,
                 double detune) {
  Voice voice(framesFor(seconds), 0.0f);
  for (const Partial& p : partials) {
    const double step = hz * p.ratio * detune / kSampleRate;
    if (step >= 0.5) continue;  // above the Nyquist frequency it would fold back as a wrong note
    for (size_t i = 0; i < voice.size(); ++i) {
      const double t = static_cast<double>(i) / kSampleRate;
      voice[i] += static_cast<float>(p.gain * strikeGain(attack, p.tau, t) *
                                     sineWave(step * static_cast<double>(i)));
    }
  }
  return voice;
}

void lowPass(Voice& voice, double cutoffHz) {
  const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
  double y = 0.0;
  for (float& s : voice) {
    y += a * (s - y);
    s = static_cast<float>(y);
  }
}

void highPass(Voice& voice, double cutoffHz) {
  const double a = 1.0 - std::exp(-kTwoPi * cutoffHz / kSampleRate);
  double low = 0.0;
  for (float& s : voice) {
    low += a * (s - low);
    s = static_cast<float>(s - low);
  }
}

float Noise::next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  constexpr double kScale = 1.0 / 2147483648.0;  // 2^31: maps 0..2^32 onto 0..2
  return static_cast<float>(state_ * kScale - 1.0);
}

void pingPongEcho(StereoBuffer& buffer, double delaySeconds, double feedback, double wet) {
  const size_t n = buffer.frames();
  const size_t d = framesFor(delaySeconds);
  if (n == 0 || d == 0 || d >= n) return;
  // echoLeft/echoRight hold the repeats only; the first repeat lands on the
  // left, each later one on the other ear. Two trips round the loop so the
  // repeats that cross the end come back at its start.
  std::vector<float> echoLeft(n, 0.0f), echoRight(n, 0.0f);
  const auto& inL = buffer.left();
  const auto& inR = buffer.right();
  for (size_t i = 0; i < 2 * n; ++i) {
    const size_t now = i % n;
    const size_t before = (i + n - d) % n;
    const float mid = 0.5f * (inL[before] + inR[before]);
    echoLeft[now] = static_cast<float>(mid + feedback * echoRight[before]);
    echoRight[now] = static_cast<float>(feedback * echoLeft[before]);
  }
  for (size_t i = 0; i < n; ++i) {
    buffer.left()[i] += static_cast<float>(wet * echoLeft[i]);
    buffer.right()[i] += static_cast<float>(wet * echoRight[i]);
  }
}

void room(StereoBuffer& buffer, double decaySeconds, double wet) {
  if (buffer.frames() == 0) return;
  const std::vector<float> left = roomChannel(buffer.left(), decaySeconds, 0);
  const std::vector<float> right = roomChannel(buffer.right(), decaySeconds, kRightEarSpreadFrames);
  for (size_t i = 0; i < buffer.frames(); ++i) {
    buffer.left()[i] += static_cast<float>(wet * left[i]);
    buffer.right()[i] += static_cast<float>(wet * right[i]);
  }
}

}  // namespace assetgen::synth
