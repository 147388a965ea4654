// PNG decoding with libpng, reading from memory. libpng reports errors by
// longjmp, so everything that must be freed lives outside the setjmp frame.
#include <png.h>

#include <cstring>

#include "platform/image.h"

namespace platform {
namespace {

struct MemoryReader {
  Bytes bytes;
  size_t offset = 0;
};

void readFromMemory(png_structp png, png_bytep out, png_size_t count) {
  auto* reader = static_cast<MemoryReader*>(png_get_io_ptr(png));
  if (count > reader->bytes.size() - reader->offset) png_error(png, "the data ends early");
  std::memcpy(out, reader->bytes.data() + reader->offset, count);
  reader->offset += count;
}

void recordError(png_structp png, png_const_charp message) {
  auto* error = static_cast<std::string*>(png_get_error_ptr(png));
  *error = message;
  png_longjmp(png, 1);
}

void ignoreWarning(png_structp, png_const_charp) {}

constexpr uint32_t kMaxSide = 4096;  // far beyond any picture of ours; refuses absurd headers

// Everything libpng may longjmp out of; all state lives in the caller.
bool readPicture(png_structp png, png_infop info, MemoryReader& reader, Pixels& pixels,
                 std::vector<png_bytep>& rows) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_set_read_fn(png, &reader, readFromMemory);
  png_set_user_limits(png, kMaxSide, kMaxSide);
  png_read_info(png, info);
  png_set_expand(png);
  png_set_strip_16(png);
  png_set_gray_to_rgb(png);
  png_set_add_alpha(png, 0xff, PNG_FILLER_AFTER);
  png_set_interlace_handling(png);
  png_read_update_info(png, info);
  const int w = static_cast<int>(png_get_image_width(png, info));
  const int h = static_cast<int>(png_get_image_height(png, info));
  if (png_get_rowbytes(png, info) != static_cast<size_t>(w) * 4) png_error(png, "unexpected pixel layout");
  pixels = Pixels(w, h);
  rows.resize(h);
  for (int y = 0; y < h; ++y) rows[y] = pixels.at(0, y);
  png_read_image(png, rows.data());
  png_read_end(png, nullptr);
  return true;
}

}  // namespace

bool decodePng(Bytes bytes, Pixels& out, std::string& error) {
  if (bytes.size() < 8 || png_sig_cmp(bytes.data(), 0, 8) != 0) {
    error = "not a PNG picture";
    return false;
  }
  std::string message = "bad PNG data";
  png_structp png =
      png_create_read_struct(PNG_LIBPNG_VER_STRING, &message, recordError, ignoreWarning);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_read_struct(&png, nullptr, nullptr);
    error = "out of memory";
    return false;
  }
  MemoryReader reader{bytes};
  Pixels pixels;
  std::vector<png_bytep> rows;
  const bool ok = readPicture(png, info, reader, pixels, rows);
  png_destroy_read_struct(&png, &info, nullptr);
  if (!ok) {
    error = message;
    return false;
  }
  out = std::move(pixels);
  return true;
}

}  // namespace platform
