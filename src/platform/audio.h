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
bool decodeOgg(Bytes bytes, Pcm& out, std::string& error);

constexpr int kSoundLoops = 1;

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
