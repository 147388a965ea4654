// Sounds and channels on SDL2_mixer. Each of our channels is one mixer
// channel with the same index; the mixer is grown as channels are allocated.
// A sound is handed to the mixer as a chunk over samples the Sound owns, in
// the device's format, and every channel keeps a reference to the sound it
// last played, so a sound that the game lets go of (the music) plays on.
// Where no audio device opens, channels and sounds still exist and stay silent.
#pragma once
#include <memory>
#include <vector>

#include "platform/audio.h"

namespace platform {

class SdlAudio : public Audio {
 public:
  static constexpr int kRate = 44100;      // Hz
  static constexpr int kChannels = 2;      // stereo
  static constexpr int kChunkFrames = 1024;  // mixer buffer, sample frames
  static constexpr int kMixerMaxVolume = 128;

  // Opens the mixer when `openDevice` is set and SDL's audio can start.
  explicit SdlAudio(bool openDevice);
  ~SdlAudio() override;
  SdlAudio(const SdlAudio&) = delete;
  SdlAudio& operator=(const SdlAudio&) = delete;

  Channel allocChannel() override;
  void setChannelVolume(Channel channel, float volume) override;
  void playSound(const std::shared_ptr<Sound>& sound, Channel channel) override;
  Channel playSoundFresh(const std::shared_ptr<Sound>& sound) override;

  bool deviceOpen() const { return deviceOpen_; }
  // What the mixer says about a channel: for tests and diagnostics.
  bool isPlaying(Channel channel) const;
  // True while the mixer plays exactly this sound on the channel.
  bool isPlaying(Channel channel, const Sound& sound) const;
  int mixerVolume(Channel channel) const;

 protected:
  std::shared_ptr<Sound> makeSound(Pcm pcm, bool loops) override;

 private:
  bool valid(Channel channel) const {
    return channel >= 0 && channel < static_cast<Channel>(playing_.size());
  }

  bool deviceOpen_ = false;
  int deviceRate_ = 0;
  int deviceChannels_ = 0;
  uint16_t deviceFormat_ = 0;
  std::vector<std::shared_ptr<Sound>> playing_;  // per channel: the sound it last played
};

}  // namespace platform
