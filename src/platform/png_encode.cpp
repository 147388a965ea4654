#include "platform/png_encode.h"

#include <png.h>

namespace platform {
namespace {

void appendToVector(png_structp png, png_bytep data, png_size_t count) {
  auto* out = static_cast<std::vector<uint8_t>*>(png_get_io_ptr(png));
  out->insert(out->end(), data, data + count);
}

void flushNothing(png_structp) {}

void recordError(png_structp png, png_const_charp message) {
  *static_cast<std::string*>(png_get_error_ptr(png)) = message;
  png_longjmp(png, 1);
}

// Everything libpng may longjmp out of; all state lives in the caller.
bool writePicture(png_structp png, png_infop info, const Pixels& pixels, bool withAlpha,
                  std::vector<uint8_t>& bytes, std::vector<uint8_t>& row) {
  if (setjmp(png_jmpbuf(png)) != 0) return false;
  png_set_write_fn(png, &bytes, appendToVector, flushNothing);
  png_set_IHDR(png, info, pixels.width, pixels.height, 8,
               withAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
               PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
  png_set_compression_level(png, 9);
  png_write_info(png, info);
  for (int y = 0; y < pixels.height; ++y) {
    const uint8_t* src = pixels.at(0, y);
    size_t n = 0;
    for (int x = 0; x < pixels.width; ++x, src += 4) {
      row[n++] = src[0];
      row[n++] = src[1];
      row[n++] = src[2];
      if (withAlpha) row[n++] = src[3];
    }
    png_write_row(png, row.data());
  }
  png_write_end(png, nullptr);
  return true;
}

}  // namespace

bool encodePng(const Pixels& pixels, bool withAlpha, std::vector<uint8_t>& out,
               std::string& error) {
  if (pixels.width <= 0 || pixels.height <= 0 ||
      pixels.rgba.size() != static_cast<size_t>(pixels.width) * pixels.height * 4) {
    error = "bad picture size";
    return false;
  }
  std::string message = "PNG encoding failed";
  png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &message, recordError, nullptr);
  png_infop info = png ? png_create_info_struct(png) : nullptr;
  if (!info) {
    png_destroy_write_struct(&png, nullptr);
    error = "out of memory";
    return false;
  }
  std::vector<uint8_t> bytes;
  std::vector<uint8_t> row(static_cast<size_t>(pixels.width) * 4);
  const bool ok = writePicture(png, info, pixels, withAlpha, bytes, row);
  png_destroy_write_struct(&png, &info);
  if (!ok) {
    error = message;
    return false;
  }
  out = std::move(bytes);
  return true;
}

}  // namespace platform
