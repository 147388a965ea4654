// Ogg Vorbis encoding with libvorbisenc.
//
// How this works: the three Vorbis headers go out first, each flushed onto a
// page of its own; then the samples are handed to the analysis in blocks, and
// every finished packet goes into Ogg pages. Telling the analysis that zero
// more samples follow marks the end of the stream, which is what lets the
// encoder set the last page's granule position to the true sample count, so
// that a decoder trims the final block to exactly the frames we wrote.
#include "tools/assetgen/vorbis_encode.h"

#include <vorbis/vorbisenc.h>

#include <algorithm>

namespace assetgen {
namespace {

constexpr int kChannels = 2;
constexpr int kSerialNumber = 0x51554c4d;  // fixed, so every run writes the same bytes
constexpr size_t kBlockFrames = 1024;      // frames handed to the analysis at a time

void appendPage(const ogg_page& page, std::vector<uint8_t>& out) {
  out.insert(out.end(), page.header, page.header + page.header_len);
  out.insert(out.end(), page.body, page.body + page.body_len);
}

// The libvorbis and libogg state of one encoding, released however we leave.
struct Encoder {
  vorbis_info info;
  vorbis_comment comment;
  vorbis_dsp_state dsp;
  vorbis_block block;
  ogg_stream_state stream;
  bool analysing = false;

  Encoder() {
    vorbis_info_init(&info);
    vorbis_comment_init(&comment);
    ogg_stream_init(&stream, kSerialNumber);
  }
  ~Encoder() {
    ogg_stream_clear(&stream);
    if (analysing) {
      vorbis_block_clear(&block);
      vorbis_dsp_clear(&dsp);
    }
    vorbis_comment_clear(&comment);
    vorbis_info_clear(&info);
  }
  Encoder(const Encoder&) = delete;
  Encoder& operator=(const Encoder&) = delete;

  bool writeHeaders(std::vector<uint8_t>& out) {
    ogg_packet identity, comments, codebooks;
    if (vorbis_analysis_headerout(&dsp, &comment, &identity, &comments, &codebooks) != 0) {
      return false;
    }
    ogg_stream_packetin(&stream, &identity);
    ogg_stream_packetin(&stream, &comments);
    ogg_stream_packetin(&stream, &codebooks);
    ogg_page page;
    while (ogg_stream_flush(&stream, &page) != 0) appendPage(page, out);
    return true;
  }

  // Moves every packet the analysis has finished into pages.
  void drainPackets(std::vector<uint8_t>& out) {
    while (vorbis_analysis_blockout(&dsp, &block) == 1) {
      vorbis_analysis(&block, nullptr);
      vorbis_bitrate_addblock(&block);
      ogg_packet packet;
      while (vorbis_bitrate_flushpacket(&dsp, &packet) == 1) {
        ogg_stream_packetin(&stream, &packet);
        ogg_page page;
        while (ogg_stream_pageout(&stream, &page) != 0) appendPage(page, out);
      }
    }
  }
};

}  // namespace

bool encodeVorbis(const synth::StereoBuffer& sound, std::vector<uint8_t>& out, std::string& error) {
  Encoder enc;
  if (vorbis_encode_init(&enc.info, kChannels, synth::kSampleRate, -1, kVorbisNominalBitrate, -1) !=
      0) {
    error = "libvorbisenc refused 2 channels at 44100 Hz and the nominal bitrate";
    return false;
  }
  vorbis_analysis_init(&enc.dsp, &enc.info);
  vorbis_block_init(&enc.dsp, &enc.block);
  enc.analysing = true;

  std::vector<uint8_t> bytes;
  if (!enc.writeHeaders(bytes)) {
    error = "libvorbis could not write the stream headers";
    return false;
  }
  const size_t frames = sound.frames();
  for (size_t at = 0; at < frames; at += kBlockFrames) {
    const size_t count = std::min(kBlockFrames, frames - at);
    float** input = vorbis_analysis_buffer(&enc.dsp, static_cast<int>(count));
    std::copy_n(sound.left().begin() + at, count, input[0]);
    std::copy_n(sound.right().begin() + at, count, input[1]);
    vorbis_analysis_wrote(&enc.dsp, static_cast<int>(count));
    enc.drainPackets(bytes);
  }
  vorbis_analysis_wrote(&enc.dsp, 0);  // end of stream: the last granule position becomes `frames`
  enc.drainPackets(bytes);
  ogg_page page;
  while (ogg_stream_flush(&enc.stream, &page) != 0) appendPage(page, bytes);

  out = std::move(bytes);
  return true;
}

}  // namespace assetgen
