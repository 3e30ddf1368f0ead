// Plug-in integration across real module borders: the shared library, the
// sample plug-in module and this test program, which offers services of its
// own through its own copy of the binding (plugin/test_services.h and
// plugin/test_filters.h). Everything is reached through the library's exports.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "event_recorder.h"
#include "plugin/test_filters.h"
#include "plugin/test_services.h"
#include "sample_plugin.h"
#include "zv/plugin.h"
#include "zv/scn2d_builder.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

using Tzvt_box = std::array<double, 4>;
using Tzvt_scene_ptr = std::unique_ptr<Izv_scene, decltype(&zv_scn_2d_destroy)>;
using Tzvt_scenes_ptr = std::unique_ptr<Izv_scns2d, decltype(&zv_plugin_scns_2d_destroy)>;
using Tzvt_builder_ptr = std::unique_ptr<Tzv_scene_2d_builder, decltype(&zv_scn2d_builder_destroy)>;

Tzvt_scene_ptr own_scene(Izv_scene* scene) { return {scene, &zv_scn_2d_destroy}; }
Tzvt_scenes_ptr own_scenes(Izv_scns2d* scenes) { return {scenes, &zv_plugin_scns_2d_destroy}; }
Tzvt_builder_ptr new_builder() { return {zv_scn2d_builder_create(), &zv_scn2d_builder_destroy}; }

// The text that `read` feeds into an adapter (ASCII when narrow).
template <class H, class F>
std::wstring text_of(F read, H* handle) {
  std::wstring text;
  Izv_string_adp* adp = zv_string_adp_create(
      [](char const* s, void* out) {
        *static_cast<std::wstring*>(out) = std::wstring(s, s + std::char_traits<char>::length(s));
      },
      [](wchar_t const* s, void* out) { *static_cast<std::wstring*>(out) = s; }, &text);
  read(handle, adp);
  zv_string_adp_destroy(adp);
  return text;
}

std::optional<Tzvt_box> box_of(Izv_scene* scene) {
  Tzv_box_d2 b{};
  if (!zv_scn_2d_get_box(scene, &b)) return std::nullopt;
  return Tzvt_box{b.xmin, b.ymin, b.xmax, b.ymax};
}

std::wstring layer_caption(Izv_scene* scene, uint32_t i) {
  return text_of(&zv_lr2d_get_wcaption, zv_scn_2d_get_layer_ptr(scene, i));
}

// The inits made in a scope, each matched by a done when it ends. Declared
// after the test's services, so the factories let go of them first.
class Tzvt_library_use {
 public:
  Tzvt_library_use() = default;
  Tzvt_library_use(Tzvt_library_use const&) = delete;
  Tzvt_library_use& operator=(Tzvt_library_use const&) = delete;
  ~Tzvt_library_use() {
    while (inits_ > 0) done();
  }
  uint32_t init() {
    uint32_t const count = zv_plugin_scn_2d_init();
    ++inits_;
    return count;
  }
  void done() {
    --inits_;
    zv_plugin_scn_2d_done();
  }

 private:
  int inits_ = 0;
};

// Every test starts with the sample plug-in as the only registered module.
class PluginModule : public ::testing::Test {
 protected:
  void SetUp() override {
    zv_service_registry_clear();
    zv_sample_plugin_register();
  }
  void TearDown() override {
    zv_sample_plugin_unregister();
    zv_service_registry_clear();
  }
};

TEST_F(PluginModule, FirstInitQueriesTheRegistryLaterOnesOnlyCount) {
  Tzvt_scene_service late(L"LateScene");
  Tzvt_library_use library;
  EXPECT_EQ(library.init(), 1u);
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 1u);  // the sample's scene service
  late.register_as();
  EXPECT_EQ(library.init(), 2u);
  library.done();
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 1u);
  EXPECT_EQ(late.meta_id_reads, 0);

  library.done();
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 0u);
  EXPECT_EQ(zv_plugin_scns_2d_create(0), nullptr);

  EXPECT_EQ(library.init(), 1u);  // a fresh query, which finds the late service
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 2u);
  EXPECT_EQ(late.meta_id_reads, 1);
  EXPECT_EQ(late.retained, 1);
  library.done();
  EXPECT_EQ(late.retained, 0);
}

