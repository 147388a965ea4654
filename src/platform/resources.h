// The embedded-resource registry: data carried inside the program, opened by file name.
#pragma once
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace platform {

using Bytes = std::span<const uint8_t>;

class Resources {
 public:
  // Adds `name` -> bytes (not copied: they must outlive the registry).
  // A name already registered is refused and the first entry stays.
  bool add(std::string_view name, const uint8_t* bytes, size_t count);
  // The registered bytes, or nothing for a name never registered (exact match, case included).
  std::optional<Bytes> open(std::string_view name) const;
  size_t size() const { return entries_.size(); }

 private:
  struct Entry {
    std::string name;
    Bytes bytes;
  };
  std::vector<Entry> entries_;  // registration order; fifteen entries, so a scan is fine
};

}  // namespace platform
