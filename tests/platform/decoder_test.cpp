// The picture and sound decoders given damaged bytes: each must fail cleanly
// with a reason, never crash and never read outside what it was given (the
// sanitizer build checks the last part).
#include <gtest/gtest.h>

#include <cstdint>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "platform/audio.h"
#include "platform/image.h"
#include "platform/png_encode.h"

namespace {

using ByteVector = std::vector<uint8_t>;

ByteVector readAsset(const std::string& name) {
  std::ifstream in(std::string(QM_SOURCE_DIR) + "/assets/" + name, std::ios::binary);
  return ByteVector(std::istreambuf_iterator<char>(in), {});
}

ByteVector samplePng() {
  platform::Pixels p(9, 18);
  for (int y = 0; y < p.height; ++y)
    for (int x = 0; x < p.width; ++x) {
      uint8_t* px = p.at(x, y);
      px[0] = static_cast<uint8_t>(x * 20), px[1] = static_cast<uint8_t>(y * 10), px[2] = 90;
      px[3] = (x + y) % 3 ? 255 : 0;
    }
  ByteVector png;
  std::string error;
  EXPECT_TRUE(platform::encodePng(p, true, png, error)) << error;
  return png;
}

// Damaged copies of good bytes: cut short at several points, and single bits flipped across the whole file.
std::vector<std::pair<std::string, ByteVector>> damagedCopies(const ByteVector& good, size_t flipStride) {
  std::vector<std::pair<std::string, ByteVector>> out;
  out.push_back({"empty", {}});
  for (size_t keep : {size_t{1}, size_t{7}, size_t{8}, size_t{33}, good.size() / 2, good.size() - 1})
    if (keep < good.size()) out.push_back({"cut to " + std::to_string(keep), ByteVector(good.begin(), good.begin() + keep)});
  for (size_t at = 0; at < good.size(); at += flipStride) {
    ByteVector flipped = good;
    flipped[at] ^= static_cast<uint8_t>(1u << (at % 8));
    out.push_back({"bit flipped at " + std::to_string(at), std::move(flipped)});
  }
  return out;
}

TEST(DecodePng, GoodBytesRoundTrip) {
  platform::Pixels pixels;
  std::string error;
  ASSERT_TRUE(platform::decodePng(samplePng(), pixels, error)) << error;
  EXPECT_EQ(pixels.width, 9);
  EXPECT_EQ(pixels.height, 18);
  EXPECT_EQ(pixels.at(2, 3)[0], 40);
  EXPECT_EQ(pixels.at(0, 0)[3], 0);
}

TEST(DecodePng, DamagedBytesFailWithAReasonOrDecodeToTheRightSize) {
  for (auto& [what, bytes] : damagedCopies(samplePng(), 3)) {
    // Exact-size heap copies, so that any read past the end is caught by the sanitizer build.
    std::vector<uint8_t> exact(bytes.begin(), bytes.end());
    platform::Pixels pixels;
    std::string error;
    if (platform::decodePng(exact, pixels, error)) {
      // A flip inside pixel data that zlib cannot notice may still decode: never to a wrong size.
      EXPECT_EQ(static_cast<size_t>(pixels.width) * pixels.height * 4, pixels.rgba.size()) << what;
    } else {
      EXPECT_FALSE(error.empty()) << what;
    }
  }
}

TEST(DecodeOgg, BytesThatAreNoSoundFailWithAReason) {
  const std::vector<std::pair<std::string, ByteVector>> cases = {
      {"empty", {}},
      {"text", ByteVector{'h', 'e', 'l', 'l', 'o'}},
      {"a bare page marker", ByteVector{'O', 'g', 'g', 'S'}},
      {"a picture", samplePng()},
  };
  for (const auto& [what, bytes] : cases) {
    platform::Pcm pcm;
    std::string error;
    EXPECT_FALSE(platform::decodeOgg(bytes, pcm, error)) << what;
    EXPECT_FALSE(error.empty()) << what;
    EXPECT_TRUE(pcm.samples.empty()) << what;
  }
}

TEST(DecodeOgg, DamagedChimeFailsCleanlyOrDecodesStereo) {
  const ByteVector good = readAsset("fx1.ogg");
  ASSERT_FALSE(good.empty()) << "assets/fx1.ogg is missing";
  for (auto& [what, bytes] : damagedCopies(good, good.size() / 40)) {
    std::vector<uint8_t> exact(bytes.begin(), bytes.end());
    for (int parts : {1, 2}) {  // one pass, and two halves read by two decoders at once
      platform::Pcm pcm;
      std::string error;
      if (platform::decodeOgg(exact, pcm, error, parts)) {
        // Vorbis skips a damaged packet and carries on: what decodes is still whole frames of the right shape.
        EXPECT_EQ(pcm.channels, 2) << what << ", parts " << parts;
        EXPECT_EQ(pcm.samples.size() % 2, 0u) << what << ", parts " << parts;
      } else {
        EXPECT_FALSE(error.empty()) << what << ", parts " << parts;
      }
    }
  }
}

// The music decodes in two halves on two cores; the halves must join into
// exactly the samples one pass gives, with nothing doubled or lost at the seam.
TEST(DecodeOgg, TwoHalvesGiveExactlyWhatOnePassGives) {
  for (const char* name : {"fx1.ogg", "track1.ogg"}) {
    const ByteVector bytes = readAsset(name);
    ASSERT_FALSE(bytes.empty()) << name;
    platform::Pcm whole, halves;
    std::string error;
    ASSERT_TRUE(platform::decodeOgg(bytes, whole, error, 1)) << name << ": " << error;
    ASSERT_TRUE(platform::decodeOgg(bytes, halves, error, 2)) << name << ": " << error;
    EXPECT_EQ(halves.channels, whole.channels) << name;
    EXPECT_EQ(halves.rate, whole.rate) << name;
    ASSERT_EQ(halves.samples.size(), whole.samples.size()) << name;
    EXPECT_TRUE(halves.samples == whole.samples) << name;
  }
}

}  // namespace