TEST_F(PluginModule, SampleScenesAreMadeByNameUntilTheLastDoneAndOutliveIt) {
  Tzvt_library_use library;
  library.init();
  Tzvt_scene_ptr scene = own_scene(zv_scn_2d_factory_create_scn(ZV_SAMPLE_SCENE_META_ID));
  ASSERT_NE(scene, nullptr);
  EXPECT_STREQ(zv_scn_2d_get_meta_id(scene.get()), ZV_SAMPLE_SCENE_META_ID);
  zv_scn_2d_set_source(scene.get(), L"0, 0, 10 5");
  zv_scn_2d_calc_box(scene.get());
  EXPECT_EQ(box_of(scene.get()), (Tzvt_box{0, 0, 10, 5}));

  // The plug-in's own object: foreign to this module, callable all the same.
  t_zv_scene_2d_interface* own = zv_scn_2d_get_plugin_interface(scene.get());
  ASSERT_NE(own, nullptr);
  EXPECT_EQ(zv::scene_2d_impl::from_interface(*own), nullptr);
  std::wstring source;
  zv::stdwstring_visitor into(&source);
  zv::scene_2d(*own).with_source(into);
  EXPECT_EQ(source, L"0, 0, 10 5");

  library.done();
  EXPECT_EQ(zv_scn_2d_factory_create_scn(ZV_SAMPLE_SCENE_META_ID), nullptr);
  zv_scn_2d_set_source(scene.get(), L"1,2,3,4");
  zv_scn_2d_calc_box(scene.get());
  EXPECT_EQ(box_of(scene.get()), (Tzvt_box{1, 2, 3, 4}));
  // A source that names no extent leaves the box as it was.
  zv_scn_2d_set_source(scene.get(), L"1,2,3");
  zv_scn_2d_calc_box(scene.get());
  EXPECT_EQ(box_of(scene.get()), (Tzvt_box{1, 2, 3, 4}));
  EXPECT_EQ(text_of(&zv_scn_2d_get_source, scene.get()), L"1,2,3");
}

TEST_F(PluginModule, UnregisteredPluginIsAskedForNoMoreScenes) {
  Tzvt_library_use library;
  library.init();
  zv_sample_plugin_unregister();  // invalidates the factory's reference
  Tzvt_scene_ptr scene = own_scene(zv_scn_2d_factory_create_scn(ZV_SAMPLE_SCENE_META_ID));
  ASSERT_NE(scene, nullptr);  // the type stays until the last done
  t_zv_scene_2d_interface* own = zv_scn_2d_get_plugin_interface(scene.get());
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(zv_scene_2d_interface_is_null(*own));
}

TEST_F(PluginModule, SampleSceneTakesTheSourceOfPluginScenesOnly) {
  Tzvt_library_use library;
  library.init();
  Tzvt_scene_ptr from = own_scene(zv_scn_2d_factory_create_scn(ZV_SAMPLE_SCENE_META_ID));
  Tzvt_scene_ptr to = own_scene(zv_scn_2d_factory_create_scn(ZV_SAMPLE_SCENE_META_ID));
  Tzvt_scene_ptr plain = own_scene(zv_scn_2d_create());
  zv_scn_2d_set_source(from.get(), L"2 2 4 4");
  zv_scn_2d_assign(to.get(), from.get());
  EXPECT_EQ(text_of(&zv_scn_2d_get_source, to.get()), L"2 2 4 4");
  zv_scn_2d_assign(to.get(), plain.get());  // scene data only: the plug-in is not asked
  EXPECT_EQ(text_of(&zv_scn_2d_get_source, to.get()), L"2 2 4 4");
}

TEST_F(PluginModule, TwoServicesWithOneMetaIdShareTheFirstCreator) {
  Tzvt_scene_service twin(L"" ZV_SAMPLE_SCENE_META_ID);
  twin.register_as();
  Tzvt_library_use library;
  library.init();
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 2u);

  Tzvt_scene_ptr scene = own_scene(zv_scn_2d_factory_create_scn(ZV_SAMPLE_SCENE_META_ID));
  ASSERT_NE(scene, nullptr);
  EXPECT_TRUE(twin.scenes.empty());
  // The twin's collection makes its members by the shared name: the sample's.
  Tzvt_scenes_ptr twins = own_scenes(zv_plugin_scns_2d_create(1));
  ASSERT_NE(twins, nullptr);
  EXPECT_EQ(text_of([](Izv_scns2d* s, Izv_string_adp* a) { s->get_wcaption(a); }, twins.get()), L"Test scenes");
  Izv_scene* member = zv_scns_2d_add(twins.get());
  ASSERT_NE(member, nullptr);
  EXPECT_TRUE(twin.scenes.empty());

  library.done();  // both factories withdraw the name
  EXPECT_EQ(zv_scn_2d_factory_create_scn(ZV_SAMPLE_SCENE_META_ID), nullptr);
}

