// The scene factory map through its exports, and plug-in scene factories
// made from scene services: names, creators, withdrawal and release of the
// service, and the collections a factory makes.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "core/string_adapters.h"
#include "plugin/plugin_scene_factory.h"
#include "plugin/plugin_scenes.h"
#include "plugin/plugin_scn_2d.h"
#include "plugin/scene_factory_map.h"
#include "plugin/test_services.h"
#include "text/encodings.h"
#include "zv/plugin.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/scns_2d.h"

namespace {

// Creators that tell apart who made a scene by its caption.
Izv_scene* make_first() {
  Izv_scene* s = zv_scn_2d_create();
  zv_scn_2d_set_wcaption(s, L"first");
  return s;
}
Izv_scene* make_second() {
  Izv_scene* s = zv_scn_2d_create();
  zv_scn_2d_set_wcaption(s, L"second");
  return s;
}
Izv_scene* make_with(void* caption) {
  Izv_scene* s = zv_scn_2d_create();
  zv_scn_2d_set_wcaption(s, static_cast<wchar_t const*>(caption));
  return s;
}
void* text(wchar_t const* s) { return const_cast<wchar_t*>(s); }
Izv_scene* make_throwing() { throw Tzvt_plugin_error{7}; }

std::wstring caption_made_by(char const* name) {
  Izv_scene* s = zv_scn_2d_factory_create_scn(name);
  if (s == nullptr) return L"<none>";
  std::wstring const caption = zv_read_wtext([s](Izv_string_adp* adp) { zv_scn_2d_get_wcaption(s, adp); });
  zv_scn_2d_factory_destroy_scn(s);
  return caption;
}

Tzv_scene_creator const* creator_of(char const* name) { return zv_scene_factory_map()->find(name); }

// Every test leaves the process-wide map as it found it.
struct FactoryMap : ::testing::Test {
  ~FactoryMap() override {
    for (char const* name : {"Scene", "scene", "Null", "Throws"}) zv_scn_2d_factory_detach(name);
  }
};

TEST_F(FactoryMap, FirstCreatorStaysAndDetachRemovesOnce) {
  EXPECT_TRUE(zv_scn_2d_factory_attach(nullptr, nullptr, "Scene", &make_first));
  EXPECT_FALSE(zv_scn_2d_factory_attach(nullptr, nullptr, "Scene", &make_second));
  EXPECT_FALSE(zv_scn_2d_factory_attach_ctx(nullptr, nullptr, "Scene", &make_with, text(L"third")));
  EXPECT_EQ(caption_made_by("Scene"), L"first");

  EXPECT_TRUE(zv_scn_2d_factory_detach("Scene"));
  EXPECT_FALSE(zv_scn_2d_factory_detach("Scene"));
  EXPECT_EQ(caption_made_by("Scene"), L"<none>");
  // The name is free again; a creator with context is called with it.
  EXPECT_TRUE(zv_scn_2d_factory_attach_ctx(nullptr, nullptr, "Scene", &make_with, text(L"ctx")));
  EXPECT_EQ(caption_made_by("Scene"), L"ctx");
}

TEST_F(FactoryMap, NamesAreCaseSensitiveAndDetachOfAMissingNameLeavesTheRest) {
  ASSERT_TRUE(zv_scn_2d_factory_attach(nullptr, nullptr, "Scene", &make_first));
  ASSERT_TRUE(zv_scn_2d_factory_attach(nullptr, nullptr, "scene", &make_second));
  std::size_t const size = zv_scene_factory_map()->size();

  EXPECT_FALSE(zv_scn_2d_factory_detach("SCENE"));
  EXPECT_EQ(zv_scene_factory_map()->size(), size);
  EXPECT_EQ(caption_made_by("Scene"), L"first");
  EXPECT_EQ(caption_made_by("scene"), L"second");
}

// The map keeps an empty creator for a null function; asking it makes nothing
// instead of calling through a null pointer.
TEST_F(FactoryMap, NullFunctionEntersAnEmptyCreatorThatMakesNothing) {
  EXPECT_TRUE(zv_scn_2d_factory_attach(nullptr, nullptr, "Null", nullptr));
  EXPECT_NE(creator_of("Null"), nullptr);
  EXPECT_EQ(zv_scn_2d_factory_create_scn("Null"), nullptr);
  EXPECT_FALSE(zv_scn_2d_factory_attach(nullptr, nullptr, "Null", &make_first));
}

TEST_F(FactoryMap, CreatorExceptionPassesAndTheEntryStays) {
  ASSERT_TRUE(zv_scn_2d_factory_attach(nullptr, nullptr, "Throws", &make_throwing));
  EXPECT_THROW(zv_scn_2d_factory_create_scn("Throws"), Tzvt_plugin_error);
  EXPECT_NE(creator_of("Throws"), nullptr);
}

TEST_F(FactoryMap, NullNamesAndScenes) {
  EXPECT_FALSE(zv_scn_2d_factory_attach(nullptr, nullptr, nullptr, &make_first));
  EXPECT_FALSE(zv_scn_2d_factory_attach_ctx(nullptr, nullptr, nullptr, &make_with, nullptr));
  EXPECT_FALSE(zv_scn_2d_factory_detach(nullptr));
  EXPECT_EQ(zv_scn_2d_factory_create_scn(nullptr), nullptr);
  EXPECT_EQ(zv_scn_2d_factory_create_scn("NotThere"), nullptr);
  zv_scn_2d_factory_destroy_scn(nullptr);
}

// --- Factories made from services ---------------------------------------------------

struct PluginFactory : ::testing::Test {
  Tzvt_scene_service service{L"Sc\u00e8ne"};
  std::unique_ptr<Tzv_plugin_scene_factory> factory = std::make_unique<Tzv_plugin_scene_factory>(service.handle());

