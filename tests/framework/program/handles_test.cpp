// The generic functions and the entry points, through handles whose
// contract records every call.
#include <gtest/gtest.h>

#include "zv/framework/binding.h"

namespace {

int calls = 0;
int dummy_object = 0;

// A referent contract whose slots count calls and return non-zero results.
t_zv_referent_contract const counting_referent = {
    .generalize = [](t_zv_referent_contract const*, void*) -> t_zv_interface {
      ++calls;
      return {nullptr, nullptr};
    },
    .retain = [](t_zv_referent_contract const*, void*, t_zv_referrer_interface) { ++calls; },
    .release = [](t_zv_referent_contract const*, void*, t_zv_referrer_interface) { ++calls; },
    .owner = [](t_zv_referent_contract const* c, void* s) -> t_zv_referent_interface {
      ++calls;
      return {c, s};
    },
    .as_referent = [](t_zv_referent_contract const* c, void* s) -> t_zv_referent_interface {
      ++calls;
      return {c, s};
    },
};

t_zv_scene_2d_editor_extension_service_contract const counting_extension_service = [] {
  t_zv_scene_2d_editor_extension_service_contract c{};
  c.priority = [](t_zv_scene_2d_editor_extension_service_contract const*, void*) {
    ++calls;
    return 5;
  };
  return c;
}();

t_zv_referrer_contract const counting_referrer = [] {
  t_zv_referrer_contract c{};
  c.reachable = [](t_zv_referrer_contract const*, void*) {
    ++calls;
    return true;
  };
  return c;
}();

t_zv_extent_2d_visitor_contract const summing_extent = [] {
  t_zv_extent_2d_visitor_contract c{};
  c.visit = [](t_zv_extent_2d_visitor_contract const*, void* self, double a, double b, double x, double y) {
    ++calls;
    *static_cast<double*>(self) = a + b + x + y;
  };
  return c;
}();

class EntryPoints : public ::testing::Test {
 protected:
  void SetUp() override { calls = 0; }
};

TEST_F(EntryPoints, CallTheSlotWithContractSelfAndArguments) {
  t_zv_referent_interface const r{&counting_referent, &dummy_object};
  t_zv_referent_interface const owner = zvk_framework_referent_owner(r);
  EXPECT_EQ(owner.contract, &counting_referent);
  EXPECT_EQ(owner.self, &dummy_object);
  zvk_framework_referent_retain(r, zv_referrer_interface_null());
  EXPECT_EQ(calls, 2);

  double sum = 0;
  zvk_framework_extent_2d_visitor_visit({&summing_extent, &sum}, 1, 2, 3, 4.5);
  EXPECT_EQ(sum, 10.5);
  EXPECT_EQ(zvk_framework_scene_2d_editor_extension_service_priority({&counting_extension_service, &dummy_object}), 5);
  EXPECT_TRUE(zvk_framework_referrer_reachable({&counting_referrer, &dummy_object}));
}

// Each kind of entry point (no result, handle, bool, int, arguments), through
// a handle with only a contract, only a self, or neither.
TEST_F(EntryPoints, HalfNullHandlesCallNothingAndYieldZero) {
  double sum = -1;
  for (bool with_contract : {false, true}) {
    void* const self = with_contract ? nullptr : static_cast<void*>(&dummy_object);
    t_zv_referent_interface const r{with_contract ? &counting_referent : nullptr, self};
    zvk_framework_referent_retain(r, t_zv_referrer_interface{&counting_referrer, &dummy_object});
    zvk_framework_referent_release(r, t_zv_referrer_interface{&counting_referrer, &dummy_object});
    EXPECT_EQ(zv_referent_interface_is_null(zvk_framework_referent_owner(r)), 1);
    EXPECT_EQ(zv_referent_interface_is_null(zvk_framework_referent_as_referent(r)), 1);
    EXPECT_FALSE(zvk_framework_referrer_reachable({with_contract ? &counting_referrer : nullptr, self}));
    EXPECT_EQ(zvk_framework_scene_2d_editor_extension_service_priority(
                  {with_contract ? &counting_extension_service : nullptr, self}),
              0);
    zvk_framework_extent_2d_visitor_visit({with_contract ? &summing_extent : nullptr, with_contract ? nullptr : &sum},
                                          1, 2, 3, 4);
    EXPECT_TRUE(zv::detail::is_null(zv_referent_interface_generalize(r)));
    EXPECT_EQ(zv_referent_interface_is_null(r), 1);
  }
  EXPECT_EQ(sum, -1);
  EXPECT_EQ(calls, 0);

  zv::referent const client;  // client values forward to the same entry points
  client.retain(zv::referrer());
  EXPECT_TRUE(client.owner().is_null());
  EXPECT_FALSE(zv::scene_2d_editor_extension_service().priority());
  EXPECT_EQ(calls, 0);
}

TEST(GenericFunctions, NullIsNullAndCompareOrdersContractThenSelf) {
  t_zv_referent_interface const null = zv_referent_interface_null();
  EXPECT_EQ(zv_referent_interface_is_null(null), 1);

  int objects[2] = {};
  t_zv_referent_interface const a{&counting_referent, &objects[0]};
  t_zv_referent_interface const b{&counting_referent, &objects[1]};
  EXPECT_EQ(zv_referent_interface_is_null(a), 0);
  EXPECT_EQ(zv_referent_interface_compare(a, a), 0);
  EXPECT_EQ(zv_referent_interface_compare(a, b), -1);
  EXPECT_EQ(zv_referent_interface_compare(b, a), 1);
  // The contract word decides before the self word.
  t_zv_referent_interface const other_contract{&counting_referent + 1, &objects[0]};
  EXPECT_EQ(zv_referent_interface_compare(b, other_contract), -1);
  EXPECT_EQ(zv_referent_interface_compare(null, a), -1);
}

// A half-null generic handle is never asked; a live one is asked by the
// versioned name.
TEST(GenericFunctions, SpecializeAsksLiveHandlesByTheVersionedName) {
  EXPECT_EQ(zv_scene_2d_service_interface_is_null(zv_scene_2d_service_interface_specialize({})), 1);
  t_zv_contract const never = {[](t_zv_contract const*, void*, char const*, void**, void**) { ADD_FAILURE(); }};
  EXPECT_EQ(zv_scene_2d_service_interface_is_null(zv_scene_2d_service_interface_specialize({&never, nullptr})), 1);
  static std::string asked;
  t_zv_contract const recorder = {[](t_zv_contract const*, void* self, char const* name, void** c, void** s) {
    asked = name;
    *c = self;
    *s = self;
  }};
  t_zv_scene_2d_service_interface const h = zv_scene_2d_service_interface_specialize({&recorder, &dummy_object});
  EXPECT_EQ(asked, "zv_scene_2d_service_interface_7");
  EXPECT_EQ(h.self, &dummy_object);
}

}  // namespace
