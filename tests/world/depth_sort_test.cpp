#include "world/depth_sort.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <limits>
#include <random>
#include <string>
#include <vector>

namespace {

struct Item {
  float z;
  int id;
};

// Keys drawn from a few values so that ties are everywhere.
std::vector<Item> fewKeys(std::mt19937& rng, int n, int distinct) {
  std::uniform_int_distribution<int> pick(0, distinct - 1);
  std::vector<Item> items;
  for (int i = 0; i < n; ++i) items.push_back({static_cast<float>(pick(rng)) * 0.5f, i});
  return items;
}

std::vector<Item> byKey(std::vector<Item> items) {
  std::stable_sort(items.begin(), items.end(),
                   [](const Item& a, const Item& b) { return a.z < b.z; });
  for (size_t i = 0; i < items.size(); ++i) items[i].id = static_cast<int>(i);
  return items;
}

std::vector<Item> reversed(std::vector<Item> items) {
  items = byKey(items);
  std::reverse(items.begin(), items.end());
  return items;
}

// Sorted, then a few neighbours swapped and a few newcomers tacked on the end:
// what the world list looks like from one frame to the next.
std::vector<Item> nearlySorted(std::mt19937& rng, int n) {
  std::vector<Item> items = byKey(fewKeys(rng, n, n / 4 + 1));
  std::uniform_int_distribution<int> at(0, n - 2);
  for (int k = 0; k < n / 20; ++k) std::swap(items[at(rng)], items[at(rng) + 1]);
  for (int k = 0; k < 5; ++k) items.push_back({static_cast<float>(at(rng)) * 0.1f, n + k});
  return items;
}

// Sorted, then one item in a hundred given a new depth anywhere: objects
// that jumped far and must be carried past many neighbours.
std::vector<Item> farMovers(std::mt19937& rng, int n) {
  std::vector<Item> items = byKey(fewKeys(rng, n, n / 2 + 1));
  std::uniform_int_distribution<int> at(0, n - 1);
  for (int k = 0; k < n / 100; ++k) items[at(rng)].z = static_cast<float>(at(rng)) * 0.5f;
  return items;
}

std::vector<int> ids(const std::vector<Item>& items) {
  std::vector<int> out;
  for (const Item& i : items) out.push_back(i.id);
  return out;
}

TEST(DepthSort, MatchesStableSortOnEveryShapeOfInput) {
  std::mt19937 rng(7);
  struct Case {
    std::string name;
    std::vector<Item> items;
  };
  std::vector<Case> cases = {
      {"empty", {}},
      {"one", {{3.0f, 0}}},
      {"all equal", fewKeys(rng, 500, 1)},
      {"random, few keys", fewKeys(rng, 3000, 7)},
      {"random, large", fewKeys(rng, 20000, 5000)},  // past the insertion budget
      {"sorted", byKey(fewKeys(rng, 3000, 40))},
      {"reversed", reversed(fewKeys(rng, 3000, 40))},
      {"nearly sorted", nearlySorted(rng, 5000)},
      {"far movers", farMovers(rng, 5000)},
      {"negative and positive",
       {{1, 0}, {-1, 1}, {0, 2}, {-0.0f, 3}, {-5000, 4}, {5000, 5}, {0, 6}}},
  };
  DepthSorter<Item> sorter;  // one sorter for all: its scratch carries over as in the game
  for (Case& c : cases) {
    std::vector<Item> expected = c.items;
    std::stable_sort(expected.begin(), expected.end(),
                     [](const Item& a, const Item& b) { return a.z < b.z; });
    sorter.sort(c.items, [](const Item& i) { return i.z; });
    EXPECT_EQ(ids(c.items), ids(expected)) << c.name;
  }
}

TEST(DepthSort, RepeatedSortsKeepEqualKeysInPlace) {
  std::mt19937 rng(11);
  std::vector<Item> items = fewKeys(rng, 1000, 3);
  DepthSorter<Item> sorter;
  sorter.sort(items, [](const Item& i) { return i.z; });
  const std::vector<int> first = ids(items);
  for (int round = 0; round < 20; ++round) sorter.sort(items, [](const Item& i) { return i.z; });
  EXPECT_EQ(ids(items), first);
}

// A depth that is not a number must not upset the sort: nothing is lost or
// doubled, and every other item still comes out in stable depth order.
TEST(DepthSort, NotANumberDepthLosesNothingAndLeavesTheRestInOrder) {
  std::mt19937 rng(5);
  std::vector<Item> items = fewKeys(rng, 3000, 50);
  for (int i = 0; i < 3000; i += 97) items[i].z = std::numeric_limits<float>::quiet_NaN();
  std::vector<Item> expected;
  for (const Item& i : items)
    if (!std::isnan(i.z)) expected.push_back(i);
  std::stable_sort(expected.begin(), expected.end(),
                   [](const Item& a, const Item& b) { return a.z < b.z; });

  DepthSorter<Item> sorter;
  sorter.sort(items, [](const Item& i) { return i.z; });
  std::vector<int> all = ids(items);
  std::sort(all.begin(), all.end());
  std::vector<int> everyId(3000);
  for (int i = 0; i < 3000; ++i) everyId[i] = i;
  EXPECT_EQ(all, everyId);
  std::vector<Item> numbers;
  for (const Item& i : items)
    if (!std::isnan(i.z)) numbers.push_back(i);
  EXPECT_EQ(ids(numbers), ids(expected));
}

}  // namespace
