// Audio that plays nothing but remembers what it was asked to do, so tests can
// check which channel a chime went to and at what volume.
#pragma once
#include <vector>

#include "platform/audio.h"

namespace platform {

class SilentAudio : public Audio {
 public:
  struct Play {
    const Sound* sound;
    Channel channel;
    float volume;  // the channel's volume when the play started
  };

  Channel allocChannel() override {
    volumes_.push_back(1.0f);
    return static_cast<Channel>(volumes_.size() - 1);
  }
  void setChannelVolume(Channel channel, float volume) override {
    if (valid(channel)) volumes_[channel] = volume;
  }
  void playSound(const std::shared_ptr<Sound>& sound, Channel channel) override {
    if (sound && valid(channel)) plays_.push_back({sound.get(), channel, volumes_[channel]});
  }
  Channel playSoundFresh(const std::shared_ptr<Sound>& sound) override {
    Channel channel = allocChannel();
    playSound(sound, channel);
    return channel;
  }

  float volume(Channel channel) const { return valid(channel) ? volumes_[channel] : 0.0f; }
  const std::vector<Play>& plays() const { return plays_; }

 private:
  bool valid(Channel c) const { return c >= 0 && c < static_cast<Channel>(volumes_.size()); }
  std::vector<float> volumes_;
  std::vector<Play> plays_;
};

}  // namespace platform
