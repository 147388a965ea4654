// Coverage-guided fuzzing of the two decoders that read the game's embedded
// pictures and sounds. Whatever the bytes, each must either decode or fail
// with a reason: no crash, no read outside the input (the sanitizers watch).
//
//   CC=clang CXX=clang++ cmake -S . -B build-fuzz -DQM_FUZZ=ON -DQM_BENCH=OFF
//   cmake --build build-fuzz --target quillmoor-fuzz-decoders
//   build-fuzz/tools/fuzz/quillmoor-fuzz-decoders -max_total_time=60 assets/
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/audio.h"
#include "platform/image.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const platform::Bytes bytes(data, size);
  std::string error;

  platform::Pixels pixels;
  if (platform::decodePng(bytes, pixels, error)) {
    if (pixels.rgba.size() != static_cast<size_t>(pixels.width) * pixels.height * 4) std::abort();
  } else if (error.empty()) {
    std::abort();  // a failure must say why
  }

  error.clear();
  platform::Pcm pcm;
  if (platform::decodeOgg(bytes, pcm, error)) {
    if (pcm.channels <= 0 || pcm.samples.size() % pcm.channels != 0) std::abort();
  } else if (error.empty()) {
    std::abort();
  }
  return 0;
}
