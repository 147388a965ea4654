#include "platform/sdl/sdl_audio.h"

#include <SDL.h>
#include <SDL_mixer.h>

#include <algorithm>
#include <cmath>
#include <cstring>

namespace platform {
namespace {

// A decoded sound with the chunk the mixer plays. The chunk points either at
// the decoded samples themselves (when they already match the device) or at
// a converted copy; both are owned here, so the chunk is never freed by SDL.
class SdlSound : public Sound {
 public:
  SdlSound(Pcm pcm, bool loops, std::vector<uint8_t> converted)
      : Sound(std::move(pcm), loops), converted_(std::move(converted)) {
    const uint8_t* data = converted_.empty()
                              ? reinterpret_cast<const uint8_t*>(this->pcm().samples.data())
                              : converted_.data();
    const size_t bytes = converted_.empty() ? this->pcm().samples.size() * sizeof(int16_t)
                                            : converted_.size();
    chunk_.allocated = 0;
    chunk_.abuf = const_cast<uint8_t*>(data);
    chunk_.alen = static_cast<Uint32>(bytes);
    chunk_.volume = MIX_MAX_VOLUME;
  }
  Mix_Chunk* chunk() { return chunk_.alen ? &chunk_ : nullptr; }
  const Mix_Chunk* chunk() const { return chunk_.alen ? &chunk_ : nullptr; }

 private:
  std::vector<uint8_t> converted_;
  Mix_Chunk chunk_{};
};

// Converts interleaved 16-bit samples to the device's format, rate and channels.
bool convert(const Pcm& pcm, SDL_AudioFormat format, int channels, int rate,
             std::vector<uint8_t>& out) {
  SDL_AudioStream* stream =
      SDL_NewAudioStream(AUDIO_S16SYS, static_cast<Uint8>(pcm.channels), pcm.rate, format,
                         static_cast<Uint8>(channels), rate);
  if (!stream) return false;
  bool ok = SDL_AudioStreamPut(stream, pcm.samples.data(),
                               static_cast<int>(pcm.samples.size() * sizeof(int16_t))) == 0 &&
            SDL_AudioStreamFlush(stream) == 0;
  if (ok) {
    out.resize(static_cast<size_t>(SDL_AudioStreamAvailable(stream)));
    ok = SDL_AudioStreamGet(stream, out.data(), static_cast<int>(out.size())) ==
         static_cast<int>(out.size());
  }
  SDL_FreeAudioStream(stream);
  return ok;
}

}  // namespace

SdlAudio::SdlAudio(bool openDevice) {
  if (!openDevice || SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return;
  if (Mix_OpenAudio(kRate, AUDIO_S16SYS, kChannels, kChunkFrames) != 0) {
    SDL_QuitSubSystem(SDL_INIT_AUDIO);
    return;
  }
  int frequency = 0, channels = 0;
  Uint16 format = 0;
  Mix_QuerySpec(&frequency, &format, &channels);
  deviceRate_ = frequency;
  deviceChannels_ = channels;
  deviceFormat_ = format;
  deviceOpen_ = true;
}

SdlAudio::~SdlAudio() {
  if (!deviceOpen_) return;
  Mix_HaltChannel(-1);
  Mix_CloseAudio();
  SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

std::shared_ptr<Sound> SdlAudio::makeSound(Pcm pcm, bool loops) {
  if (!deviceOpen_) return Audio::makeSound(std::move(pcm), loops);
  const bool matches = pcm.rate == deviceRate_ && pcm.channels == deviceChannels_ &&
                       deviceFormat_ == AUDIO_S16SYS;
  std::vector<uint8_t> converted;
  if (!matches && !convert(pcm, deviceFormat_, deviceChannels_, deviceRate_, converted))
    return Audio::makeSound(std::move(pcm), loops);  // stays silent rather than noisy
  return std::make_shared<SdlSound>(std::move(pcm), loops, std::move(converted));
}

Channel SdlAudio::allocChannel() {
  const Channel channel = static_cast<Channel>(playing_.size());
  playing_.emplace_back();
  if (deviceOpen_) {
    if (channel >= Mix_AllocateChannels(-1)) Mix_AllocateChannels(channel + 1);
    Mix_Volume(channel, kMixerMaxVolume);
  }
  return channel;
}

void SdlAudio::setChannelVolume(Channel channel, float volume) {
  if (!valid(channel) || !deviceOpen_) return;
  const float clamped = std::clamp(volume, 0.0f, 1.0f);
  Mix_Volume(channel, static_cast<int>(std::lround(clamped * kMixerMaxVolume)));
}

void SdlAudio::playSound(const std::shared_ptr<Sound>& sound, Channel channel) {
  if (!sound || !valid(channel)) return;
  if (deviceOpen_) Mix_HaltChannel(channel);  // the old sound may go once it is silent
  playing_[channel] = sound;
  auto* playable = dynamic_cast<SdlSound*>(sound.get());
  if (deviceOpen_ && playable && playable->chunk())
    Mix_PlayChannel(channel, playable->chunk(), sound->loops() ? -1 : 0);
}

Channel SdlAudio::playSoundFresh(const std::shared_ptr<Sound>& sound) {
  const Channel channel = allocChannel();
  playSound(sound, channel);
  return channel;
}

bool SdlAudio::isPlaying(Channel channel) const {
  return deviceOpen_ && valid(channel) && Mix_Playing(channel) != 0;
}

bool SdlAudio::isPlaying(Channel channel, const Sound& sound) const {
  auto* playable = dynamic_cast<const SdlSound*>(&sound);
  return playable && isPlaying(channel) && Mix_GetChunk(channel) == playable->chunk();
}

int SdlAudio::mixerVolume(Channel channel) const {
  return deviceOpen_ && valid(channel) ? Mix_Volume(channel, -1) : 0;
}

}  // namespace platform