TEST_F(PluginModule, CollectionWithoutPluginObjectKeepsItsScenesAlone) {
  Tzvt_scene_service bare(L"BareScene");
  bare.makes_collections = false;
  bare.register_as();
  Tzvt_library_use library;
  library.init();

  Tzvt_scenes_ptr samples = own_scenes(zv_plugin_scns_2d_create(0));
  ASSERT_NE(zv_scns_2d_get_plugin_interface(samples.get()), nullptr);
  EXPECT_FALSE(zv_scene_2d_collection_interface_is_null(*zv_scns_2d_get_plugin_interface(samples.get())));
  EXPECT_STREQ(zv_scns_2d_get_meta_id(samples.get()), ZV_SAMPLE_SCENES_META_ID);

  Tzvt_scenes_ptr scenes = own_scenes(zv_plugin_scns_2d_create(1));
  t_zv_scene_2d_collection_interface* own = zv_scns_2d_get_plugin_interface(scenes.get());
  ASSERT_NE(own, nullptr);
  EXPECT_TRUE(zv_scene_2d_collection_interface_is_null(*own));
  Izv_scene* first = zv_scns_2d_add(scenes.get());
  Izv_scene* second = zv_scns_2d_add(scenes.get());
  ASSERT_EQ(bare.scenes.size(), 2u);
  EXPECT_NE(text_of(&zv_scn_2d_get_wcaption, first), text_of(&zv_scn_2d_get_wcaption, second));
  zv_scns_2d_clear(scenes.get());
  EXPECT_EQ(zv_scns_2d_get_size(scenes.get()), 0u);
  for (auto const& object : bare.scenes) EXPECT_EQ(object->owner, nullptr);  // each let go
}

TEST_F(PluginModule, PluginAskingForTheBoxInsideWithExtentGetsTheScenesOwn) {
  Tzvt_scene_service reentrant(L"ReentrantScene");
  reentrant.register_as();
  Tzvt_library_use library;
  library.init();
  Tzvt_scene_ptr scene = own_scene(zv_scn_2d_factory_create_scn("ReentrantScene"));
  ASSERT_NE(scene, nullptr);
  Tzv_box_d2 const data{0, 0, 1, 1};
  zv_lr2d_test_set_box(zv_scn_2d_add_layer_type_name(scene.get(), "vector"), &data);
  Tzvt_plugin_scene& own = reentrant.last_scene();
  own.recall = true;

  zv_scn_2d_calc_box(scene.get());  // the plug-in reports nothing after its call back
  EXPECT_EQ(own.extent_requests, 1);
  EXPECT_EQ(box_of(scene.get()), (Tzvt_box{0, 0, 1, 1}));
  own.extents = {{5, 5, 6, 6}};
  zv_scn_2d_calc_box(scene.get());
  EXPECT_EQ(own.extent_requests, 2);
  EXPECT_EQ(box_of(scene.get()), (Tzvt_box{5, 5, 6, 6}));
}

