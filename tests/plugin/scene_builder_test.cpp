// The scene builder through its exported functions: which filters it asks,
// what reaches the layer builder, a null service, and that a plug-in that
// throws leaves nothing behind. The order of filters by priority and
// arrival, and a second init letting go of the first one's services and
// filters, are pinned across the module border by the host's plug-in tests.
#include <gtest/gtest.h>

#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "core/string_adapters.h"
#include "plugin/scene_2d_builder.h"
#include "plugin/test_filters.h"
#include "scene2d/scene_2d.h"
#include "zv/scn2d_builder.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

using Tzvt_names = std::initializer_list<wchar_t const*>;

struct SceneBuilder : ::testing::Test {
  Tzvt_filter_trace trace;
  std::vector<std::unique_ptr<Tzvt_filter>> filters;
  std::vector<std::unique_ptr<Tzvt_extension_service>> services;
  Tzv_scene_2d scene;
  Tzv_scene_2d_builder* builder = zv_scn2d_builder_create();

  ~SceneBuilder() override { zv_scn2d_builder_destroy(builder); }

  Tzvt_filter& filter(std::wstring name, std::set<std::wstring> names = {}) {
    filters.push_back(std::make_unique<Tzvt_filter>(trace, std::move(name), std::move(names)));
    return *filters.back();
  }
  Tzvt_extension_service& service(int priority, std::vector<Tzvt_filter*> offered) {
    std::vector<zv::scene_editor_filter> handles;
    for (Tzvt_filter* f : offered) handles.push_back(f->handle());
    services.push_back(std::make_unique<Tzvt_extension_service>(priority, handles));
    return *services.back();
  }
  // Each name becomes a vector layer.
  static void build_layer(Tzv_layer_builder* b, wchar_t const* source) {
    zv_lr_builder_add_layer(b, zv_lr2d_type_vector, source);
  }

  void init() { zv_scn2d_builder_init(builder, &scene, ZV_SCENE_2D_EDITOR_EXTENSION_ID); }
  bool supported(Tzvt_names names) { return zv_scn2d_builder_is_supported(builder, Tzvt_name_list(names)); }
  void add(Tzvt_names names) { zv_scn2d_builder_add_sources(builder, Tzvt_name_list(names)); }
  // The text an adapter holds after get_errors, when it held "untouched".
  std::wstring errors_over_untouched(Tzv_scene_2d_builder* b) {
    std::wstring text = L"untouched";
    Tzv_std_wstring_adapter out(&text);
    zv_scn2d_builder_get_errors(b, out);
    return text;
  }
  Izv_entity* layer(uint32_t i) { return scene.get_entity(i); }
};

// --- Which filters ------------------------------------------------------------

TEST_F(SceneBuilder, SupportedWhenAnyNameIsSupported) {
  service(1, {&filter(L"f", {L"c.tif"})});
  init();
  trace.take();
  EXPECT_TRUE(supported({L"a.shp", L"b.dxf", L"c.tif"}));
  EXPECT_EQ(trace.take(), L"f?a.shp f?b.dxf f?c.tif");
  EXPECT_FALSE(supported({L"a.shp"}));
  EXPECT_FALSE(supported({}));
  EXPECT_EQ(trace.take(), L"f?a.shp");
}

TEST_F(SceneBuilder, EachNameGoesToOneFilterOnly) {
  Tzvt_filter& f1 = filter(L"f1", {L"a"});
  Tzvt_filter& f2 = filter(L"f2", {L"a", L"b"});
  service(1, {&f1, &f2});
  init();
  trace.take();
  add({L"a", L"b", L"z"});
  EXPECT_EQ(trace.take(), L"f1?a f1+a f1?b f2?b f2+b f1?z f2?z");
  ASSERT_NE(f1.builder(), nullptr);
  EXPECT_EQ(f1.builder(), f2.builder());
}

// --- Building and activation -------------------------------------------------------

