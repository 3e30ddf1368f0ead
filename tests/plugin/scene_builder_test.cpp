// The scene builder through its exported functions: which filters it asks,
// what reaches the layer builder, a null service, and that a plug-in that
// throws leaves nothing behind. The order of filters by priority and
// arrival, and a second init letting go of the first one's services and
// filters, are pinned across the module border by the host's plug-in tests.
#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "plugin/scene_2d_builder.h"
#include "scene2d/scene_2d.h"
#include "support/plugin_fakes.h"
#include "support/text.h"
#include "zv/scn2d_builder.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// Each name becomes a vector layer.
void build_layer(Tzv_layer_builder* b, wchar_t const* source) {
  zv_lr_builder_add_layer(b, zv_lr2d_type_vector, source);
}

// Two filters of one service: f takes "a", g takes "b"; each name becomes a layer.
struct Tzvt_builder_world {
  Tzvt_filter_trace trace;
  Tzvt_filter f{trace, L"f", {L"a"}};
  Tzvt_filter g{trace, L"g", {L"b"}};
  Tzvt_extension_service service{1, {f.handle(), g.handle()}};
  Tzv_scene_2d scene;
  Tzv_scene_2d_builder* builder = zv_scn2d_builder_create();

  Tzvt_builder_world() {
    f.on_add(&build_layer);
    g.on_add(&build_layer);
  }
  ~Tzvt_builder_world() { zv_scn2d_builder_destroy(builder); }

  void init() { zv_scn2d_builder_init(builder, &scene, ZV_SCENE_2D_EDITOR_EXTENSION_ID); }
  bool supported(Tzvt_name_list const& names) { return zv_scn2d_builder_is_supported(builder, names); }
  void add(Tzvt_name_list const& names) { zv_scn2d_builder_add_sources(builder, names); }
  // The errors get_errors feeds; "(not fed)" when it feeds nothing.
  static std::wstring errors(Tzv_scene_2d_builder* b) {
    return text([b](Izv_string_adp* a) { zv_scn2d_builder_get_errors(b, a); });
  }
  // The service's holders, the filters attached, the scene's layers and active index.
  std::string state() {
    return "held " + std::to_string(service.holder_count()) + " attached " + (f.attached ? "f" : "") +
           (g.attached ? "g" : "") + " layers " + std::to_string(scene.get_count()) + " active " +
           std::to_string(static_cast<int32_t>(scene.get_active_index()));
  }
};
struct SceneBuilder : Tzvt_builder_world, ::testing::Test {};

TEST_F(SceneBuilder, EachNameGoesToOneFilterAndTheLastLayerBuiltIsActivated) {
  // Nothing happens before init.
  EXPECT_FALSE(supported({L"a"}));
  add({L"a"});
  EXPECT_EQ(errors(builder), L"(not fed)");
  EXPECT_EQ(trace.take(), L"");

  init();
  EXPECT_EQ(trace.take(), L"f:1 g:1");
  EXPECT_TRUE(supported({L"z", L"b", L"a"}));
  EXPECT_EQ(trace.take(), L"f?z g?z f?b g?b");
  EXPECT_FALSE(supported({L"z"}));
  EXPECT_FALSE(supported({}));
  EXPECT_EQ(trace.take(), L"f?z g?z");
  add({L"a", L"b", L"z"});
  EXPECT_EQ(trace.take(), L"f?a f+a f?b g?b g+b f?z g?z");
  ASSERT_NE(f.builder, nullptr);
  EXPECT_EQ(f.builder, g.builder);
  EXPECT_EQ(state(), "held 1 attached fg layers 2 active 1");

  // A layer built through the layer builder between calls is activated by
  // the next add, even one with no names.
  scene.set_active_index(0);
  Izv_layer* direct = zv_lr_builder_add_layer(f.builder, zv_lr2d_type_vector, L"direct");
  ASSERT_NE(scene.get_active(), static_cast<Izv_entity*>(direct));
  add({});
  EXPECT_EQ(scene.get_active(), static_cast<Izv_entity*>(direct));
}

TEST_F(SceneBuilder, ActivationSkipsALayerRemovedAndFreedDuringTheBuilding) {
  int32_t live_after_removal = -1;
  f.on_add([this, &live_after_removal](Tzv_layer_builder* b, wchar_t const* source) {
    build_layer(b, source);
    Izv_layer* doomed = zv_lr_builder_add_layer(b, zv_lr2d_type_vector, source);
    scene.remove_entity(doomed);  // no bracket is open: freed right away
    live_after_removal = zv_lr2d_test_get_live_count();
  });
  init();
  int32_t const live = zv_lr2d_test_get_live_count();
  add({L"a"});
  // Freed before the activation; under ASan any read of it would fail here.
  EXPECT_EQ(live_after_removal, live + 1);
  EXPECT_EQ(state(), "held 1 attached fg layers 1 active 0");
}