TEST_F(PluginModule, BuilderAsksFiltersByPriorityThenArrival) {
  Tzvt_filter_trace trace;
  Tzvt_filter late5(trace, L"late5", {L"a.t"});
  Tzvt_filter first1(trace, L"first1", {L"a.t"});
  Tzvt_filter second1(trace, L"second1", {L"a.t"});
  first1.on_add(
      [](Tzv_layer_builder* builder, wchar_t const* source) { zv_lr_builder_add_layer(builder, "vector", source); });
  Tzvt_extension_service service5(5, {late5.handle()});
  Tzvt_extension_service service1(1, {first1.handle()});
  Tzvt_extension_service other1(1, {second1.handle()});
  Tzvt_scene_ptr scene = own_scene(zv_scn_2d_create());
  Tzvt_builder_ptr builder = new_builder();
  zv_scn2d_builder_init(builder.get(), scene.get(), ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(trace.take(), L"first1:1 second1:1 late5:1");

  // The sample came first but has the highest priority: its filters come last.
  zv_scn2d_builder_add_sources(builder.get(), Tzvt_name_list{L"a.t", L"roads.zvv"});
  EXPECT_EQ(trace.take(), L"first1?a.t first1+a.t first1?roads.zvv second1?roads.zvv late5?roads.zvv");
  ASSERT_EQ(zv_scn_2d_get_layer_count(scene.get()), 2u);
  EXPECT_EQ(layer_caption(scene.get(), 1), L"roads");
  EXPECT_EQ(zv_scn_2d_get_active_lr2d_idx(scene.get()), 1u);
}

TEST_F(PluginModule, SampleFiltersBuildLayersAndReportBadNames) {
  Tzvt_scene_ptr scene = own_scene(zv_scn_2d_create());
  Tzvt_builder_ptr builder = new_builder();
  zv_scn2d_builder_init(builder.get(), scene.get(), ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_TRUE(zv_scn2d_builder_is_supported(builder.get(), Tzvt_name_list{L"notes.txt", L"zvr", L"relief.zvr"}));
  EXPECT_FALSE(zv_scn2d_builder_is_supported(builder.get(), Tzvt_name_list{L"notes.txt", L"zvv"}));

  zv_scn2d_builder_add_sources(builder.get(),
                               Tzvt_name_list{L"notes.txt", L"C:\\maps\\relief.ZVR", L"maps/bad name.zvv"});
  ASSERT_EQ(zv_scn_2d_get_layer_count(scene.get()), 1u);
  EXPECT_EQ(layer_caption(scene.get(), 0), L"relief");
  EXPECT_STREQ(zv_lr2d_get_lr_type(zv_scn_2d_get_layer_ptr(scene.get(), 0)), "raster");
  EXPECT_EQ(text_of(&zv_scn2d_builder_get_errors, builder.get()), L"maps/bad name.zvv: not a data set name");

  zv_scn2d_builder_add_sources(builder.get(), Tzvt_name_list{});  // a building of its own, without errors
  EXPECT_EQ(text_of(&zv_scn2d_builder_get_errors, builder.get()), L"");
}

TEST_F(PluginModule, SecondInitLetsGoOfTheFirstServicesAndFilters) {
  Tzvt_filter_trace trace;
  Tzvt_filter first_filter(trace, L"first", {});
  Tzvt_extension_service first(1, {first_filter.handle()});
  std::optional<Tzvt_filter> second_filter;
  std::optional<Tzvt_extension_service> second;
  Tzvt_scene_ptr scene = own_scene(zv_scn_2d_create());
  Tzvt_builder_ptr builder = new_builder();
  zv_scn2d_builder_init(builder.get(), scene.get(), ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(zv_sample_plugin_get_filter_holds(), 2);
  EXPECT_EQ(first.holder_count(), 1);
  EXPECT_EQ(trace.take(), L"first:1");

  second_filter.emplace(trace, L"second", std::set<std::wstring>{});
  second.emplace(2, std::vector<zv::scene_editor_filter>{second_filter->handle()});
  zv_scn2d_builder_init(builder.get(), scene.get(), ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  EXPECT_EQ(trace.take(), L"first:0 first:1 second:1");
  EXPECT_EQ(zv_sample_plugin_get_filter_holds(), 2);  // let go, then taken anew
  EXPECT_EQ(first.holder_count(), 1);
  EXPECT_EQ(second->holder_count(), 1);

  builder.reset();
  EXPECT_EQ(trace.take(), L"first:0 second:0");
  EXPECT_EQ(zv_sample_plugin_get_filter_holds(), 0);
  EXPECT_EQ(first.holder_count(), 0);
  EXPECT_EQ(second->holder_count(), 0);
}

TEST_F(PluginModule, FilterExceptionReachesTheHostWithTheBuildingClosed) {
  Tzvt_filter_trace trace;
  Tzvt_filter thrower(trace, L"thrower", {L"a.t"});
  thrower.on_add([](Tzv_layer_builder* builder, wchar_t const* source) {
    zv_lr_builder_add_layer(builder, "vector", source);
    throw Tzvt_filter_error{L"after the layer"};
  });
  Tzvt_extension_service service(1, {thrower.handle()});
  Tzvt_scene_ptr scene = own_scene(zv_scn_2d_create());
  Tzvt_builder_ptr builder = new_builder();
  zv_scn2d_builder_init(builder.get(), scene.get(), ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(scene.get()));

  EXPECT_THROW(zv_scn2d_builder_add_sources(builder.get(), Tzvt_name_list{L"a.t"}), Tzvt_filter_error);
  EXPECT_EQ(rec.take(), "B U[1] E B U[3] E");  // the layer made before the throw, then its activation
  zv_scn2d_builder_add_sources(builder.get(), Tzvt_name_list{L"b.zvv"});  // the builder goes on
  EXPECT_EQ(zv_scn_2d_get_layer_count(scene.get()), 2u);
}

}  // namespace