TEST_F(SceneBuilder, AddActivatesTheLastBuiltLayer) {
  Tzvt_filter& f = filter(L"f", {L"*"});
  f.on_add(build_layer);
  service(1, {&f});
  init();
  add({L"a", L"b"});
  ASSERT_EQ(scene.get_count(), 2u);
  EXPECT_EQ(scene.get_active(), layer(1));

  // A layer built through the layer builder between calls is activated by
  // the next add, even one with no names.
  scene.set_active_index(0);
  Izv_layer* direct = zv_lr_builder_add_layer(f.builder(), zv_lr2d_type_vector, L"direct");
  ASSERT_NE(scene.get_active(), static_cast<Izv_entity*>(direct));
  add({});
  EXPECT_EQ(scene.get_active(), static_cast<Izv_entity*>(direct));
}

TEST_F(SceneBuilder, ActivationSkipsALayerRemovedAndFreedDuringTheBuilding) {
  Tzvt_filter& f = filter(L"f", {L"*"});
  int32_t live_after_removal = -1;
  f.on_add([this, &live_after_removal](Tzv_layer_builder* b, wchar_t const* source) {
    zv_lr_builder_add_layer(b, zv_lr2d_type_vector, source);
    Izv_layer* doomed = zv_lr_builder_add_layer(b, zv_lr2d_type_vector, source);
    scene.remove_entity(doomed);  // no bracket is open: freed right away
    live_after_removal = zv_lr2d_test_get_live_count();
  });
  service(1, {&f});
  init();
  int32_t const live = zv_lr2d_test_get_live_count();
  add({L"a"});
  // Freed before the activation; under ASan any read of it would fail here.
  EXPECT_EQ(live_after_removal, live + 1);
  ASSERT_EQ(scene.get_count(), 1u);
  EXPECT_EQ(scene.get_active(), layer(0));
}

TEST_F(SceneBuilder, NothingHappensBeforeInit) {
  service(1, {&filter(L"f", {L"*"})});
  EXPECT_FALSE(supported({L"x"}));
  add({L"x"});
  EXPECT_EQ(errors_over_untouched(builder), L"untouched");
  EXPECT_EQ(trace.take(), L"");
  EXPECT_EQ(scene.get_count(), 0u);
}

// --- Holding -------------------------------------------------------------------------

TEST_F(SceneBuilder, NullServiceIsHeldButAskedForNoFilters) {
  zv::scene_2d_editor_extension_service_visitor const visitor(
      zv::interface_of<zv::scene_2d_editor_extension_service_visitor_impl>(*builder));
  Tzvt_extension_service& s = service(3, {&filter(L"f")});
  // Delivered while the registry hands over the real service.
  s.on_priority = [visitor] { visitor.visit(zv::scene_2d_editor_extension_service()); };
  init();
  EXPECT_EQ(trace.take(), L"f:1");
  EXPECT_FALSE(supported({L"x"}));
  EXPECT_EQ(trace.take(), L"f?x");
}

// --- Plug-ins that throw ----------------------------------------------------------------

TEST_F(SceneBuilder, ThrowingQueriesReachTheCaller) {
  Tzvt_filter& f = filter(L"f", {L"*"});
  f.on_add(build_layer);
  service(1, {&f});
  init();
  f.arm(Tzvt_filter_fault::supports);
  EXPECT_THROW(supported({L"a"}), Tzvt_filter_error);
  EXPECT_THROW(add({L"a"}), Tzvt_filter_error);
  f.disarm();
  EXPECT_TRUE(supported({L"a"}));
}

TEST_F(SceneBuilder, ThrowingAddStillEndsTheBuilding) {
  Tzvt_filter& f = filter(L"f", {L"a"});
  Tzvt_filter& g = filter(L"g", {L"b"});
  f.on_add(build_layer);
  g.arm(Tzvt_filter_fault::add);
  service(1, {&f, &g});
  init();
  trace.take();
  EXPECT_THROW(add({L"a", L"b", L"a"}), Tzvt_filter_error);
  EXPECT_EQ(trace.take(), L"f?a f+a f?b g?b g+b");
  ASSERT_EQ(scene.get_count(), 1u);
  EXPECT_EQ(scene.get_active(), layer(0));
}

