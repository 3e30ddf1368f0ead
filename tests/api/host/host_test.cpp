// The library as a host loads it: the shared module, reached through its
// exports only, with listeners in the host's own module; and plug-in modules
// across real module borders: the sample plug-in, and services of this
// program's own, written with its own copy of the binding (support/plugin_fakes.h).
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "event_recorder.h"
#include "sample_plugin.h"
#include "support/plugin_fakes.h"
#include "support/text.h"
#include "zv/plugin.h"
#include "zv/scn2d_builder.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

template <class T>
std::unique_ptr<T, void (*)(T*)> own(T* object, void (*destroy)(T*)) {
  return {object, destroy};
}
auto scene_named(char const* meta_id) { return own(zv_scn_2d_factory_create_scn(meta_id), zv_scn_2d_destroy); }
auto scenes_of(uint32_t factory) { return own(zv_plugin_scns_2d_create(factory), zv_plugin_scns_2d_destroy); }
std::vector<double> box_of(Izv_scene* scene) {
  Tzv_box_d2 b{};
  zv_scn_2d_calc_box(scene);
  return zv_scn_2d_get_box(scene, &b) ? std::vector<double>{b.xmin, b.ymin, b.xmax, b.ymax} : std::vector<double>{};
}
std::wstring source_of(Izv_scene* scene) {
  return text([scene](Izv_string_adp* a) { zv_scn_2d_get_source(scene, a); });
}

// A host listener that throws on the update event and again on the end event.
struct Tzv_host_thrower {
  int update = 0, end = 0;
  static void proc(Tzv_table* q, void* data) {
    auto* self = static_cast<Tzv_host_thrower*>(data);
    if (zv_event_queue_get_update_event(q, 0) && self->update-- > 0) throw "host update";
    if (zv_event_queue_get_end_update_event(q, 0) && self->end-- > 0) throw "host end";
  }
};

// An exception from a host listener crosses into the library and back: the
// library's brackets close, the first exception reaches the host, and a
// second one thrown while the first unwinds does not end the process.
TEST(Host, ListenerExceptionsCrossTheModuleBorder) {
  Izv_scene* scene = zv_scn_2d_create();
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(scene));
  Tzv_host_thrower thrower{1, 1};
  zv_event_channel_add_client(zv_scn_2d_get_update_event_channel(scene), &Tzv_host_thrower::proc, &thrower);
  std::string caught;
  try {
    zv_scn_2d_add_layer_type_name(scene, "vector");
  } catch (char const* text) {
    caught = text;
  }
  EXPECT_EQ(caught, "host update");
  EXPECT_EQ(rec.take(), "B U[1] E");
  EXPECT_EQ(zv_history_manager_get_depth(zv_history_manager_get_instance()), 0);
  zv_scn_2d_set_marked(scene, true);  // the scene announces again
  EXPECT_EQ(rec.take(), "B U[5] E");
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene), 1u);
  zv_event_channel_del_client(zv_scn_2d_get_update_event_channel(scene), &Tzv_host_thrower::proc, &thrower);
  rec.detach();
  zv_scn_2d_destroy(scene);
}

// Every test starts with the sample plug-in as the only registered module;
// the test's own services go before the inits, which are matched by dones
// before the services go.
class PluginModule : public ::testing::Test {
 protected:
  void SetUp() override {
    zv_service_registry_clear();
    zv_sample_plugin_register();
  }
  void TearDown() override {
    while (inits_ > 0) done();
    zv_sample_plugin_unregister();
    zv_service_registry_clear();
  }
  uint32_t init() {
    ++inits_;
    return zv_plugin_scn_2d_init();
  }
  void done() {
    --inits_;
    zv_plugin_scn_2d_done();
  }
  Tzvt_scene_service twin{L"" ZV_SAMPLE_SCENE_META_ID}, bare{L"BareScene"}, late{L"LateScene"};

 private:
  int inits_ = 0;
};

