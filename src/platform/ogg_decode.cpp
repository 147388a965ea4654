// Ogg Vorbis decoding with libvorbisfile, reading from memory, whole sound at once.
#include <vorbis/vorbisfile.h>

#include <cstring>

#include "platform/audio.h"

namespace platform {
namespace {

struct MemoryStream {
  Bytes bytes;
  size_t offset = 0;
};

size_t readStream(void* out, size_t size, size_t count, void* source) {
  auto* s = static_cast<MemoryStream*>(source);
  if (size == 0) return 0;
  size_t items = std::min(count, (s->bytes.size() - s->offset) / size);
  if (items == 0) return 0;  // also keeps an empty span's null data away from memcpy
  std::memcpy(out, s->bytes.data() + s->offset, items * size);
  s->offset += items * size;
  return items;
}

int seekStream(void* source, ogg_int64_t offset, int whence) {
  auto* s = static_cast<MemoryStream*>(source);
  ogg_int64_t base = whence == SEEK_SET ? 0
                     : whence == SEEK_CUR ? static_cast<ogg_int64_t>(s->offset)
                                          : static_cast<ogg_int64_t>(s->bytes.size());
  ogg_int64_t target = base + offset;
  if (target < 0 || target > static_cast<ogg_int64_t>(s->bytes.size())) return -1;
  s->offset = static_cast<size_t>(target);
  return 0;
}

long tellStream(void* source) { return static_cast<long>(static_cast<MemoryStream*>(source)->offset); }

constexpr int kMaxChannels = 8;
constexpr long kMaxRate = 192000;
constexpr size_t kMaxFrames = size_t{1} << 26;  // ~25 minutes at 44.1 kHz: refuses absurd streams

}  // namespace

bool decodeOgg(Bytes bytes, Pcm& out, std::string& error) {
  MemoryStream stream{bytes};
  ov_callbacks callbacks{readStream, seekStream, nullptr, tellStream};
  OggVorbis_File file;
  if (ov_open_callbacks(&stream, &file, nullptr, 0, callbacks) != 0) {
    error = "not an Ogg Vorbis sound";
    return false;
  }
  Pcm pcm;
  const vorbis_info* info = ov_info(&file, -1);
  bool ok = info && info->channels > 0 && info->channels <= kMaxChannels && info->rate > 0 &&
            info->rate <= kMaxRate;
  if (!ok) error = "unsupported channel count or sample rate";
  if (ok) {
    pcm.channels = info->channels;
    pcm.rate = static_cast<int>(info->rate);
    char buffer[16384];
    int section = 0;
    for (;;) {
      long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
      if (got == 0) break;
      if (got < 0) {
        ok = false;
        error = "damaged Ogg Vorbis data";
        break;
      }
      const vorbis_info* now = ov_info(&file, section);
      if (!now || now->channels != pcm.channels) {
        ok = false;
        error = "the channel count changes mid-stream";
        break;
      }
      const size_t samples = static_cast<size_t>(got) / 2;
      if ((pcm.samples.size() + samples) / pcm.channels > kMaxFrames) {
        ok = false;
        error = "sound too long";
        break;
      }
      const size_t at = pcm.samples.size();
      pcm.samples.resize(at + samples);
      std::memcpy(pcm.samples.data() + at, buffer, samples * 2);
    }
  }
  ov_clear(&file);
  if (ok && pcm.samples.empty()) {
    ok = false;
    error = "the sound holds no samples";
  }
  if (!ok) return false;
  out = std::move(pcm);
  return true;
}

std::shared_ptr<Sound> Audio::loadSound(const Resources& resources, std::string_view name,
                                        int flags, std::string& error) {
  auto bytes = resources.open(name);
  if (!bytes) {
    error = std::string(name) + ": no such resource";
    return nullptr;
  }
  Pcm pcm;
  std::string why;
  if (!decodeOgg(*bytes, pcm, why)) {
    error = std::string(name) + ": " + why;
    return nullptr;
  }
  return makeSound(std::move(pcm), (flags & kSoundLoops) != 0);
}

}  // namespace platform
