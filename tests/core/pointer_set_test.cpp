// The pointer set behind the layer order check: every pointer can be taken
// once, absent ones and null never, and taking leaves the rest findable.

#include <gtest/gtest.h>

#include <array>
#include <vector>

#include "core/pointer_set.h"

namespace {

TEST(PointerSet, EachPointerIsTakenOnce) {
  std::array<int, 600> objects{};
  std::vector<int*> items;
  for (int& o : objects) items.push_back(&o);
  items.push_back(&objects[7]);  // a repeat counts once
  items.push_back(nullptr);      // null is never held
  zv::core::Tzv_pointer_set set(items);
  EXPECT_EQ(set.size(), objects.size());
  EXPECT_FALSE(set.take(nullptr));
  int outside = 0;
  EXPECT_FALSE(set.take(&outside));
  // Taking in an order other than the filling one keeps later probes intact.
  for (size_t i = objects.size(); i-- > 0;) ASSERT_TRUE(set.take(&objects[i])) << i;
  EXPECT_EQ(set.size(), 0u);
  for (int& o : objects) EXPECT_FALSE(set.take(&o));
}

TEST(PointerSet, AnEmptyListGivesAnEmptySet) {
  zv::core::Tzv_pointer_set set(std::vector<int*>{});
  EXPECT_EQ(set.size(), 0u);
  int x = 0;
  EXPECT_FALSE(set.take(&x));
}

}  // namespace
