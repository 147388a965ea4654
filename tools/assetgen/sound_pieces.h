// The two sounds before encoding, and the pieces the music is built from.
#pragma once
#include <cstddef>
#include <vector>

#include "tools/assetgen/synth.h"

namespace assetgen {

constexpr size_t kChimeFrames = 352800;   // 8.0 s at 44.1 kHz
constexpr size_t kMusicFrames = 3880800;  // 88.0 s at 44.1 kHz: 44 bars at 120 bpm

// The chime rung at each planting: rings out and is silent by its last frame.
synth::StereoBuffer composeChime();
// The meadow's looping music: its end leads seamlessly into its start.
synth::StereoBuffer composeMusic();

namespace music {

constexpr int kBeatsPerBar = 4;
constexpr int kBars = 44;
constexpr double kBeatSeconds = 0.5;  // 120 beats per minute
constexpr size_t kBeatFrames = 22050;

// One note of the score: when, how long and which pitch, counted in beats from the top.
struct Note {
  double beat;      // start, beats from the start of the piece
  double beats;     // how long it is held
  int midi;         // pitch, MIDI note number (60 = middle C)
  float velocity;   // 0..1, how hard it is played
};

// A chord as three pitch classes' MIDI notes in the octave above middle C.
struct Chord {
  int root;
  int third;
  int fifth;
};

// ---- the composition (music_score.cpp) ----
// The chord of every bar, kBars of them.
std::vector<Chord> chordOfEveryBar();
// The tune, in beats from the top of the piece.
std::vector<Note> melody();
// The tune's sparkle doubling for the last return of the theme, an octave up.
std::vector<Note> sparkle();
// Whether a bar carries the kick drum (the intro and the end of the outro rest it).
bool kickInBar(int bar);

// ---- the instruments (music_voices.cpp), each a mono voice with its tail ----
// A soft, breathy lead with a late, gentle vibrato.
synth::Voice renderLead(double hz, double heldSeconds, float velocity);
// A warm pad: two slightly detuned soft triangles, slowly swelling, filtered.
synth::Voice renderPad(double hz, double heldSeconds, float velocity);
// A plucked, rounded arpeggio note.
synth::Voice renderPluck(double hz, float velocity);
// A round bass note.
synth::Voice renderBass(double hz, double heldSeconds, float velocity);
// A small glockenspiel strike.
synth::Voice renderGlock(double hz, float velocity);
// A soft kick: a sine falling quickly in pitch.
synth::Voice renderKick(float velocity);
// A shaker grain from our noise.
synth::Voice renderShaker(synth::Noise& noise, float velocity);

}  // namespace music
}  // namespace assetgen
