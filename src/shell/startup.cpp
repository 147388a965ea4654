// Start-up, step by step. The order matters and is kept as the game's
// contract: the title must be set before the screen opens, the music starts
// before the title is first drawn, input counts from the opening on (a key
// pressed while the sounds decode still ends the title), and the world's
// pictures exist before the first world object is made.
#include "shell/startup.h"

#include <future>

#include "platform/random.h"
#include "shell/catalogue.h"
#include "world/world.h"

namespace shell {

std::shared_ptr<platform::Image> titleImage;
std::shared_ptr<platform::Sound> fx1Sound;
std::shared_ptr<platform::Sound> track1Sound;
std::array<platform::Channel, kChimeChannelCount> chimeChannels{};

namespace {

constexpr std::string_view kWindowTitle = "Quillmoor";
constexpr int kOpenFlags = 0;  // nothing beyond the default double buffer
// Mipmapped, nearest-neighbour, no mask colour: hard pixels at any size.
constexpr int kStartupImageFlags = platform::kImageMipmapped;
constexpr float kTitleScale = 4.0f;  // 256 x 192 drawn four times over fills 1024 x 768
constexpr float kFadeStep = 0.03f;   // alpha per frame: 34 frames, a little over half a second
constexpr int kSoundPlaysOnce = 0;

constexpr platform::Rgb kTitleBackdrop{255, 255, 255};  // the fade ends in plain white
constexpr platform::Rgb kMeadowGround{240, 60, 150};    // shows wherever the world draws nothing

void setClearColour(platform::Screen& s, platform::Rgb c) { s.setClsColor(c.r, c.g, c.b); }

// The music is the slowest thing start-up decodes (88 seconds of it), so a
// second core decodes it from the moment start-up begins, while the screen
// opens and the title decodes. It is still whole, and playing, before the
// title is first drawn.
std::future<platform::DecodedSound> decodeMusicAside(const platform::Resources& resources) {
  return std::async(std::launch::async, [&resources] { return platform::decodeSound(resources, "track1.ogg"); });
}

bool loadSounds(platform::Platform& p, std::future<platform::DecodedSound>& music, std::string& error) {
  fx1Sound = p.audio.loadSound(p.resources, "fx1.ogg", kSoundPlaysOnce, error);
  if (!fx1Sound) return false;
  track1Sound = p.audio.adoptSound(music.get(), platform::kSoundLoops, error);
  if (!track1Sound) return false;
  // The music's channel is not kept: it plays, looping, until the program ends.
  p.audio.playSoundFresh(track1Sound);
  return true;
}

// Only the left button, Space, Enter and Z are asked, in that order; any
// other key (Escape included) keeps its hit count for later.
bool startRequested(platform::Input& input) {
  return input.mouseDown(platform::kMouseLeft) || input.keyHit(platform::kKeySpace) > 0 ||
         input.keyHit(platform::kKeyEnter) > 0 || input.keyHit(platform::kKeyZ) > 0;
}

void showTitle(platform::Platform& p) {
  do {
    p.screen.cls();
    p.screen.drawImage(*titleImage, 0, 0, 0);
    p.screen.flip(platform::kPaceToRefresh);
  } while (!startRequested(p.input));
}

// The last frame's alpha lands just below zero and shows plain white.
void fadeTitle(platform::Screen& screen) {
  float alpha = 1.0f;
  do {
    alpha = alpha - kFadeStep;
    screen.cls();
    screen.setAlpha(alpha);
    screen.drawImage(*titleImage, 0, 0, 0);
    screen.flip(platform::kPaceToRefresh);
  } while (alpha > 0);
}

bool openScreen(platform::Screen& screen, std::string& error) {
  screen.setTitle(kWindowTitle);
  return screen.open(kScreenWidth, kScreenHeight, kScreenDepth, kScreenHz, kOpenFlags, error);
}

}  // namespace

std::array<std::shared_ptr<platform::Image>*, kWorldPictureCount> worldPictureSlots() {
  return {&beeImage,      &bee2Image,     &seedImage,  &cloudImage, &flower01Image, &flower02Image,
          &flower03Image, &flower04Image, &tree2Image, &grassImage, &bushImage};
}

bool loadWorldPictures(const platform::Resources& r, std::string& error) {
  const auto slots = worldPictureSlots();
  for (int i = 0; i < kWorldPictureCount; ++i) {
    const ImageCut& cut = kWorldPictures[i];
    *slots[i] = cut.singleImage
                    ? platform::loadImage(r, cut.name, platform::kAutoFlags, error)
                    : platform::loadAnimImage(r, cut.name, cut.cellWidth, cut.cellHeight,
                                              cut.firstCell, cut.cellCount, platform::kAutoFlags, error);
    if (!*slots[i]) return false;
    // seed.png is the one picture drawn by its top-left corner.
    if (i != kSeedPicture) (*slots[i])->setHandle(cut.handleX, cut.handleY);
  }
  return true;
}

bool startUp(platform::Platform& p, std::string& error, const StartupOptions& options) {
  auto music = decodeMusicAside(p.resources);
  if (!openScreen(p.screen, error)) return false;
  platform::setAutoImageFlags(kStartupImageFlags);
  p.screen.hidePointer();
  p.screen.setOrigin(static_cast<float>(p.screen.width() / 2), static_cast<float>(p.screen.height() / 2));
  p.screen.setBlend(platform::kBlendAlpha);

  titleImage = platform::loadImage(p.resources, "title.png", platform::kAutoFlags, error);
  if (!titleImage || !loadSounds(p, music, error)) return false;
  for (platform::Channel& channel : chimeChannels) channel = p.audio.allocChannel();

  platform::seedRandom(static_cast<int32_t>(p.clock.millisecs()));
  if (options.seed) platform::seedRandom(*options.seed);

  titleImage->centreHandle();
  setClearColour(p.screen, kTitleBackdrop);
  p.screen.setScale(kTitleScale, kTitleScale);
  showTitle(p);
  fadeTitle(p.screen);
  p.screen.setAlpha(1.0f);

  if (!loadWorldPictures(p.resources, error)) return false;
  setClearColour(p.screen, kMeadowGround);
  return true;
}

}  // namespace shell
