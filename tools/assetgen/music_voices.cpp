// The meadow band's instruments. Every one is soft on purpose: sines and
// rounded triangles, smooth envelopes and low-pass filters, since the music
// plays under the whole game and must never tire the ear.
#include <cmath>

#include "tools/assetgen/sound_pieces.h"

namespace assetgen::music {
namespace {

using synth::Adsr;
using synth::kSampleRate;
using synth::Voice;

// ---- lead ----
constexpr Adsr kLeadEnvelope{0.025, 0.2, 0.72, 0.22};
constexpr double kLeadVibratoHz = 5.2;
constexpr double kLeadVibratoSemitones = 0.12;
constexpr double kLeadVibratoDelay = 0.3;  // s before the vibrato starts to swell in
constexpr double kLeadCutoffHz = 3200.0;
constexpr double kLeadBreathCutoffHz = 2500.0;
constexpr float kLeadBreathGain = 0.025f;

// ---- pad ----
constexpr Adsr kPadEnvelope{0.4, 0.6, 0.8, 0.9};
constexpr double kPadDetuneCents = 5.0;
constexpr double kPadCutoffHz = 1400.0;

// ---- pluck ----
constexpr double kPluckAttack = 0.004;  // s
constexpr double kPluckTau = 0.3;       // s
constexpr double kPluckSeconds = 1.4;
constexpr double kPluckCutoffHz = 4500.0;

// ---- bass ----
constexpr Adsr kBassEnvelope{0.012, 0.25, 0.65, 0.12};
constexpr double kBassCutoffHz = 700.0;

// ---- glockenspiel ----
constexpr double kGlockAttack = 0.002;  // s
constexpr double kGlockSeconds = 2.0;

// ---- kick ----
constexpr double kKickStartHz = 125.0;
constexpr double kKickEndHz = 48.0;
constexpr double kKickSweepTau = 0.035;  // s, how fast the pitch falls
constexpr double kKickTau = 0.13;        // s
constexpr double kKickSeconds = 0.5;
constexpr double kKickHighPassHz = 28.0;  // keeps the thump free of DC

// ---- shaker ----
constexpr double kShakerTau = 0.028;  // s
constexpr double kShakerSeconds = 0.15;
constexpr double kShakerLowCutHz = 5500.0;
constexpr double kShakerHighCutHz = 12000.0;

double cents(double c) { return std::pow(2.0, c / 1200.0); }

double seconds(size_t frame) { return static_cast<double>(frame) / kSampleRate; }

}  // namespace

Voice renderLead(double hz, double heldSeconds, float velocity) {
  Voice voice(synth::framesFor(heldSeconds + kLeadEnvelope.release), 0.0f);
  synth::Noise breath(static_cast<uint32_t>(hz * 1000.0));
  Voice air(voice.size());
  for (float& s : air) s = breath.next();
  synth::lowPass(air, kLeadBreathCutoffHz);
  double phase = 0.0;
  for (size_t i = 0; i < voice.size(); ++i) {
    const double t = seconds(i);
    const double swell = std::fmin(1.0, std::fmax(0.0, (t - kLeadVibratoDelay) / kLeadVibratoDelay));
    const double bend = swell * kLeadVibratoSemitones * synth::sineWave(kLeadVibratoHz * t);
    phase += hz * std::pow(2.0, bend / 12.0) / kSampleRate;
    phase -= std::floor(phase);
    const double tone = synth::sineWave(phase) + 0.16 * synth::sineWave(2.0 * phase) +
                        0.05 * synth::sineWave(3.0 * phase);
    const double gain = synth::adsrGain(kLeadEnvelope, heldSeconds, t) * velocity;
    voice[i] = static_cast<float>(gain * (tone + kLeadBreathGain * air[i]));
  }
  synth::lowPass(voice, kLeadCutoffHz);
  return voice;
}

Voice renderPad(double hz, double heldSeconds, float velocity) {
  Voice voice(synth::framesFor(heldSeconds + kPadEnvelope.release), 0.0f);
  const double low = hz / cents(kPadDetuneCents) / kSampleRate;
  const double high = hz * cents(kPadDetuneCents) / kSampleRate;
  for (size_t i = 0; i < voice.size(); ++i) {
    const double n = static_cast<double>(i);
    const double tone = 0.5 * (synth::softTriangle(low * n) +
                               synth::softTriangle(high * n + 0.25));
    voice[i] = static_cast<float>(tone * synth::adsrGain(kPadEnvelope, heldSeconds, seconds(i)) *
                                  velocity);
  }
  synth::lowPass(voice, kPadCutoffHz);
  return voice;
}

Voice renderPluck(double hz, float velocity) {
  Voice voice(synth::framesFor(kPluckSeconds), 0.0f);
  const double step = hz / kSampleRate;
  for (size_t i = 0; i < voice.size(); ++i) {
    const double t = seconds(i);
    const double phase = step * static_cast<double>(i);
    // The overtones die faster than the body, as on a plucked string.
    const double tone = synth::sineWave(phase) * synth::strikeGain(kPluckAttack, kPluckTau, t) +
                        0.3 * synth::sineWave(2.0 * phase) *
                            synth::strikeGain(kPluckAttack, kPluckTau / 3.0, t);
    voice[i] = static_cast<float>(tone * velocity);
  }
  synth::lowPass(voice, kPluckCutoffHz);
  // The envelope never quite reaches zero; fade the last few milliseconds.
  const size_t fade = synth::framesFor(0.02);
  for (size_t i = 0; i < fade; ++i) voice[voice.size() - 1 - i] *= static_cast<float>(i) / fade;
  return voice;
}

Voice renderBass(double hz, double heldSeconds, float velocity) {
  Voice voice(synth::framesFor(heldSeconds + kBassEnvelope.release), 0.0f);
  const double step = hz / kSampleRate;
  for (size_t i = 0; i < voice.size(); ++i) {
    const double phase = step * static_cast<double>(i);
    const double tone = synth::sineWave(phase) + 0.22 * synth::sineWave(2.0 * phase) +
                        0.06 * synth::sineWave(3.0 * phase);
    voice[i] = static_cast<float>(tone * synth::adsrGain(kBassEnvelope, heldSeconds, seconds(i)) *
                                  velocity);
  }
  synth::lowPass(voice, kBassCutoffHz);
  return voice;
}

Voice renderGlock(double hz, float velocity) {
  // A struck bar: its overtones sit at the bar's own inharmonic ratios.
  static const std::vector<synth::Partial> kBar = {
      {1.0, 1.0, 0.7}, {2.76, 0.25, 0.25}, {5.40, 0.08, 0.1}};
  Voice voice = synth::renderBell(hz, kBar, kGlockAttack, kGlockSeconds, 1.0);
  for (float& s : voice) s *= velocity;
  const size_t fade = synth::framesFor(0.02);
  for (size_t i = 0; i < fade; ++i) voice[voice.size() - 1 - i] *= static_cast<float>(i) / fade;
  return voice;
}

Voice renderKick(float velocity) {
  Voice voice(synth::framesFor(kKickSeconds), 0.0f);
  double phase = 0.0;
  for (size_t i = 0; i < voice.size(); ++i) {
    const double t = seconds(i);
    const double hz = kKickEndHz + (kKickStartHz - kKickEndHz) * std::exp(-t / kKickSweepTau);
    phase += hz / kSampleRate;
    phase -= std::floor(phase);
    voice[i] = static_cast<float>(synth::sineWave(phase) * synth::strikeGain(0.002, kKickTau, t) *
                                  velocity);
  }
  synth::highPass(voice, kKickHighPassHz);
  const size_t fade = synth::framesFor(0.05);
  for (size_t i = 0; i < fade; ++i) voice[voice.size() - 1 - i] *= static_cast<float>(i) / fade;
  return voice;
}

Voice renderShaker(synth::Noise& noise, float velocity) {
  Voice voice(synth::framesFor(kShakerSeconds), 0.0f);
  for (size_t i = 0; i < voice.size(); ++i) {
    voice[i] = static_cast<float>(noise.next() * synth::strikeGain(0.004, kShakerTau, seconds(i)) *
                                  velocity);
  }
  synth::highPass(voice, kShakerLowCutHz);
  synth::lowPass(voice, kShakerHighCutHz);
  return voice;
}

}  // namespace assetgen::music
