// Specialisation through the polymorphic chain, adapters without a chain,
// and recognising own objects behind handles, also across a module border.
#include <gtest/gtest.h>

#include "framework/module/test_module.h"
#include "zv/framework/adapters.h"

namespace {

// Two chained interfaces, as the plug-in scene factories have them, plus a
// third link and a plain adapter outside the chain.
class Tzvt_two_visitors : public zv::polymorphic<zv::service_visitor_impl>,
                          public zv::polymorphic<zv::scene_2d_service_visitor_impl>,
                          public zv::polymorphic<zv::referent_impl>,
                          public zv::scene_editor_filter_visitor_impl {};

template <class I>
void* sub_object(Tzvt_two_visitors& o) {
  return static_cast<I*>(&o);
}

template <class H, class I>
void expect_specializes_to(t_zv_interface from, Tzvt_two_visitors& o) {
  H const h = zv::detail::specialize<H>(from);
  ASSERT_FALSE(zv::detail::is_null(h)) << zv::detail::traits<H>::name;
  EXPECT_EQ(h.self, sub_object<I>(o));
  EXPECT_EQ(I::from_interface(h), sub_object<I>(o));
}

template <class I>
void expect_every_direction_from(Tzvt_two_visitors& o) {
  t_zv_interface const g = zv::detail::generalize(zv::interface_of<I>(o));
  expect_specializes_to<t_zv_service_visitor_interface, zv::service_visitor_impl>(g, o);
  expect_specializes_to<t_zv_scene_2d_service_visitor_interface, zv::scene_2d_service_visitor_impl>(g, o);
  expect_specializes_to<t_zv_referent_interface, zv::referent_impl>(g, o);
  // Neither implemented nor in the chain.
  EXPECT_EQ(zv_scene_2d_visitor_interface_is_null(zv_scene_2d_visitor_interface_specialize(g)), 1);
  EXPECT_EQ(zv_scene_editor_filter_visitor_interface_is_null(zv_scene_editor_filter_visitor_interface_specialize(g)),
            1);
}

TEST(Polymorphic, EveryChainedInterfaceSpecialisesToEveryOther) {
  Tzvt_two_visitors o;
  expect_every_direction_from<zv::service_visitor_impl>(o);
  expect_every_direction_from<zv::scene_2d_service_visitor_impl>(o);
  expect_every_direction_from<zv::referent_impl>(o);
}

TEST(Polymorphic, ACopyHasItsOwnChain) {
  Tzvt_two_visitors original;
  Tzvt_two_visitors copy(original);
  t_zv_interface const g = zv::generic_of<zv::service_visitor_impl>(copy);
  expect_specializes_to<t_zv_scene_2d_service_visitor_interface, zv::scene_2d_service_visitor_impl>(g, copy);
}

void ask(t_zv_interface g, char const* name, void** contract, void** self) {
  *contract = nullptr;
  *self = nullptr;
  g.contract->specialize(g.contract, g.self, name, contract, self);
}

TEST(Polymorphic, OnlyTheExactVersionAnswers) {
  Tzvt_two_visitors o;
  t_zv_interface const g = zv::generic_of<zv::service_visitor_impl>(o);
  void *contract, *self;
  for (char const* name : {"zv_scene_2d_service_visitor_interface_6", "zv_scene_2d_service_visitor_interface_8",
                           "zv_scene_2d_service_visitor_interface_07", "zv_scene_2d_service_visitor_interface_",
                           "zv_scene_2d_service_visitor_interface_7 ", ""}) {
    ask(g, name, &contract, &self);
    EXPECT_EQ(contract, nullptr) << name;
    EXPECT_EQ(self, nullptr) << name;
  }
  ask(g, nullptr, &contract, &self);
  EXPECT_EQ(self, nullptr);
  ask(g, "zv_scene_2d_service_visitor_interface_7", &contract, &self);
  EXPECT_EQ(self, sub_object<zv::scene_2d_service_visitor_impl>(o));
}

TEST(Polymorphic, APlainAdapterAnswersOnlyItsOwnName) {
  Tzvt_two_visitors o;
  t_zv_interface const g = zv::generic_of<zv::scene_editor_filter_visitor_impl>(o);
  expect_specializes_to<t_zv_scene_editor_filter_visitor_interface, zv::scene_editor_filter_visitor_impl>(g, o);
  EXPECT_EQ(zv_service_visitor_interface_is_null(zv_service_visitor_interface_specialize(g)), 1);
  EXPECT_EQ(zv_referent_interface_is_null(zv_referent_interface_specialize(g)), 1);
}

TEST(FromInterface, RecognisesOnlyThisModulesTableForTheInterface) {
  Tzvt_two_visitors o;
  t_zv_referent_interface const own = zv::interface_of<zv::referent_impl>(o);
  EXPECT_EQ(zv::referent_impl::from_interface(own), sub_object<zv::referent_impl>(o));
  EXPECT_EQ(zv::referent_impl::from_interface({}), nullptr);

  // Another table for the same interface, with a valid self.
  t_zv_referent_contract const foreign{};
  EXPECT_EQ(zv::referent_impl::from_interface({&foreign, sub_object<zv::referent_impl>(o)}), nullptr);
}

TEST(FromInterface, AHandleOfAnotherModuleIsNeverCast) {
  t_zv_scene_2d_service_interface const theirs = zvt_module_scene_service();
  ASSERT_NE(theirs.self, nullptr);
  EXPECT_EQ(zv::scene_2d_service_impl::from_interface(theirs), nullptr);
  EXPECT_TRUE(zvt_module_owns(theirs));

  class Tzvt_local_service final : public zv::scene_2d_service_impl {
  } mine;
  t_zv_scene_2d_service_interface const ours = mine;
  EXPECT_EQ(zv::scene_2d_service_impl::from_interface(ours), &mine);
  EXPECT_FALSE(zvt_module_owns(ours));
}

// Calls into the module with our visitor are pinned by the registry's tests;
// their generic handle specialises within their chain, by name alone.
TEST(Modules, TheirGenericHandleSpecialisesWithinTheirChain) {
  zv::scene_2d_service const service = zvt_module_scene_service();
  zv::referent const r = zv::referent::specialize(service.generalize());
  EXPECT_FALSE(r.is_null());
  EXPECT_EQ(r, service.as_referent());
  EXPECT_TRUE(zv::scene_2d::specialize(service.generalize()).is_null());
}

}  // namespace
