// The bridge from the assembler's .incbin blobs to the resource registry. The
// symbol list is generated with the blobs, so the two never disagree.
#include <cstdint>

#include "shell/catalogue.h"

#define QM_ASSET(sym, file) \
  extern "C" const uint8_t qm_asset_##sym##_start[]; \
  extern "C" const uint8_t qm_asset_##sym##_end[];
#include "embedded_assets.inc"
#undef QM_ASSET

namespace shell {

bool registerAssets(platform::Resources& resources) {
  bool all = true;
#define QM_ASSET(sym, file)                                                        \
  all &= resources.add(file, qm_asset_##sym##_start,                               \
                       static_cast<size_t>(qm_asset_##sym##_end - qm_asset_##sym##_start));
#include "embedded_assets.inc"
#undef QM_ASSET
  return all;
}

}  // namespace shell
