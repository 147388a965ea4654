#include "platform/resources.h"

namespace platform {

bool Resources::add(std::string_view name, const uint8_t* bytes, size_t count) {
  if (open(name)) return false;
  entries_.push_back({std::string(name), Bytes(bytes, count)});
  return true;
}

std::optional<Bytes> Resources::open(std::string_view name) const {
  for (const Entry& e : entries_)
    if (e.name == name) return e.bytes;
  return std::nullopt;
}

}  // namespace platform
