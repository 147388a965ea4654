// Ogg Vorbis decoding with libvorbisfile, reading from memory, whole sound at once.
#include <vorbis/vorbisfile.h>

#include <algorithm>
#include <cstring>
#include <future>
#include <thread>

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
// Sounds at least this long (frames) decode in two halves on two cores when
// the machine has them: the music then takes half the time before the title.
constexpr ogg_int64_t kSplitFrames = 44100 * 10;

// One decoder with its own cursor over the bytes; several may read the same bytes at once.
class VorbisReader {
 public:
  explicit VorbisReader(Bytes bytes) : stream_{bytes} {
    const ov_callbacks callbacks{readStream, seekStream, nullptr, tellStream};
    opened_ = ov_open_callbacks(&stream_, &file_, nullptr, 0, callbacks) == 0;
  }
  ~VorbisReader() {
    if (opened_) ov_clear(&file_);
  }
  VorbisReader(const VorbisReader&) = delete;
  VorbisReader& operator=(const VorbisReader&) = delete;

  bool opened() const { return opened_; }
  OggVorbis_File& file() { return file_; }

 private:
  MemoryStream stream_;  // libvorbisfile keeps its address
  OggVorbis_File file_;
  bool opened_ = false;
};

// Appends 16-bit samples from the reader's position until `limit` frames have
// been read or the stream ends.
bool readFrames(OggVorbis_File& file, int channels, size_t limit, std::vector<int16_t>& out,
                std::string& error) {
  char buffer[16384];
  int section = 0;
  const size_t sampleLimit = limit * channels;
  while (out.size() < sampleLimit) {
    const long got = ov_read(&file, buffer, sizeof buffer, 0, 2, 1, &section);
    if (got == 0) return true;
    if (got < 0) {
      error = "damaged Ogg Vorbis data";
      return false;
    }
    const vorbis_info* now = ov_info(&file, section);
    if (!now || now->channels != channels) {
      error = "the channel count changes mid-stream";
      return false;
    }
    const size_t samples = std::min(static_cast<size_t>(got) / 2, sampleLimit - out.size());
    const size_t at = out.size();
    out.resize(at + samples);
    std::memcpy(out.data() + at, buffer, samples * 2);
  }
  return true;
}

// The second half on another thread, from a reader of its own that seeks to
// the middle; the first half here. Vorbis seeks to the exact sample, so the
// halves join into exactly what one pass would give. False (nothing lost: the
// caller decodes in one pass) if either half comes out short or damaged.
bool decodeInTwo(Bytes bytes, OggVorbis_File& first, int channels, ogg_int64_t total,
                 std::vector<int16_t>& out) {
  const ogg_int64_t half = total / 2;
  auto secondHalf = std::async(std::launch::async, [bytes, channels, total, half] {
    std::vector<int16_t> samples;
    std::string ignored;
    VorbisReader reader(bytes);
    const bool ok = reader.opened() && ov_pcm_seek(&reader.file(), half) == 0 &&
                    readFrames(reader.file(), channels, static_cast<size_t>(total - half), samples, ignored);
    return ok ? samples : std::vector<int16_t>{};
  });
  std::string ignored;
  const bool firstOk = readFrames(first, channels, static_cast<size_t>(half), out, ignored);
  std::vector<int16_t> second = secondHalf.get();
  if (!firstOk || out.size() != static_cast<size_t>(half) * channels ||
      second.size() != static_cast<size_t>(total - half) * channels) {
    return false;
  }
  out.insert(out.end(), second.begin(), second.end());
  return true;
}

bool wantsTwoParts(OggVorbis_File& file, int parts) {
  if (parts == 1 || !ov_seekable(&file) || ov_streams(&file) != 1) return false;
  const ogg_int64_t total = ov_pcm_total(&file, -1);
  if (total < 2 || static_cast<size_t>(total) > kMaxFrames) return false;
  return parts == 2 || (total >= kSplitFrames && std::thread::hardware_concurrency() > 1);
}

}  // namespace

bool decodeOgg(Bytes bytes, Pcm& out, std::string& error, int parts) {
  VorbisReader reader(bytes);
  if (!reader.opened()) {
    error = "not an Ogg Vorbis sound";
    return false;
  }
  const vorbis_info* info = ov_info(&reader.file(), -1);
  if (!info || info->channels <= 0 || info->channels > kMaxChannels || info->rate <= 0 ||
      info->rate > kMaxRate) {
    error = "unsupported channel count or sample rate";
    return false;
  }
  Pcm pcm;
  pcm.channels = info->channels;
  pcm.rate = static_cast<int>(info->rate);
  bool ok = wantsTwoParts(reader.file(), parts) &&
            decodeInTwo(bytes, reader.file(), pcm.channels, ov_pcm_total(&reader.file(), -1), pcm.samples);
  if (!ok) {
    pcm.samples.clear();
    VorbisReader again(bytes);  // from the start, in one pass
    ok = again.opened() && readFrames(again.file(), pcm.channels, kMaxFrames + 1, pcm.samples, error);
    if (!again.opened()) error = "not an Ogg Vorbis sound";
  }
  if (ok && pcm.frames() > kMaxFrames) {
    ok = false;
    error = "sound too long";
  }
  if (ok && pcm.samples.empty()) {
    ok = false;
    error = "the sound holds no samples";
  }
  if (!ok) return false;
  out = std::move(pcm);
  return true;
}

DecodedSound decodeSound(const Resources& resources, std::string_view name) {
  DecodedSound decoded;
  auto bytes = resources.open(name);
  std::string why;
  if (!bytes) {
    decoded.error = std::string(name) + ": no such resource";
  } else if (!decodeOgg(*bytes, decoded.pcm, why)) {
    decoded.error = std::string(name) + ": " + why;
  }
  return decoded;
}

std::shared_ptr<Sound> Audio::adoptSound(DecodedSound decoded, int flags, std::string& error) {
  if (!decoded.error.empty()) {
    error = std::move(decoded.error);
    return nullptr;
  }
  return makeSound(std::move(decoded.pcm), (flags & kSoundLoops) != 0);
}

std::shared_ptr<Sound> Audio::loadSound(const Resources& resources, std::string_view name,
                                        int flags, std::string& error) {
  return adoptSound(decodeSound(resources, name), flags, error);
}

}  // namespace platform
