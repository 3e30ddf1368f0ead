// Specialisation through the polymorphic chain, adapters without a chain,
// recognising own objects behind handles, the lifetime protocol of ref, and
// another module's service delivered by the registry and held by a ref.
#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

#include "framework/module/test_module.h"
#include "zv/framework/adapters.h"
#include "zv/sibling/service_registry.h"

namespace {

// Three chained interfaces, as plug-in scene factories and initialisation
// have them, and a plain adapter outside the chain. It keeps the scene
// services it visits, clearing the registry meanwhile (delivery goes on).
class Tzvt_chained : public zv::polymorphic<zv::service_visitor_impl>,
                     public zv::polymorphic<zv::scene_2d_service_visitor_impl>,
                     public zv::polymorphic<zv::referent_impl>,
                     public zv::scene_editor_filter_visitor_impl {
 public:
  using zv::scene_editor_filter_visitor_impl::visit;
  void visit(zv::scene_2d_service service) override {
    received.push_back(service);
    zv_service_registry_clear();
  }
  std::vector<zv::scene_2d_service> received;
};

// The object of this module behind `g` specialised to I, else null.
template <class I>
I* as(t_zv_interface g) {
  return I::from_interface(I::client_type::specialize(g));
}

// Every chained interface specialises to every other, also in a copy (which
// has its own chain); an interface neither in the chain nor implemented does
// not answer, and the plain adapter answers its own name only.
TEST(Polymorphic, EveryChainedInterfaceSpecialisesToEveryOther) {
  Tzvt_chained o, copy(o);
  for (Tzvt_chained* x : {&o, &copy}) {
    for (t_zv_interface const g :
         {zv::generic_of<zv::service_visitor_impl>(*x), zv::generic_of<zv::scene_2d_service_visitor_impl>(*x),
          zv::generic_of<zv::referent_impl>(*x)}) {
      EXPECT_TRUE(as<zv::service_visitor_impl>(g) == x && as<zv::scene_2d_service_visitor_impl>(g) == x &&
                  as<zv::referent_impl>(g) == x);
      EXPECT_TRUE(zv::scene_2d_visitor::specialize(g).is_null() &&
                  zv::scene_editor_filter_visitor::specialize(g).is_null());
    }
  }
  t_zv_interface const plain = zv::generic_of<zv::scene_editor_filter_visitor_impl>(o);
  EXPECT_TRUE(as<zv::scene_editor_filter_visitor_impl>(plain) == &o && !as<zv::referent_impl>(plain));
  // Only a handle made by this module's table for the interface is cast back.
  t_zv_referent_contract const foreign{};
  EXPECT_EQ(zv::referent_impl::from_interface({&foreign, static_cast<zv::referent_impl*>(&o)}), nullptr);

  // Only the exact versioned name (as above) answers; the results are cleared first.
  t_zv_interface const g = zv::generic_of<zv::service_visitor_impl>(o);
  for (char const* name : {"zv_scene_2d_service_visitor_interface_6", "zv_scene_2d_service_visitor_interface_07",
                           "zv_scene_2d_service_visitor_interface_7 ", "", static_cast<char const*>(nullptr)}) {
    void *contract = &o, *self = &o;
    g.contract->specialize(g.contract, g.self, name, &contract, &self);
    EXPECT_TRUE(contract == nullptr && self == nullptr) << (name ? name : "null");
  }
}

std::string journal;  // calls as "<object>.<operation>", "(ref)" when a referrer is named

// A service or referent that logs its calls; `next` is the service's
// referent or the referent's owner.
class Tzv_logged final : public zv::scene_2d_service_impl, public zv::referent_impl {
 public:
  Tzv_logged(char const* name, Tzv_logged* next) : name_(name), next_(next) {}
  zv::referent as_referent() override { return note("as_referent", {}), next(); }
  zv::referent owner() override { return note("owner", {}), next(); }
  void retain(zv::referrer r) override { note("retain", r); }
  void release(zv::referrer r) override { note("release", r); }