  char const* name() const { return factory->meta_id().c_str(); }
};

TEST_F(PluginFactory, ReadsItsNamesOnceAndEntersItsSceneType) {
  // In the system code page: UTF-8 on Linux, the ANSI code page on Windows.
  EXPECT_EQ(factory->meta_id(), zv::text::encode(L"Sc\u00e8ne", zv::text::encoding_system));
  EXPECT_EQ(factory->collection_meta_id(), "TestSceneCollection");
  EXPECT_EQ(factory->collection_caption(), L"Test scenes");
  EXPECT_EQ(service.meta_id_reads, 1);
  EXPECT_EQ(service.retained, 1);

  Izv_scene* made = zv_scn_2d_factory_create_scn(name());
  auto* scene = dynamic_cast<Tzv_plugin_scn_2d*>(made);
  ASSERT_NE(scene, nullptr);
  EXPECT_STREQ(zv_scn_2d_get_meta_id(made), name());
  ASSERT_EQ(service.scenes.size(), 1u);
  EXPECT_EQ(service.last_scene().owner, made);
  EXPECT_TRUE(scene->plugin() == service.last_scene().handle());
  zv_scn_2d_factory_destroy_scn(made);
  EXPECT_EQ(service.last_scene().owner, nullptr);
}

TEST_F(PluginFactory, TwoServicesWithOneMetaIdFirstServesEitherWithdraws) {
  Tzvt_scene_service twin{service.meta_id};
  {
    Tzv_plugin_scene_factory second(twin.handle());
    zv_scn_2d_factory_destroy_scn(zv_scn_2d_factory_create_scn(name()));
    EXPECT_EQ(service.scenes.size(), 1u);
    EXPECT_TRUE(twin.scenes.empty());
  }
  EXPECT_EQ(creator_of(name()), nullptr);  // the second one took the first one's name along
  EXPECT_EQ(twin.retained, 0);
}

TEST_F(PluginFactory, CollectionPairedWithThePluginCollection) {
  Izv_scns2d* made = factory->create_scns();
  auto* scenes = dynamic_cast<Tzv_plugin_scenes*>(made);
  ASSERT_NE(scenes, nullptr);
  Tzvt_plugin_collection& plugin = service.last_collection();
  EXPECT_EQ(plugin.owner, static_cast<Izv_entity*>(scenes));
  EXPECT_TRUE(scenes->plugin() == plugin.handle());
  EXPECT_STREQ(zv_scns_2d_get_meta_id(made), "TestSceneCollection");
  EXPECT_STREQ(scenes->get_scene_meta_id(), name());
  EXPECT_EQ(zv_read_wtext([made](Izv_string_adp* adp) { made->get_wcaption(adp); }), L"Test scenes");

  zv_plugin_scns_2d_destroy(made);
  EXPECT_EQ(plugin.owner, nullptr);
  EXPECT_EQ(plugin.reattach_calls, 2);
}

// The collection that the throwing service had already paired is unpaired
// and freed.
TEST_F(PluginFactory, ServiceThrowingAfterHandingOverItsCollection) {
  service.fault = Tzvt_scene_service::after_new_collection;
  EXPECT_THROW(factory->create_scns(), Tzvt_plugin_error);
  EXPECT_EQ(service.last_collection().reattach_calls, 2);
  EXPECT_EQ(service.last_collection().owner, nullptr);
}

TEST(PluginFactoryFaults, ServiceThrowingWhileNamedEntersNothingAndIsReleased) {
  Tzvt_scene_service service{L"Faulty"};
  service.fault = Tzvt_scene_service::on_meta_id;
  EXPECT_THROW(Tzv_plugin_scene_factory{service.handle()}, Tzvt_plugin_error);
  EXPECT_EQ(service.retained, 0);
  EXPECT_EQ(creator_of("Faulty"), nullptr);
}

}  // namespace
