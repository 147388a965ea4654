// The meadow tune, written out in C major at 120 beats per minute.
//
// Form, in bars (44 in all, 2 s each):
//   0- 3  intro    C Am F G: pad, arpeggio, bass, shaker, no tune yet
//   4-11  A        the theme, ending on the dominant
//  12-19  A2       the theme again, closing on the tonic
//  20-27  B        a higher, longer-breathed answer from the subdominant
//  28-35  A'       the theme's closing form with a glockenspiel doubling
//  36-43  outro    C Am F G twice: a last echo of the opening motif, then
//                  the intro's own texture, so the G of the last bar falls
//                  straight back into the C that opens the loop
#include "tools/assetgen/sound_pieces.h"

namespace assetgen::music {
namespace {

// MIDI note numbers of the pitches the tune uses.
enum Pitch : int {
  G4 = 67, A4 = 69, B4 = 71,
  C5 = 72, D5 = 74, E5 = 76, F5 = 77, G5 = 79, A5 = 81, B5 = 83,
  C6 = 84, D6 = 86,
};

constexpr Chord kC{60, 64, 67};
constexpr Chord kDm{62, 65, 69};
constexpr Chord kEm{64, 67, 71};
constexpr Chord kF{65, 69, 72};
constexpr Chord kG{67, 71, 74};
constexpr Chord kAm{69, 72, 76};

constexpr int kThemeBar = 4;
constexpr int kThemeAgainBar = 12;
constexpr int kAnswerBar = 20;
constexpr int kReturnBar = 28;
constexpr int kOutroBar = 36;
constexpr int kOutroRestBar = 40;  // from here on the kick and the tune rest

// A phrase note, counted in beats from the start of its bar.
struct PhraseNote {
  int bar;
  double beat;
  double beats;
  int midi;
};

// The theme's first six bars, shared by every statement of it.
const std::vector<PhraseNote> kThemeOpening = {
    {0, 0.0, 0.5, G4}, {0, 0.5, 0.5, C5}, {0, 1.0, 1.0, E5}, {0, 2.0, 0.5, D5}, {0, 2.5, 0.5, E5},
    {0, 3.0, 1.0, G5}, {1, 0.0, 1.5, D5}, {1, 1.5, 0.5, B4}, {1, 2.0, 2.0, G4},
    {2, 0.0, 0.5, A4}, {2, 0.5, 0.5, C5}, {2, 1.0, 1.0, E5}, {2, 2.0, 0.5, D5}, {2, 2.5, 0.5, E5},
    {2, 3.0, 1.0, A5}, {3, 0.0, 1.5, G5}, {3, 1.5, 0.5, E5}, {3, 2.0, 2.0, B4},
    {4, 0.0, 0.5, A4}, {4, 0.5, 0.5, C5}, {4, 1.0, 1.0, F5}, {4, 2.0, 0.5, E5}, {4, 2.5, 0.5, F5},
    {4, 3.0, 1.0, A5}, {5, 0.0, 1.0, G5}, {5, 1.0, 1.0, E5}, {5, 2.0, 2.0, C5},
};
// Bars 6-7 of the first statement: up to the dominant, a question.
const std::vector<PhraseNote> kThemeOpenEnd = {
    {6, 0.0, 0.5, D5}, {6, 0.5, 0.5, E5}, {6, 1.0, 1.0, F5}, {6, 2.0, 1.0, A5}, {6, 3.0, 1.0, F5},
    {7, 0.0, 1.5, G5}, {7, 1.5, 0.5, F5}, {7, 2.0, 2.0, D5},
};
// Bars 6-7 of the later statements: down the scale home, the answer.
const std::vector<PhraseNote> kThemeClosedEnd = {
    {6, 0.0, 1.0, A5}, {6, 1.0, 0.5, G5}, {6, 1.5, 0.5, F5}, {6, 2.0, 1.0, E5}, {6, 3.0, 1.0, D5},
    {7, 0.0, 3.0, C5},
};
const std::vector<PhraseNote> kAnswer = {
    {0, 0.0, 2.0, C6}, {0, 2.0, 1.0, A5}, {0, 3.0, 1.0, F5},
    {1, 0.0, 2.0, D6}, {1, 2.0, 1.0, B5}, {1, 3.0, 1.0, G5},
    {2, 0.0, 1.5, B5}, {2, 1.5, 0.5, A5}, {2, 2.0, 1.0, G5}, {2, 3.0, 1.0, E5},
    {3, 0.0, 3.0, A5},
    {4, 0.0, 1.0, F5}, {4, 1.0, 1.0, A5}, {4, 2.0, 1.0, D6}, {4, 3.0, 1.0, C6},
    {5, 0.0, 1.0, B5}, {5, 1.0, 1.0, G5}, {5, 2.0, 2.0, E5},
    {6, 0.0, 1.0, A5}, {6, 1.0, 1.0, C6}, {6, 2.0, 1.0, A5}, {6, 3.0, 1.0, F5},
    {7, 0.0, 2.0, G5}, {7, 2.0, 1.0, F5}, {7, 3.0, 1.0, D5},
};
// The outro remembers the theme's opening gesture twice, then lets it go.
const std::vector<PhraseNote> kFarewell = {
    {0, 0.0, 0.5, G4}, {0, 0.5, 0.5, C5}, {0, 1.0, 2.5, E5},
    {2, 0.0, 0.5, A4}, {2, 0.5, 0.5, C5}, {2, 1.0, 2.5, F5},
    {3, 0.0, 3.0, D5},
};

// Places a phrase at `firstBar`, louder on the strong beats so it breathes.
void place(const std::vector<PhraseNote>& phrase, int firstBar, float velocity, int transpose,
           std::vector<Note>& out) {
  constexpr float kOffBeatSoftening = 0.85f;
  for (const PhraseNote& p : phrase) {
    const bool strong = p.beat == 0.0 || p.beat == 2.0;
    out.push_back({(firstBar + p.bar) * kBeatsPerBar + p.beat, p.beats, p.midi + transpose,
                   strong ? velocity : velocity * kOffBeatSoftening});
  }
}

void placeTheme(int firstBar, bool closed, float velocity, int transpose, std::vector<Note>& out) {
  place(kThemeOpening, firstBar, velocity, transpose, out);
  place(closed ? kThemeClosedEnd : kThemeOpenEnd, firstBar, velocity, transpose, out);
}

}  // namespace

std::vector<Chord> chordOfEveryBar() {
  const std::vector<Chord> intro = {kC, kAm, kF, kG};
  const std::vector<Chord> theme = {kC, kG, kAm, kEm, kF, kC, kDm, kG};
  const std::vector<Chord> themeClosed = {kC, kG, kAm, kEm, kF, kC, kG, kC};
  const std::vector<Chord> answer = {kF, kG, kEm, kAm, kDm, kEm, kF, kG};
  std::vector<Chord> bars;
  for (const auto* section : {&intro, &theme, &themeClosed, &answer, &themeClosed, &intro, &intro}) {
    bars.insert(bars.end(), section->begin(), section->end());
  }
  return bars;
}

std::vector<Note> melody() {
  std::vector<Note> notes;
  placeTheme(kThemeBar, false, 0.9f, 0, notes);
  placeTheme(kThemeAgainBar, true, 0.9f, 0, notes);
  place(kAnswer, kAnswerBar, 0.95f, 0, notes);
  placeTheme(kReturnBar, true, 1.0f, 0, notes);
  place(kFarewell, kOutroBar, 0.7f, 0, notes);
  return notes;
}

std::vector<Note> sparkle() {
  std::vector<Note> notes;
  placeTheme(kReturnBar, true, 1.0f, 12, notes);
  return notes;
}

bool kickInBar(int bar) {
  return bar >= kThemeBar && bar < kOutroRestBar;
}

}  // namespace assetgen::music
