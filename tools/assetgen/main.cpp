// quillmoor-assetgen [ASSET_DIR [DOCS_DIR]]: writes the fifteen asset files and the contact sheet.
#include <cstdio>
#include <fstream>
#include <string>

#include "platform/png_encode.h"
#include "tools/assetgen/assetgen.h"

namespace {

bool writeFile(const std::string& path, const std::vector<uint8_t>& bytes) {
  std::ofstream out(path, std::ios::binary);
  out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
  return static_cast<bool>(out);
}

bool writePicture(const std::string& path, const platform::Pixels& pixels, bool withAlpha) {
  std::vector<uint8_t> png;
  std::string error;
  if (!platform::encodePng(pixels, withAlpha, png, error)) {
    std::fprintf(stderr, "quillmoor-assetgen: %s: %s\n", path.c_str(), error.c_str());
    return false;
  }
  return writeFile(path, png);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string assets = argc > 1 ? argv[1] : "assets";
  const std::string docs = argc > 2 ? argv[2] : "docs";

  std::vector<assetgen::PictureFile> pictures;
  pictures.push_back({"title.png", assetgen::paintTitle(), false, 256, 192});
  for (auto& sprite : assetgen::paintSprites()) pictures.push_back(std::move(sprite));

  bool ok = true;
  for (const auto& p : pictures) ok &= writePicture(assets + "/" + p.name, p.pixels, p.withAlpha);
  for (const auto& s : assetgen::composeSounds()) ok &= writeFile(assets + "/" + s.name, s.bytes);
  ok &= writePicture(docs + "/assets.png", assetgen::contactSheet(pictures), false);
  if (!ok) {
    std::fprintf(stderr, "quillmoor-assetgen: could not write every file\n");
    return 1;
  }
  return 0;
}
