// Our stable, adaptive sort for the world list.
//
// The meadow is sorted every frame, and from one frame to the next it hardly
// changes: survivors keep their order, a few objects drift past neighbours
// and a few new ones wait at the end. So the sort works on a compact array of
// 64-bit sort codes, each an item's depth (as an order-keeping unsigned
// number) above its position in the list, rather than chasing each object for
// its depth again and again. Codes are all different, and ordering them is
// ordering by depth with ties kept in list order: stability comes free.
//
// One pass lays the codes down in order. A code larger than the last one
// laid joins the end; one that belongs just a little way back (a drifting
// object) is slid into place; one that belongs far back (a newcomer, a fast
// mover) is set aside as a stray. The strays, few on a nearly sorted list,
// are sorted alone and merged in while the items are moved to their places.
// So a list already in order costs one pass, a nearly sorted one little more,
// and a shuffled one (almost everything a stray) an ordinary O(n log n) sort.
//
// Items are then moved (not copied) into their new places, so sorting shared
// pointers costs no reference-count traffic. Scratch arrays are kept between
// calls: no allocation once warm.
#pragma once
#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <utility>
#include <vector>

template <class Item>
class DepthSorter {
 public:
  // Sorts `items` ascending by keyOf(item) (a float), keeping equal keys in order.
  template <class KeyOf>
  void sort(std::vector<Item>& items, KeyOf keyOf) {
    layDownInOrder(items, keyOf);
    if (strays_.empty()) {
      permute(items);
    } else {
      std::sort(strays_.begin(), strays_.end());
      permuteMergingStrays(items);
    }
  }

 private:
  using Code = uint64_t;  // order-keeping depth bits << 32 | position in the list

  // How far back a code may be slid into place before it counts as a stray.
  static constexpr std::size_t kMaxSlide = 16;
  // Items whose depth is fetched ahead of the one being read (they lie scattered in memory).
  static constexpr std::size_t kPrefetchAhead = 48;

  // The float's bits made an unsigned number in the same order: negatives
  // flipped whole, positives above them. Adding 0 first makes -0 into +0, so
  // the two zeros stay equal as they are for floats.
  static uint32_t orderedBits(float key) {
    const uint32_t bits = std::bit_cast<uint32_t>(key + 0.0f);
    return (bits & 0x80000000u) ? ~bits : (bits | 0x80000000u);
  }
  static uint32_t positionOf(Code code) { return static_cast<uint32_t>(code); }

  // Asks for the object a pointer-like item points at; other items hold their key.
  static void prefetch(const Item& item) {
    if constexpr (std::is_pointer_v<Item>) {
      __builtin_prefetch(item);
    } else if constexpr (requires { item.operator->(); }) {
      __builtin_prefetch(item.operator->());
    }
  }

  static Code codeOf(float key, std::size_t position) {
    return static_cast<Code>(orderedBits(key)) << 32 | static_cast<uint32_t>(position);
  }

  // Leaves codes_ holding the items' codes that are in order and strays_ the others.
  template <class KeyOf>
  void layDownInOrder(const std::vector<Item>& items, KeyOf keyOf) {
    const std::size_t n = items.size();
    codes_.resize(n);
    strays_.clear();
    std::size_t laid = 0;
    for (std::size_t i = 0; i < n; ++i) {
      if (i + kPrefetchAhead < n) prefetch(items[i + kPrefetchAhead]);
      const Code code = codeOf(keyOf(items[i]), i);
      if (laid == 0 || codes_[laid - 1] < code) {
        codes_[laid++] = code;
        continue;
      }
      const std::size_t reach = laid < kMaxSlide ? laid : kMaxSlide;
      std::size_t at = laid - 1;  // codes_[at] > code here
      while (at > laid - reach && code < codes_[at - 1]) --at;
      if (at > 0 && code < codes_[at - 1]) {
        strays_.push_back(code);
        continue;
      }
      std::move_backward(codes_.begin() + at, codes_.begin() + laid, codes_.begin() + laid + 1);
      codes_[at] = code;
      ++laid;
    }
    codes_.resize(laid);
  }

  // Puts the items in the order of codes_, moving each once; nothing to do when none moved.
  void permute(std::vector<Item>& items) {
    std::size_t firstMoved = 0;
    while (firstMoved < codes_.size() && positionOf(codes_[firstMoved]) == firstMoved) ++firstMoved;
    if (firstMoved == codes_.size()) return;
    moved_.resize(items.size());
    std::size_t out = 0;
    for (const Code code : codes_) moved_[out++] = std::move(items[positionOf(code)]);
    items.swap(moved_);
  }

  // Puts the items in the order of codes_ and the sorted strays_ merged, in
  // the same pass that merges them.
  void permuteMergingStrays(std::vector<Item>& items) {
    moved_.resize(items.size());
    std::size_t out = 0;
    auto take = [&](Code code) { moved_[out++] = std::move(items[positionOf(code)]); };
    std::size_t laid = 0, stray = 0;
    while (laid < codes_.size() && stray < strays_.size())
      take(strays_[stray] < codes_[laid] ? strays_[stray++] : codes_[laid++]);
    while (laid < codes_.size()) take(codes_[laid++]);
    while (stray < strays_.size()) take(strays_[stray++]);
    items.swap(moved_);
  }

  std::vector<Code> codes_;
  std::vector<Code> strays_;
  // The items' new order is gathered here and swapped in; what it then holds
  // is the old array, every item moved out (empty pointers), kept for reuse.
  std::vector<Item> moved_;
};
