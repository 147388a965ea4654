// Our stable, adaptive sort for the world list.
//
// The meadow is sorted every frame, and from one frame to the next it hardly
// changes: survivors keep their order, a few objects drift past neighbours
// and a few new ones wait at the end. So the sort works on a compact array of
// (key, position) pairs rather than chasing each object for its depth again
// and again, and sorts that array in two tries:
//
//   1. insertion sort, which costs one pass plus one shift per displaced
//      neighbour: linear on a list already in order, cheap on one nearly so;
//   2. if the shifts run past a budget proportional to the list's length, a
//      natural merge sort (runs found, then merged pairwise) finishes the job
//      in O(n log n) at worst. The half-done insertion work is no loss: the
//      array still holds equal keys in their original order.
//
// Stability: an element only ever moves past a strictly greater key, and a
// merge takes from the left run on ties. Items are then moved (not copied)
// into their new places, so sorting shared pointers costs no reference-count
// traffic. Scratch arrays are kept between calls: no allocation once warm.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

template <class Item>
class DepthSorter {
 public:
  // Sorts `items` ascending by keyOf(item) (a float), keeping equal keys in order.
  template <class KeyOf>
  void sort(std::vector<Item>& items, KeyOf keyOf) {
    const std::size_t n = items.size();
    keys_.resize(n);
    for (std::size_t i = 0; i < n; ++i) keys_[i] = {keyOf(items[i]), static_cast<uint32_t>(i)};
    if (!insertionSortWithin(shiftBudget(n))) naturalMergeSort();
    permute(items);
  }

 private:
  struct Key {
    float key;
    uint32_t position;  // where the item stood before the sort
  };

  // Shifts allowed before giving up on insertion: a few per item.
  static constexpr std::size_t kShiftsPerItem = 8;
  static std::size_t shiftBudget(std::size_t n) { return kShiftsPerItem * n; }

  // True when keys_ ended up sorted within `budget` shifts.
  bool insertionSortWithin(std::size_t budget) {
    std::size_t shifts = 0;
    for (std::size_t i = 1; i < keys_.size(); ++i) {
      if (!(keys_[i].key < keys_[i - 1].key)) continue;
      const Key moving = keys_[i];
      std::size_t j = i;
      while (j > 0 && moving.key < keys_[j - 1].key) {
        keys_[j] = keys_[j - 1];
        --j;
        if (++shifts > budget) {
          keys_[j] = moving;  // leave the array a permutation, equal keys still in order
          return false;
        }
      }
      keys_[j] = moving;
    }
    return true;
  }

  // Ends of the ascending runs of keys_ (each run ends where the next begins).
  void findRuns() {
    runEnds_.clear();
    for (std::size_t i = 1; i < keys_.size(); ++i) {
      if (keys_[i].key < keys_[i - 1].key) runEnds_.push_back(i);
    }
    runEnds_.push_back(keys_.size());
  }

  // Merges from[lo, mid) and from[mid, hi) into to[lo, hi); ties come from the left.
  static void merge(const std::vector<Key>& from, std::vector<Key>& to, std::size_t lo,
                    std::size_t mid, std::size_t hi) {
    std::size_t a = lo, b = mid, out = lo;
    while (a < mid && b < hi) to[out++] = (from[b].key < from[a].key) ? from[b++] : from[a++];
    while (a < mid) to[out++] = from[a++];
    while (b < hi) to[out++] = from[b++];
  }

  void naturalMergeSort() {
    findRuns();
    buffer_.resize(keys_.size());
    while (runEnds_.size() > 1) {
      std::size_t start = 0, kept = 0;
      for (std::size_t r = 0; r < runEnds_.size(); r += 2) {
        if (r + 1 < runEnds_.size()) {
          merge(keys_, buffer_, start, runEnds_[r], runEnds_[r + 1]);
          start = runEnds_[r + 1];
        } else {  // an odd run out carries over as it is
          for (std::size_t i = start; i < runEnds_[r]; ++i) buffer_[i] = keys_[i];
          start = runEnds_[r];
        }
        runEnds_[kept++] = start;
      }
      runEnds_.resize(kept);
      keys_.swap(buffer_);
    }
  }

  // Puts the items in the order of keys_, moving each once; nothing to do when none moved.
  void permute(std::vector<Item>& items) {
    std::size_t firstMoved = 0;
    while (firstMoved < keys_.size() && keys_[firstMoved].position == firstMoved) ++firstMoved;
    if (firstMoved == keys_.size()) return;
    moved_.clear();
    moved_.reserve(items.size());
    for (const Key& k : keys_) moved_.push_back(std::move(items[k.position]));
    items.swap(moved_);
    moved_.clear();
  }

  std::vector<Key> keys_;
  std::vector<Key> buffer_;
  std::vector<std::size_t> runEnds_;
  std::vector<Item> moved_;
};
