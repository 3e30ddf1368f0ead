// The stand-ins' open-addressing table against the standard multimap, under
// heavy collisions, with inserts, look-ups and erasures interleaved.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <unordered_map>
#include <vector>

#include "flat_map.h"

namespace {

// Every key lands in one of 8 homes, so probing chains are long and erasure
// has to shift many cells back.
struct Tzv_colliding_hash {
  size_t operator()(uint32_t k) const { return k % 8; }
};

// The same homes, placed unmixed: the table mixes them once a probe grows
// long, in the middle of the run.
struct Tzv_ordered_colliding_hash {
  static constexpr bool ordered = true;
  size_t operator()(uint32_t k) const { return k % 8; }
};

// Values from 1, as the tables without a used flag require.
template <Tzv_flat_free Free, class Hash = Tzv_colliding_hash>
void agrees_with_the_standard_multimap() {
  Tzv_flat_multimap<uint32_t, uint32_t, Hash, Free> flat;
  std::unordered_multimap<uint32_t, uint32_t> model;
  std::mt19937 random(7);
  for (uint32_t step = 0; step < 20000; ++step) {
    uint32_t const key = random() % 64;
    uint32_t const value = 1 + random() % 4;
    auto const is_value = [value](uint32_t v) { return v == value; };
    auto const [first, last] = model.equal_range(key);
    auto const in_model = std::find_if(first, last, [value](auto const& e) { return e.second == value; });
    if (random() % 3 == 0) {
      ASSERT_EQ(flat.erase_if(key, is_value), in_model != last);
      if (in_model != last) model.erase(in_model);
    } else if (random() % 2 == 0) {
      flat.insert(key, value);
      model.emplace(key, value);
    } else {
      ASSERT_EQ(flat.find_if(key, is_value) != nullptr, in_model != last);
    }
    ASSERT_EQ(flat.size(), model.size());
  }
}

TEST(FlatMultimap, AgreesWithTheStandardMultimap) {
  agrees_with_the_standard_multimap<Tzv_flat_free::flagged>();
  agrees_with_the_standard_multimap<Tzv_flat_free::zero_value>();
  agrees_with_the_standard_multimap<Tzv_flat_free::flagged, Tzv_ordered_colliding_hash>();
}

// Objects packed closer than a home apart crowd an ordered table: each run
// of cells would grow with every object, and filing n of them would take n
// squared probes. The table mixes its homes instead and stays fast.
TEST(FlatMultimap, CrowdedAddressesStayFast) {
  // Inside room set aside by reserve, no insert moves the cells (a caller
  // may insert where it must not allocate); the next reserve mixes.
  {
    std::vector<uint64_t> packed(1000);
    Tzv_flat_multimap<void const*, uint32_t, Tzv_address_order<>> reserved;
    reserved.reserve(packed.size());
    reserved.insert(&packed[0], 1);
    uint32_t const* first = reserved.find(&packed[0]);
    for (uint32_t i = 1; i < packed.size(); ++i) reserved.insert(&packed[i], i + 1);
    EXPECT_EQ(reserved.find(&packed[0]), first);
    reserved.reserve(packed.size() + 1);
    for (uint32_t i = 0; i < packed.size(); ++i) ASSERT_EQ(*reserved.find(&packed[i]), i + 1);
  }

  std::vector<uint64_t> objects(200000);
  Tzv_flat_multimap<void const*, uint32_t, Tzv_address_order<>> flat;
  for (uint32_t i = 0; i < objects.size(); ++i) flat.insert(&objects[i], i + 1);
  for (uint32_t i = 0; i < objects.size(); i += 2) ASSERT_TRUE(flat.erase(&objects[i]));
  for (uint32_t i = 0; i < objects.size(); ++i) {
    uint32_t const* found = flat.find(&objects[i]);
    ASSERT_EQ(found != nullptr, i % 2 == 1);
    ASSERT_EQ(found ? *found : 0, i % 2 == 1 ? i + 1 : 0);
  }
}

}  // namespace
