// The stand-in service registry delivering services of another module to a
// visitor with a polymorphic chain, as plug-in initialisation does.
#include <gtest/gtest.h>

#include <string_view>
#include <vector>

#include "framework/module/test_module.h"
#include "zv/framework/adapters.h"
#include "zv/sibling/service_registry.h"

namespace {

wchar_t const scenes_id[] = L"zv:/scene/2d";

class Scene_services final : public zv::polymorphic<zv::scene_2d_service_visitor_impl>,
                             public zv::polymorphic<zv::service_visitor_impl> {
 public:
  void visit(zv::scene_2d_service service) override {
    received.push_back(service);
    if (on_visit) on_visit();
  }
  t_zv_service_visitor_interface handle() { return zv::interface_of<zv::service_visitor_impl>(*this); }
  std::vector<zv::scene_2d_service> received;
  void (*on_visit)() = nullptr;
};

// Answers only the name of another version of the scene service.
void answer_version_6(t_zv_contract const*, void* self, char const* name, void** contract, void** result_self) {
  if (std::string_view(name) == "zv_scene_2d_service_interface_6") *contract = *result_self = self;
}
t_zv_contract const version_6_contract = {&answer_version_6};
int version_6_object = 0;

class Registry : public ::testing::Test {
 protected:
  void SetUp() override { zv_service_registry_clear(); }
  void TearDown() override { zv_service_registry_clear(); }
};

TEST_F(Registry, DeliversTheModulesSceneServiceToTheChainedVisitor) {
  zvt_module_register(scenes_id);
  zvt_module_register(scenes_id);  // one entry per service
  zvt_module_register(L"zv:/other");
  Scene_services visitor;
  EXPECT_EQ(zv_service_registry_with_services(scenes_id, visitor.handle()), 1);
  ASSERT_EQ(visitor.received.size(), 1u);
  std::wstring meta_id;
  zv::stdwstring_visitor into(&meta_id);
  visitor.received[0].with_meta_id(into);
  EXPECT_EQ(meta_id, L"ModuleScene");
}

TEST_F(Registry, AProviderOfAnotherVersionIsNotFound) {
  zv_service_registry_register(scenes_id, {&version_6_contract, &version_6_object});
  Scene_services visitor;
  EXPECT_EQ(zv_service_registry_with_services(scenes_id, visitor.handle()), 0);
  EXPECT_TRUE(visitor.received.empty());
}

TEST_F(Registry, AMarkerVisitorWithoutSpecificVisitorsReceivesNothing) {
  zvt_module_register(scenes_id);
  class Marker final : public zv::service_visitor_impl {
  } marker;
  EXPECT_EQ(zv_service_registry_with_services(scenes_id, marker), 0);
}

TEST_F(Registry, NullArgumentsAreIgnored) {
  Scene_services visitor;
  zvt_module_register(scenes_id);
  EXPECT_EQ(zv_service_registry_with_services(nullptr, visitor.handle()), 0);
  EXPECT_EQ(zv_service_registry_with_services(scenes_id, {}), 0);
  zv_service_registry_register(nullptr, zv::generic_of<zv::service_visitor_impl>(visitor));
  zv_service_registry_register(scenes_id, {});
  EXPECT_EQ(zv_service_registry_get_count(scenes_id), 1);
  EXPECT_EQ(zv_service_registry_get_count(nullptr), 0);
  EXPECT_FALSE(zv_service_registry_unregister(nullptr, {}));
  EXPECT_TRUE(visitor.received.empty());
}

TEST_F(Registry, UnregisteringDuringAVisitLeavesTheRunningDeliveryIntact) {
  zvt_module_register(scenes_id);
  Scene_services visitor;
  visitor.on_visit = [] { zv_service_registry_clear(); };
  EXPECT_EQ(zv_service_registry_with_services(scenes_id, visitor.handle()), 1);
  EXPECT_EQ(zv_service_registry_get_count(scenes_id), 0);
}

TEST_F(Registry, UnregisterRemovesOnlyThatService) {
  zvt_module_register(scenes_id);
  zv_service_registry_register(scenes_id, {&version_6_contract, &version_6_object});
  EXPECT_TRUE(zv_service_registry_unregister(scenes_id, {&version_6_contract, &version_6_object}));
  EXPECT_FALSE(zv_service_registry_unregister(scenes_id, {&version_6_contract, &version_6_object}));
  EXPECT_EQ(zv_service_registry_get_count(scenes_id), 1);
}

}  // namespace
