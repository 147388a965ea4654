// Channels and sounds on the mixer, with SDL's dummy audio driver.
#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <memory>
#include <string>
#include <thread>

#include "platform/sdl/sdl_audio.h"

using namespace platform;

namespace {

// Lets a test make sounds from samples it synthesises itself.
class MixerAudio : public SdlAudio {
 public:
  using SdlAudio::SdlAudio;
  std::shared_ptr<Sound> tone(double seconds, int rate, int channels, bool loops) {
    Pcm pcm;
    pcm.rate = rate;
    pcm.channels = channels;
    const size_t frames = static_cast<size_t>(seconds * rate);
    for (size_t i = 0; i < frames; ++i)
      for (int c = 0; c < channels; ++c)
        pcm.samples.push_back(static_cast<int16_t>(8000 * std::sin(i * 0.05)));
    return makeSound(std::move(pcm), loops);
  }
};

// Waits, within a generous bound, for the mixer to reach a state; the bound only stops a hang.
template <typename Condition>
bool eventually(Condition condition) {
  for (int i = 0; i < 300 && !condition(); ++i) std::this_thread::sleep_for(std::chrono::milliseconds(10));
  return condition();
}

class SdlAudioTest : public ::testing::Test {
 protected:
  void SetUp() override {
    setenv("SDL_AUDIODRIVER", "dummy", 0);
    audio_ = std::make_unique<MixerAudio>(true);
    ASSERT_TRUE(audio_->deviceOpen());
  }
  std::unique_ptr<MixerAudio> audio_;
};

}  // namespace

TEST_F(SdlAudioTest, ChannelsAreNewIndicesBeyondTheMixersDefaultCount) {
  for (Channel expected = 0; expected < 12; ++expected) EXPECT_EQ(audio_->allocChannel(), expected);
  auto sound = audio_->tone(1.0, 44100, 2, false);
  audio_->playSound(sound, 11);
  EXPECT_TRUE(audio_->isPlaying(11, *sound));
  EXPECT_FALSE(audio_->isPlaying(10));
}

TEST_F(SdlAudioTest, VolumeMapsOntoTheMixerScaleAndStaysAcrossPlays) {
  const Channel channel = audio_->allocChannel();
  EXPECT_EQ(audio_->mixerVolume(channel), 128) << "a new channel plays at full volume";
  struct Case {
    float volume;
    int mixer;
  } cases[] = {{0.0f, 0}, {0.07f, 9}, {0.15f, 19}, {0.3f, 38}, {1.0f, 128}, {1.5f, 128}, {-1.0f, 0}};
  for (const Case& c : cases) {
    audio_->setChannelVolume(channel, c.volume);
    EXPECT_EQ(audio_->mixerVolume(channel), c.mixer) << c.volume;
  }
  audio_->setChannelVolume(channel, 0.3f);
  audio_->playSound(audio_->tone(0.5, 44100, 2, false), channel);
  EXPECT_EQ(audio_->mixerVolume(channel), 38);
}

TEST_F(SdlAudioTest, AFreshLoopPlaysOnAfterItsLengthAndAfterTheGameLetsGo) {
  const Channel held = audio_->allocChannel();
  auto once = audio_->tone(0.05, 44100, 2, false);
  Channel loop;
  {
    auto music = audio_->tone(0.05, 22050, 1, true);  // also needs converting to the device
    loop = audio_->playSoundFresh(music);
  }
  EXPECT_EQ(loop, held + 1);
  audio_->playSound(once, held);
  ASSERT_TRUE(eventually([&] { return !audio_->isPlaying(held); })) << "a sound played once ends";
  EXPECT_TRUE(audio_->isPlaying(loop)) << "the loop outlives its length and its last holder";
}

TEST_F(SdlAudioTest, PlayingOnAChannelReplacesOrRestartsWhatItPlays) {
  const Channel channel = audio_->allocChannel();
  auto first = audio_->tone(2.0, 44100, 2, false);
  auto second = audio_->tone(2.0, 44100, 2, false);
  auto blip = audio_->tone(0.02, 44100, 2, false);
  audio_->playSound(first, channel);
  audio_->playSound(second, channel);
  EXPECT_TRUE(audio_->isPlaying(channel, *second));
  EXPECT_FALSE(audio_->isPlaying(channel, *first));
  audio_->playSound(blip, channel);
  ASSERT_TRUE(eventually([&] { return !audio_->isPlaying(channel); }));
  audio_->playSound(blip, channel);
  EXPECT_TRUE(audio_->isPlaying(channel, *blip)) << "a finished sound starts again from its beginning";
}

TEST(SdlAudioWithoutDevice, ChannelsAndSoundsExistAndStaySilent) {
  struct Case {
    const char* what;
    bool open;
    const char* driver;
  } cases[] = {{"not asked to open", false, "dummy"}, {"no such driver", true, "no-such-driver"}};
  for (const Case& c : cases) {
    const char* before = std::getenv("SDL_AUDIODRIVER");
    const std::string saved = before ? before : "";
    setenv("SDL_AUDIODRIVER", c.driver, 1);
    MixerAudio audio(c.open);
    if (before) setenv("SDL_AUDIODRIVER", saved.c_str(), 1); else unsetenv("SDL_AUDIODRIVER");
    EXPECT_FALSE(audio.deviceOpen()) << c.what;
    EXPECT_EQ(audio.allocChannel(), 0) << c.what;
    auto sound = audio.tone(0.1, 44100, 2, true);
    ASSERT_NE(sound, nullptr) << c.what;
    EXPECT_EQ(sound->pcm().frames(), 4410u) << c.what;
    audio.setChannelVolume(0, 0.5f);
    audio.playSound(sound, 0);
    EXPECT_EQ(audio.playSoundFresh(sound), 1) << c.what;
    EXPECT_FALSE(audio.isPlaying(0)) << c.what;
  }
}
