// Sounds and channels. Sounds are decoded whole into 16-bit samples when
// loaded; channels are small handles with a volume that applies at once to
// what they play and to whatever they play later.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/resources.h"

namespace platform {

// Interleaved 16-bit samples.
struct Pcm {
  int channels = 0;
  int rate = 0;
  std::vector<int16_t> samples;
  size_t frames() const { return channels ? samples.size() / channels : 0; }
};

// Decodes Ogg Vorbis bytes whole. On failure returns false with a reason; never reads past `bytes`.
// `parts` 0 lets a long sound decode in two halves on two cores; 1 forces one
// pass and 2 two halves (tests compare them). The samples are the same either way.
bool decodeOgg(Bytes bytes, Pcm& out, std::string& error, int parts = 0);

constexpr int kSoundLoops = 1;

// A registered sound decoded, or why it could not be. Decoding touches nothing
// shared, so it may run on another thread while start-up carries on.
struct DecodedSound {
  Pcm pcm;
  std::string error;  // empty when the sound decoded
};
DecodedSound decodeSound(const Resources& resources, std::string_view name);

class Sound {
 public:
  Sound(Pcm pcm, bool loops) : pcm_(std::move(pcm)), loops_(loops) {}
  virtual ~Sound() = default;
  const Pcm& pcm() const { return pcm_; }
  bool loops() const { return loops_; }

 private:
  Pcm pcm_;
  bool loops_;
};

using Channel = int;

class Audio {
 public:
  virtual ~Audio() = default;

  // Loads and decodes a registered sound; flags 1 make it loop. nullptr with a reason on failure.
  std::shared_ptr<Sound> loadSound(const Resources& resources, std::string_view name, int flags,
                                   std::string& error);
  // The same, for a sound already decoded (by decodeSound, perhaps on another thread).
  std::shared_ptr<Sound> adoptSound(DecodedSound decoded, int flags, std::string& error);
  // A new idle channel.
  virtual Channel allocChannel() = 0;
  // 0 silent .. 1 full; applies at once and to later plays on the channel.
  virtual void setChannelVolume(Channel channel, float volume) = 0;
  // Stops what the channel plays and starts `sound` from its beginning on it.
  virtual void playSound(const std::shared_ptr<Sound>& sound, Channel channel) = 0;
  // Starts `sound` on a fresh channel, which plays on even if nobody holds it.
  virtual Channel playSoundFresh(const std::shared_ptr<Sound>& sound) = 0;

 protected:
  // Lets a backend wrap decoded samples in its own kind of Sound.
  virtual std::shared_ptr<Sound> makeSound(Pcm pcm, bool loops) {
    return std::make_shared<Sound>(std::move(pcm), loops);
  }
};

}  // namespace platform