struct FailedInit : SceneBuilder, ::testing::WithParamInterface<Tzvt_filter_fault> {};

// A failed init lets go of what it collected and leaves the builder as new.
TEST_P(FailedInit, LeavesTheBuilderCleared) {
  Tzvt_filter& ok = filter(L"ok", {L"*"});
  Tzvt_filter& bad = filter(L"bad", {L"*"});
  Tzvt_extension_service& s = service(1, {&ok, &bad});
  Tzvt_filter_fault const fault = GetParam();
  if (fault == Tzvt_filter_fault::attach) bad.arm(fault);
  else s.arm(fault);

  EXPECT_THROW(init(), Tzvt_filter_error);
  EXPECT_EQ(s.holder_count(), 0);
  EXPECT_FALSE(ok.attached());
  EXPECT_FALSE(bad.attached());
  trace.take();
  EXPECT_FALSE(supported({L"x"}));
  add({L"x"});
  EXPECT_EQ(trace.take(), L"");
  EXPECT_EQ(errors_over_untouched(builder), L"untouched");
}

INSTANTIATE_TEST_SUITE_P(SceneBuilder, FailedInit,
                         ::testing::Values(Tzvt_filter_fault::priority, Tzvt_filter_fault::with_filters,
                                           Tzvt_filter_fault::attach));

TEST_F(SceneBuilder, DestroyLetsGoOfEverythingWhenAFilterThrows) {
  Tzvt_filter& bad = filter(L"bad", {L"*"});
  Tzvt_filter& ok = filter(L"ok", {L"*"});
  Tzvt_extension_service& s = service(1, {&bad, &ok});
  init();
  trace.take();
  bad.arm(Tzvt_filter_fault::detach);
  // The builder is freed all the same (the leak check would tell).
  EXPECT_THROW(zv_scn2d_builder_destroy(builder), Tzvt_filter_error);
  builder = nullptr;
  EXPECT_EQ(trace.take(), L"bad:0 ok:0");
  EXPECT_EQ(s.holder_count(), 0);
}

// --- Null handles and arguments --------------------------------------------------------

TEST_F(SceneBuilder, NullHandlesAndArgumentsDoNothing) {
  Tzvt_filter& f = filter(L"f", {L"*"});
  Tzvt_extension_service& s = service(1, {&f});
  Tzvt_name_list names({L"x"});

  zv_scn2d_builder_destroy(nullptr);
  zv_scn2d_builder_init(nullptr, &scene, ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_FALSE(zv_scn2d_builder_is_supported(nullptr, names));
  zv_scn2d_builder_add_sources(nullptr, names);
  EXPECT_EQ(errors_over_untouched(nullptr), L"untouched");
  EXPECT_EQ(s.holder_count(), 0);

  // No scene: no init at all.
  zv_scn2d_builder_init(builder, nullptr, ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(s.holder_count(), 0);
  EXPECT_EQ(errors_over_untouched(builder), L"untouched");

  // No identifier: bound to the scene, with no services.
  zv_scn2d_builder_init(builder, &scene, nullptr);
  EXPECT_EQ(s.holder_count(), 0);
  EXPECT_EQ(errors_over_untouched(builder), L"");

  init();
  trace.take();
  EXPECT_FALSE(zv_scn2d_builder_is_supported(builder, nullptr));
  zv_scn2d_builder_add_sources(builder, nullptr);
  zv_scn2d_builder_get_errors(builder, nullptr);
  EXPECT_EQ(trace.take(), L"");
  // A later init with no scene keeps what the earlier one collected.
  zv_scn2d_builder_init(builder, nullptr, ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(s.holder_count(), 1);
  EXPECT_TRUE(f.attached());
}

}  // namespace