TEST_F(SceneBuilder, NullServiceIsHeldButAskedForNoFilters) {
  zv::scene_2d_editor_extension_service_visitor const visitor(
      zv::interface_of<zv::scene_2d_editor_extension_service_visitor_impl>(*builder));
  Tzvt_filter h(trace, L"h", {});
  Tzvt_extension_service other(3, {h.handle()});
  service.unregister();
  // Delivered while the registry hands over the real service.
  other.on_priority = [visitor] { visitor.visit(zv::scene_2d_editor_extension_service()); };
  init();
  EXPECT_EQ(trace.take(), L"h:1");
  EXPECT_FALSE(supported({L"x"}));
  EXPECT_EQ(trace.take(), L"h?x");
  zv_scn2d_builder_destroy(std::exchange(builder, nullptr));  // before its filter goes
}

// --- Plug-ins that throw ------------------------------------------------------------

using B = Tzvt_builder_world;

struct Tzvt_builder_fault {
  char const* name;
  Tzvt_fault fault;
  char who;              // 'f', 'g' or 's' the service
  bool initialised;      // the call comes after an init
  void (*run)(B&);       // throws
  wchar_t const* trace;  // what the filters were asked meanwhile
  char const* state;     // B::state() after
  wchar_t const* after;  // asked whether "a" is supported once disarmed
};

// A failed init lets go of what it collected and leaves the builder as new; a
// throwing add still ends the building; destroy lets go of everything (the
// builder is freed all the same: the leak check would tell).
Tzvt_builder_fault const builder_faults[] = {
    {"InitPriority", Tzvt_fault::priority, 's', false, [](B& b) { b.init(); }, L"",
     "held 0 attached  layers 0 active -1", L""},
    {"InitFilters", Tzvt_fault::filters, 's', false, [](B& b) { b.init(); }, L"f:1 g:1 f:0 g:0",
     "held 0 attached  layers 0 active -1", L""},
    {"InitAttach", Tzvt_fault::attach, 'g', false, [](B& b) { b.init(); }, L"f:1 g:1 f:0 g:0",
     "held 0 attached  layers 0 active -1", L""},
    {"Supports", Tzvt_fault::supports, 'f', true, [](B& b) { b.supported({L"a"}); }, L"f?a",
     "held 1 attached fg layers 0 active -1", L"f?a"},
    {"SupportsInAdd", Tzvt_fault::supports, 'f', true, [](B& b) { b.add({L"a"}); }, L"f?a",
     "held 1 attached fg layers 0 active -1", L"f?a"},
    {"Add", Tzvt_fault::add, 'g', true,
     [](B& b) {
       b.add({L"a", L"b", L"a"});
     },
     L"f?a f+a f?b g?b g+b", "held 1 attached fg layers 1 active 0", L"f?a"},
    {"Destroy", Tzvt_fault::detach, 'f', true,
     [](B& b) { zv_scn2d_builder_destroy(std::exchange(b.builder, nullptr)); }, L"f:0 g:0",
     "held 0 attached  layers 0 active -1", L""},
};

TEST(SceneBuilderFaults, PluginThrowingAtEachCall) {
  for (Tzvt_builder_fault const& c : builder_faults) {
    SCOPED_TRACE(c.name);
    B b;
    if (c.initialised) b.init();
    b.trace.take();
    Tzvt_faults& target = c.who == 'f'   ? static_cast<Tzvt_faults&>(b.f)
                          : c.who == 'g' ? static_cast<Tzvt_faults&>(b.g)
                                         : b.service;
    target.armed = {c.fault};
    EXPECT_THROW(c.run(b), Tzvt_plugin_error);
    target.armed.clear();
    EXPECT_EQ(b.trace.take(), c.trace);
    EXPECT_EQ(b.state(), c.state);
    if (b.builder == nullptr) continue;
    b.supported({L"a"});
    EXPECT_EQ(b.trace.take(), c.after);
    EXPECT_TRUE(c.after[0] || b.errors(b.builder) == L"(not fed)");
  }
}

TEST_F(SceneBuilder, NullHandlesAndArgumentsDoNothing) {
  Tzvt_name_list names({L"a"});
  zv_scn2d_builder_destroy(nullptr);
  zv_scn2d_builder_init(nullptr, &scene, ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_FALSE(zv_scn2d_builder_is_supported(nullptr, names));
  zv_scn2d_builder_add_sources(nullptr, names);
  EXPECT_EQ(errors(nullptr), L"(not fed)");
  // No scene: no init at all.
  zv_scn2d_builder_init(builder, nullptr, ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(errors(builder), L"(not fed)");
  EXPECT_EQ(state(), "held 0 attached  layers 0 active -1");
  // No identifier: bound to the scene, with no services.
  zv_scn2d_builder_init(builder, &scene, nullptr);
  EXPECT_EQ(errors(builder), L"");
  EXPECT_EQ(state(), "held 0 attached  layers 0 active -1");

  init();
  trace.take();
  EXPECT_FALSE(zv_scn2d_builder_is_supported(builder, nullptr));
  zv_scn2d_builder_add_sources(builder, nullptr);
  zv_scn2d_builder_get_errors(builder, nullptr);
  EXPECT_EQ(trace.take(), L"");
  // A later init with no scene keeps what the earlier one collected.
  zv_scn2d_builder_init(builder, nullptr, ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(state(), "held 1 attached fg layers 0 active -1");
}

}  // namespace