TEST_F(PluginModule, FactoriesComeWithTheFirstInitAndGoWithTheLastDone) {
  twin.register_as();
  bare.makes_collections = false;
  bare.register_as();
  EXPECT_EQ(init(), 1u);
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 3u);
  late.register_as();
  EXPECT_EQ(init(), 2u);  // later inits only count
  done();
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 3u);
  EXPECT_EQ(late.meta_id_reads, 0);

  auto samples = scenes_of(0);
  EXPECT_FALSE(zv_scene_2d_collection_interface_is_null(*zv_scns_2d_get_plugin_interface(samples.get())));
  EXPECT_STREQ(zv_scns_2d_get_meta_id(samples.get()), ZV_SAMPLE_SCENES_META_ID);
  // Two services with one meta id share the first one's creator, also for
  // the members of the twin's collection.
  ASSERT_NE(scene_named(ZV_SAMPLE_SCENE_META_ID), nullptr);
  auto twins = scenes_of(1);
  EXPECT_EQ(caption_of(twins.get()), L"Test scenes");
  ASSERT_NE(zv_scns_2d_add(twins.get()), nullptr);
  EXPECT_TRUE(twin.scenes.empty());
  // A collection without a plug-in object keeps its scenes alone.
  auto scenes = scenes_of(2);
  EXPECT_TRUE(zv_scene_2d_collection_interface_is_null(*zv_scns_2d_get_plugin_interface(scenes.get())));
  Izv_scene* first = zv_scns_2d_add(scenes.get());
  EXPECT_NE(caption_of(first), caption_of(zv_scns_2d_add(scenes.get())));
  ASSERT_EQ(bare.scenes.size(), 2u);
  zv_scns_2d_clear(scenes.get());
  EXPECT_EQ(zv_scns_2d_get_size(scenes.get()), 0u);
  for (auto const& object : bare.scenes) EXPECT_EQ(object->owner, nullptr);  // each let go

  done();  // the factories withdraw their names
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 0u);
  EXPECT_EQ(scene_named(ZV_SAMPLE_SCENE_META_ID), nullptr);
  EXPECT_EQ(scenes_of(0), nullptr);
  EXPECT_EQ(init(), 1u);  // a fresh query, which finds the late service
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 4u);
  EXPECT_EQ(late.meta_id_reads, 1);
  EXPECT_EQ(late.retained, 1);
  done();
  EXPECT_EQ(late.retained, 0);
}

TEST_F(PluginModule, SampleScenesWorkAcrossTheBorderAndOutliveTheLastDone) {
  init();
  auto scene = scene_named(ZV_SAMPLE_SCENE_META_ID);
  ASSERT_NE(scene, nullptr);
  EXPECT_STREQ(zv_scn_2d_get_meta_id(scene.get()), ZV_SAMPLE_SCENE_META_ID);
  zv_scn_2d_set_source(scene.get(), L"0, 0, 10 5");
  EXPECT_EQ(box_of(scene.get()), (std::vector<double>{0, 0, 10, 5}));
  // The plug-in's own object: foreign to this module, callable all the same.
  t_zv_scene_2d_interface* plugin_object = zv_scn_2d_get_plugin_interface(scene.get());
  ASSERT_NE(plugin_object, nullptr);
  EXPECT_EQ(zv::scene_2d_impl::from_interface(*plugin_object), nullptr);
  std::wstring source;
  zv::stdwstring_visitor into(&source);
  zv::scene_2d(*plugin_object).with_source(into);
  EXPECT_EQ(source, L"0, 0, 10 5");
  // Another sample scene takes the source of plug-in scenes only.
  auto to = scene_named(ZV_SAMPLE_SCENE_META_ID);
  auto plain = own(zv_scn_2d_create(), zv_scn_2d_destroy);
  zv_scn_2d_assign(to.get(), scene.get());
  zv_scn_2d_assign(to.get(), plain.get());  // scene data only: the plug-in is not asked
  EXPECT_EQ(source_of(to.get()), L"0, 0, 10 5");
  // Unregistered, the plug-in is asked for no more scenes; the type stays until the last done.
  zv_sample_plugin_unregister();
  auto orphan = scene_named(ZV_SAMPLE_SCENE_META_ID);
  ASSERT_NE(orphan, nullptr);
  EXPECT_TRUE(zv_scene_2d_interface_is_null(*zv_scn_2d_get_plugin_interface(orphan.get())));

  done();
  EXPECT_EQ(scene_named(ZV_SAMPLE_SCENE_META_ID), nullptr);
  zv_scn_2d_set_source(scene.get(), L"1,2,3,4");
  EXPECT_EQ(box_of(scene.get()), (std::vector<double>{1, 2, 3, 4}));
  zv_scn_2d_set_source(scene.get(), L"1,2,3");  // names no extent: the box stays
  EXPECT_EQ(box_of(scene.get()), (std::vector<double>{1, 2, 3, 4}));
  EXPECT_EQ(source_of(scene.get()), L"1,2,3");
}

// Re-entry: a plug-in that asks its scene for the box inside with_extent.
TEST_F(PluginModule, PluginAskingForTheBoxInsideWithExtentGetsTheScenesOwn) {
  late.register_as();
  init();
  auto scene = scene_named("LateScene");
  ASSERT_NE(scene, nullptr);
  Tzv_box_d2 const data{0, 0, 1, 1};
  zv_lr2d_test_set_box(zv_scn_2d_add_layer_type_name(scene.get(), "vector"), &data);
  Tzvt_plugin_scene& plugin_object = late.last_scene();
  plugin_object.recall = true;
  EXPECT_EQ(box_of(scene.get()), (std::vector<double>{0, 0, 1, 1}));  // nothing reported after the call back
  EXPECT_EQ(plugin_object.extent_requests, 1);
  plugin_object.extents = {{5, 5, 6, 6}};
  EXPECT_EQ(box_of(scene.get()), (std::vector<double>{5, 5, 6, 6}));
  EXPECT_EQ(plugin_object.extent_requests, 2);
}

