#include "shell_rig.h"

#include <gtest/gtest.h>
#include <vorbis/vorbisenc.h>

#include <cmath>

#include "platform/png_encode.h"
#include "platform/random.h"
#include "shell/rain.h"
#include "shell/startup.h"
#include "world/world.h"

namespace shelltest {
namespace {

constexpr int kOggRate = 44100;
constexpr int kOggFrames = 4410;  // 0.1 s is plenty for a stand-in
constexpr float kOggQuality = 0.1f;

void appendPages(ogg_stream_state& stream, std::vector<uint8_t>& out, bool flush) {
  ogg_page page;
  while (flush ? ogg_stream_flush(&stream, &page) : ogg_stream_pageout(&stream, &page)) {
    out.insert(out.end(), page.header, page.header + page.header_len);
    out.insert(out.end(), page.body, page.body + page.body_len);
  }
}

void writeHeaders(vorbis_dsp_state& dsp, ogg_stream_state& stream, std::vector<uint8_t>& out) {
  vorbis_comment comment;
  vorbis_comment_init(&comment);
  ogg_packet id, commentPacket, codebooks;
  vorbis_analysis_headerout(&dsp, &comment, &id, &commentPacket, &codebooks);
  ogg_stream_packetin(&stream, &id);
  ogg_stream_packetin(&stream, &commentPacket);
  ogg_stream_packetin(&stream, &codebooks);
  appendPages(stream, out, true);
  vorbis_comment_clear(&comment);
}

void feedTone(vorbis_dsp_state& dsp) {
  float** buffer = vorbis_analysis_buffer(&dsp, kOggFrames);
  for (int i = 0; i < kOggFrames; ++i) {
    const float s = 0.25f * std::sin(static_cast<float>(i) * 0.06f);
    buffer[0][i] = s;
    buffer[1][i] = -s;
  }
  vorbis_analysis_wrote(&dsp, kOggFrames);
  vorbis_analysis_wrote(&dsp, 0);  // end of stream
}

void drainPackets(vorbis_dsp_state& dsp, vorbis_block& block, ogg_stream_state& stream,
                  std::vector<uint8_t>& out) {
  while (vorbis_analysis_blockout(&dsp, &block) == 1) {
    vorbis_analysis(&block, nullptr);
    vorbis_bitrate_addblock(&block);
    ogg_packet packet;
    while (vorbis_bitrate_flushpacket(&dsp, &packet)) {
      ogg_stream_packetin(&stream, &packet);
      appendPages(stream, out, false);
    }
  }
  appendPages(stream, out, true);
}

// The test's own knowledge of the catalogue: names in order and pixel sizes
// (sounds have none), so a wrong grid in the game's table shows up here.
struct StandInFile {
  const char* name;
  int width, height;
  bool withAlpha;
};
constexpr StandInFile kStandIns[] = {
    {"title.png", 256, 192, false}, {"fx1.ogg", 0, 0, false},       {"track1.ogg", 0, 0, false},
    {"bee.png", 28, 3, true},       {"bee2.png", 16, 12, true},     {"cloud.png", 72, 24, true},
    {"seed.png", 1, 1, false},      {"tree.png", 644, 62, true},    {"flower01.png", 72, 18, true},
    {"flower02.png", 72, 18, true}, {"flower03.png", 72, 18, true}, {"flower04.png", 72, 18, true},
    {"tree2.png", 644, 496, true},  {"grass.png", 88, 8, true},     {"bush.png", 210, 12, true},
};

std::vector<uint8_t> standInPicture(const StandInFile& file) {
  platform::Pixels pixels(file.width, file.height);
  for (int y = 0; y < file.height; ++y)
    for (int x = 0; x < file.width; ++x) {
      uint8_t* p = pixels.at(x, y);
      p[0] = static_cast<uint8_t>(x * 7);
      p[1] = static_cast<uint8_t>(y * 13);
      p[2] = 90;
      p[3] = (!file.withAlpha || (x + y) % 3 != 0) ? 255 : 0;
    }
  std::vector<uint8_t> png;
  std::string error;
  EXPECT_TRUE(platform::encodePng(pixels, file.withAlpha, png, error)) << error;
  return png;
}

}  // namespace

std::vector<uint8_t> encodeStandInOgg() {
  vorbis_info info;
  vorbis_info_init(&info);
  EXPECT_EQ(vorbis_encode_init_vbr(&info, 2, kOggRate, kOggQuality), 0);
  vorbis_dsp_state dsp;
  vorbis_block block;
  vorbis_analysis_init(&dsp, &info);
  vorbis_block_init(&dsp, &block);
  ogg_stream_state stream;
  ogg_stream_init(&stream, 1);

  std::vector<uint8_t> out;
  writeHeaders(dsp, stream, out);
  feedTone(dsp);
  drainPackets(dsp, block, stream, out);

  ogg_stream_clear(&stream);
  vorbis_block_clear(&block);
  vorbis_dsp_clear(&dsp);
  vorbis_info_clear(&info);
  return out;
}

StandInAssets::StandInAssets() {
  const std::vector<uint8_t> ogg = encodeStandInOgg();
  for (const StandInFile& f : kStandIns)
    files_.emplace_back(f.name, f.width ? standInPicture(f) : ogg);
}

void StandInAssets::registerInto(platform::Resources& resources) const {
  for (const auto& [name, bytes] : files_) resources.add(name, bytes.data(), bytes.size());
}

void StandInAssets::replace(const std::string& name, std::vector<uint8_t> bytes) {
  for (auto& [n, b] : files_)
    if (n == name) b = std::move(bytes);
}

const StandInAssets& ShellRig::sharedAssets() {
  static const StandInAssets assets;
  return assets;
}

ShellRig::ShellRig(const StandInAssets& assets) : savedImageFlags_(platform::autoImageFlags()) {
  resetWorld();
  shell::resetRain();
  assets.registerInto(resources);
  screen.setRecording(true);
}

ShellRig::~ShellRig() {
  // The world must not outlive the screen, input and clock it was handed.
  resetWorld();
  shell::resetRain();
  platform::setAutoImageFlags(savedImageFlags_);
}

void ShellRig::startUpQuickly() {
  screen.afterFlip = [this](long presents) {
    if (presents == 1) input.pressKey(platform::kKeySpace), input.releaseKey(platform::kKeySpace);
  };
  std::string error;
  ASSERT_TRUE(shell::startUp(platform, error)) << error;
  screen.afterFlip = nullptr;
}

}  // namespace shelltest