 private:
  zv::referent next() { return next_ ? zv::interface_of<zv::referent_impl>(*next_) : t_zv_referent_interface{}; }
  void note(char const* op, zv::referrer r) { journal += name_ + "." + op + (r.is_null() ? " " : "(ref) "); }
  std::string name_;
  Tzv_logged* next_;
};

using service_ref = zv::ref<zv::scene_2d_service, false, zv::reftraits<zv::scene_2d_service>>;

// Each kind of entry point (no result, handle, bool) calls the slot with the
// handle's words and the arguments; through a handle with only a contract or
// only a self it calls nothing and yields zero, as client values of null
// handles do. Compare orders by the contract word, then the self word;
// specialize never asks a half-null generic handle.
TEST(EntryPoints, CallTheSlotOrNothingForAHalfNullHandle) {
  Tzv_logged owner("O", nullptr), referent("R", &owner);
  service_ref holder;
  auto const h = zv::interface_of<zv::referent_impl>(referent);
  auto const me = static_cast<t_zv_referrer_interface>(static_cast<zv::referrer_impl&>(holder));
  journal.clear();
  EXPECT_EQ(zvk_framework_referent_owner(h).self, static_cast<zv::referent_impl*>(&owner));
  zvk_framework_referent_retain(h, me);
  EXPECT_TRUE(zvk_framework_referrer_reachable(me));
  for (bool const contract_only : {true, false}) {
    t_zv_referent_interface const half{contract_only ? h.contract : nullptr, contract_only ? nullptr : h.self};
    zvk_framework_referent_retain(half, me);
    EXPECT_TRUE(zv_referent_interface_is_null(zvk_framework_referent_owner(half)));
    EXPECT_TRUE(zv::detail::is_null(zv_referent_interface_generalize(half)));
    EXPECT_FALSE(
        zvk_framework_referrer_reachable({contract_only ? me.contract : nullptr, contract_only ? nullptr : me.self}));
  }
  zv::referent const client;
  client.retain(me);
  EXPECT_TRUE(client.owner().is_null() && !zv::referrer().reachable());
  EXPECT_EQ(journal, "R.owner R.retain(ref) ");

  auto const cmp = &zv_referent_interface_compare;
  t_zv_referent_interface const low{h.contract, &owner}, high{h.contract, &owner + 1}, other{h.contract + 1, &owner};
  EXPECT_TRUE(cmp(low, low) == 0 && cmp(low, high) == -1 && cmp(high, low) == 1 && cmp(high, other) == -1);
  EXPECT_EQ(cmp(zv_referent_interface_null(), low), -1);
  t_zv_contract const never = {[](t_zv_contract const*, void*, char const*, void**, void**) { ADD_FAILURE(); }};
  EXPECT_EQ(zv_scene_2d_service_interface_is_null(zv_scene_2d_service_interface_specialize({&never, nullptr})), 1);
}

// Steps: a attach, d detach, i invalidate (as a provider that goes does),
// then the ref goes. Attach retains; detach releases while the referent's
// owner is held; each retain is matched by exactly one release (a second
// attach or detach adds nothing, destruction releases what is retained);
// an invalidated ref forgets its service and calls nothing; a null service
// or referent retains nothing.
TEST(Ref, RetainAndReleaseStayBalanced) {
  Tzv_logged owner("O", nullptr), owned("R", &owner), plain("R", nullptr);
  Tzv_logged service("S", &owned), plain_service("S", &plain), no_referent("S", nullptr);
  using Tcase = std::tuple<zv::scene_2d_service, char const*, char const*>;  // service, steps, journal
  Tcase const cases[] = {
      {service, "ad", "S.as_referent R.retain(ref) S.as_referent R.owner O.retain R.release(ref) O.release "},
      {plain_service, "aadd", "S.as_referent R.retain(ref) S.as_referent R.owner R.release(ref) "},
      {plain_service, "a", "S.as_referent R.retain(ref) S.as_referent R.owner R.release(ref) "},
      {plain_service, "aid", "S.as_referent R.retain(ref) "},
      {no_referent, "ad", "S.as_referent "},
      {{}, "ad", ""},
  };
  for (auto const& [service, steps, expected] : cases) {
    journal.clear();
    {
      service_ref holder(service);
      zv::referrer const me = static_cast<zv::referrer>(static_cast<zv::referrer_impl&>(holder));
      for (char const* step = steps; *step; ++step) {
        if (*step == 'a') holder.attach();
        if (*step == 'd') holder.detach();
        if (*step == 'i') me.invalidate(zv::referent());
      }
      EXPECT_TRUE(me.reachable());
      EXPECT_EQ(holder.is_null(), std::string(steps) == "aid" || service.is_null());
    }
    EXPECT_EQ(journal, expected) << steps;
  }
}

// Across the module border: the registry hands the module's scene service
// to the chained visitor once however often it was registered (a provider
// of another version is not found, a marker visitor without specific
// visitors receives nothing). Each module recognises only its own objects;
// their generic handle specialises within their chain, by name alone. A ref
// to their service is counted by the provider, which invalidates its
// referrers when it goes.
TEST(AcrossModules, TheRegistryDeliversAndTheProviderInvalidates) {
  wchar_t const scenes_id[] = L"zv:/scene/2d";
  t_zv_interface const theirs = zv::detail::generalize(zvt_module_scene_service());
  t_zv_contract const version_6 = {[](t_zv_contract const*, void* self, char const* name, void** c, void** s) {
    if (std::string(name) == "zv_scene_2d_service_interface_6") *c = *s = self;
  }};
  int version_6_object = 0;
  class Marker final : public zv::service_visitor_impl {
  } marker;
  Tzvt_chained visitor;
  for (t_zv_interface const service : {theirs, theirs, t_zv_interface{&version_6, &version_6_object}})
    zv_service_registry_register(scenes_id, service);
  EXPECT_EQ(zv_service_registry_with_services(scenes_id, marker), 0);
  EXPECT_EQ(zv_service_registry_with_services(scenes_id, zv::interface_of<zv::service_visitor_impl>(visitor)), 1);
  ASSERT_EQ(visitor.received.size(), 1u);
  EXPECT_EQ(zv_service_registry_get_count(scenes_id), 0);
  std::wstring meta_id;
  visitor.received[0].with_meta_id(zv::stdwstring_visitor(&meta_id));
  EXPECT_EQ(meta_id, L"ModuleScene");

  zv::scene_2d_service const service = visitor.received[0];
  class Tzvt_local_service final : public zv::scene_2d_service_impl {
  } mine;
  EXPECT_TRUE(zv::scene_2d_service_impl::from_interface(service) == nullptr && zvt_module_owns(service));
  EXPECT_TRUE(zv::scene_2d_service_impl::from_interface(mine) == &mine && !zvt_module_owns(mine));
  EXPECT_EQ(zv::referent::specialize(service.generalize()), service.as_referent());
  EXPECT_TRUE(zv::scene_2d::specialize(service.generalize()).is_null());

  service_ref holder(service);
  holder.attach();
  EXPECT_EQ(zvt_module_referrer_count(), 1);
  holder.detach();
  EXPECT_EQ(zvt_module_referrer_count(), 0);
  holder.attach();
  zvt_module_invalidate_referrers();
  EXPECT_TRUE(holder.is_null() && zvt_module_referrer_count() == 0);
}

}  // namespace