// The builder with the sample's filters and filters of this program's own.
TEST_F(PluginModule, BuilderAsksFiltersAcrossModulesByPriorityThenArrival) {
  Tzvt_filter_trace trace, quiet;
  Tzvt_filter late5(trace, L"late5", {L"a.t"});
  Tzvt_filter first1(trace, L"first1", {L"a.t"});
  Tzvt_filter second1(trace, L"second1", {L"a.t"});
  Tzvt_filter thrower(quiet, L"thrower", {L"x.t"});
  first1.on_add([](Tzv_layer_builder* b, wchar_t const* source) { zv_lr_builder_add_layer(b, "vector", source); });
  thrower.on_add([](Tzv_layer_builder* b, wchar_t const* source) {
    zv_lr_builder_add_layer(b, "vector", source);
    throw Tzvt_filter_error{L"after the layer"};
  });
  Tzvt_extension_service service5(5, {late5.handle()});
  Tzvt_extension_service service1(1, {first1.handle(), thrower.handle()});
  Tzvt_extension_service other1(1, {second1.handle()});
  auto scene = own(zv_scn_2d_create(), zv_scn_2d_destroy);
  auto builder = own(zv_scn2d_builder_create(), zv_scn2d_builder_destroy);
  zv_scn2d_builder_init(builder.get(), scene.get(), ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(trace.take(), L"first1:1 second1:1 late5:1");
  // The sample came first but has the highest priority: its filters come last.
  zv_scn2d_builder_add_sources(builder.get(), Tzvt_name_list{L"a.t", L"roads.zvv"});
  EXPECT_EQ(trace.take(), L"first1?a.t first1+a.t first1?roads.zvv second1?roads.zvv late5?roads.zvv");
  ASSERT_EQ(zv_scn_2d_get_layer_count(scene.get()), 2u);
  EXPECT_EQ(caption_of(zv_scn_2d_get_layer_ptr(scene.get(), 1)), L"roads");
  EXPECT_EQ(zv_scn_2d_get_active_lr2d_idx(scene.get()), 1u);

  EXPECT_TRUE(zv_scn2d_builder_is_supported(builder.get(), Tzvt_name_list{L"notes.txt", L"zvr", L"relief.zvr"}));
  EXPECT_FALSE(zv_scn2d_builder_is_supported(builder.get(), Tzvt_name_list{L"notes.txt", L"zvv"}));
  zv_scn2d_builder_add_sources(builder.get(),
                               Tzvt_name_list{L"notes.txt", L"C:\\maps\\relief.ZVR", L"maps/bad name.zvv"});
  ASSERT_EQ(zv_scn_2d_get_layer_count(scene.get()), 3u);
  EXPECT_EQ(caption_of(zv_scn_2d_get_layer_ptr(scene.get(), 2)), L"relief");
  EXPECT_STREQ(zv_lr2d_get_lr_type(zv_scn_2d_get_layer_ptr(scene.get(), 2)), "raster");
  auto const errors = [&] { return text([&](Izv_string_adp* a) { zv_scn2d_builder_get_errors(builder.get(), a); }); };
  EXPECT_EQ(errors(), L"maps/bad name.zvv: not a data set name");
  zv_scn2d_builder_add_sources(builder.get(), Tzvt_name_list{});  // a building of its own, without errors
  EXPECT_EQ(errors(), L"");

  // A filter's exception reaches the host with the building closed, and the builder goes on.
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(scene.get()));
  EXPECT_THROW(zv_scn2d_builder_add_sources(builder.get(), Tzvt_name_list{L"x.t"}), Tzvt_filter_error);
  EXPECT_EQ(rec.take(), "B U[1] E B U[3] E");  // the layer made before the throw, then its activation
  zv_scn2d_builder_add_sources(builder.get(), Tzvt_name_list{L"b.zvv"});
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene.get()), 5u);

  // A second init lets go of the first services and filters, across the border too.
  EXPECT_EQ(zv_sample_plugin_get_filter_holds(), 2);
  zv_scn2d_builder_init(builder.get(), scene.get(), ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(zv_sample_plugin_get_filter_holds(), 2);
  EXPECT_EQ(service1.holder_count(), 1);
  builder.reset();
  EXPECT_EQ(zv_sample_plugin_get_filter_holds(), 0);
  EXPECT_EQ(service1.holder_count() + service5.holder_count(), 0);
}

}  // namespace
