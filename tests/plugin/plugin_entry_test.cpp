// The library's start and stop, the scene factory map and the plug-in scene
// factories made from scene services, through the exports: names, creators,
// plug-ins that throw at each call, and what outlives done. Counting of init
// and done, the registry asked once per initialised period and the order of
// the factories are pinned across the module border by the host's plug-in
// tests.
#include <gtest/gtest.h>

#include <functional>
#include <list>
#include <memory>
#include <sstream>
#include <string>

#include "plugin/plugin_entry.h"
#include "plugin/plugin_scene_factory.h"
#include "plugin/plugin_scenes.h"
#include "plugin/plugin_scn_2d.h"
#include "plugin/scene_factory_map.h"
#include "support/plugin_fakes.h"
#include "support/text.h"
#include "text/encodings.h"
#include "zv/plugin.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/scns_2d.h"

namespace {

// Every test starts and ends uninitialised, with the factory map as it found it.
struct Plugin : ::testing::Test {
  Tzvt_scene_service first{L"Sc\u00e8ne"};
  Tzvt_scene_service second{L"Second"};
  std::string const first_name = zv::text::encode(L"Sc\u00e8ne", zv::text::encoding_system);

  Plugin() { first.register_as(); }
  ~Plugin() override {
    while (zv_plugin_entry()->get_init_count() != 0) zv_plugin_scn_2d_done();
    for (char const* name : {"Scene", "scene", "Null", "Throws"}) zv_scn_2d_factory_detach(name);
  }
  // What the process holds: inits, factories, referrers of each service and
  // plug-in objects paired with a library object.
  std::string held() {
    int paired = 0;
    for (Tzvt_scene_service* s : {&first, &second}) {
      for (auto const& scene : s->scenes) paired += scene->owner != nullptr;
      for (auto const& c : s->collections) paired += c->owner != nullptr;
    }
    return "inits " + std::to_string(zv_plugin_entry()->get_init_count()) + " factories " +
           std::to_string(zv_scn_2d_factory_get_count()) + " retained " + std::to_string(first.retained) + "," +
           std::to_string(second.retained) + " paired " + std::to_string(paired);
  }
};

// A done too many is ignored rather than wrapping the unsigned count, so it
// cannot destroy the factories twice and the next init still builds them.
TEST_F(Plugin, DoneWithoutInitAndFactoriesOutOfRange) {
  zv_plugin_scn_2d_done();
  EXPECT_EQ(zv_plugin_scns_2d_create(0), nullptr);
  EXPECT_EQ(zv_plugin_scn_2d_init(), 1u);
  EXPECT_EQ(held(), "inits 1 factories 1 retained 1,0 paired 0");
  EXPECT_EQ(zv_plugin_scns_2d_create(-1), nullptr);
  EXPECT_EQ(zv_plugin_scns_2d_create(1), nullptr);
  zv_plugin_scn_2d_done();
  first.unregister();
  EXPECT_EQ(zv_plugin_scn_2d_init(), 1u);
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 0u);
  EXPECT_EQ(zv_plugin_scns_2d_create(0), nullptr);
}

// A service that initialises the library again while the first init builds
// the factories is counted, and no second set of factories is built.
TEST_F(Plugin, InitFromInsideTheFirstInitOnlyCounts) {
  second.register_as();
  second.while_naming = [] { zv_plugin_scn_2d_init(); };
  EXPECT_EQ(zv_plugin_scn_2d_init(), 2u);
  second.while_naming = nullptr;
  EXPECT_EQ(held(), "inits 2 factories 2 retained 1,1 paired 0");
  zv_plugin_scn_2d_done();
  zv_plugin_scn_2d_done();
  EXPECT_EQ(held(), "inits 0 factories 0 retained 0,0 paired 0");
}

// A plug-in that throws at each call the library makes into it: the
// exception reaches the caller and nothing stays half-made.
struct Tzvt_fault_case {
  char const* name;
  Tzvt_scene_service Plugin::*service;
  Tzvt_fault fault;
  std::function<void(Plugin&)> run;  // throws
};

Tzvt_fault_case const fault_cases[] = {
    // The half-built factories are freed: the first service is released and its name withdrawn.
    {"NamingDuringInit", &Plugin::second, Tzvt_fault::name, [](Plugin&) { zv_plugin_scn_2d_init(); }},
    // Every factory is gone before the exception of the throwing release leaves.
    {"ReleaseDuringDone", &Plugin::first, Tzvt_fault::release,
     [](Plugin&) {
       zv_plugin_scn_2d_init();
       zv_plugin_scn_2d_done();
     }},
    {"NamingAFactory", &Plugin::second, Tzvt_fault::name,
     [](Plugin& p) { Tzv_plugin_scene_factory{p.second.handle()}; }},
    // The collection the service had already paired is unpaired and freed; the scene too.
    {"MakingACollection", &Plugin::second, Tzvt_fault::collection,
     [](Plugin& p) { Tzv_plugin_scene_factory(p.second.handle()).create_scns(); }},
    {"MakingAScene", &Plugin::second, Tzvt_fault::scene,
     [](Plugin& p) { Tzv_plugin_scn_2d("Second", p.second.handle()); }},
};

TEST_F(Plugin, ServiceThrowingAtEachCall) {
  second.register_as();
  for (Tzvt_fault_case const& c : fault_cases) {
    SCOPED_TRACE(c.name);
    (this->*c.service).armed = {c.fault};
    EXPECT_THROW(c.run(*this), Tzvt_plugin_error);
    (this->*c.service).armed.clear();
    EXPECT_EQ(held(), "inits 0 factories 0 retained 0,0 paired 0");
    EXPECT_EQ(zv_scn_2d_factory_create_scn(first_name.c_str()), nullptr);  // the names are withdrawn
    EXPECT_EQ(zv_scn_2d_factory_create_scn("Second"), nullptr);
    for (auto const& made : second.scenes) EXPECT_EQ(made->reattach_calls, 2);  // paired, then unpaired
    for (auto const& made : second.collections) EXPECT_EQ(made->reattach_calls, 2);
  }
  EXPECT_EQ(zv_plugin_scn_2d_init(), 1u);  // and the next init works
  EXPECT_EQ(zv_scn_2d_factory_get_count(), 2u);
}

TEST_F(Plugin, CollectionsOutliveDoneAndExposeThePluginObjects) {
  first.makes_scenes = false;
  zv_plugin_scn_2d_init();
  Izv_scns2d* scenes = zv_plugin_scns_2d_create(0);
  Izv_scene* unpaired = zv_scns_2d_add(scenes);
  zv_plugin_scn_2d_done();
  Izv_scene* after_done = zv_scns_2d_add(scenes);
  for (Izv_scene* member : {unpaired, after_done}) {
    ASSERT_NE(member, nullptr);
    EXPECT_EQ(zv_scn_2d_get_meta_id(member), first_name);
    EXPECT_TRUE(zv_scene_2d_interface_is_null(*zv_scn_2d_get_plugin_interface(member)));
  }
  t_zv_scene_2d_collection_interface* collection_side = zv_scns_2d_get_plugin_interface(scenes);
  ASSERT_NE(collection_side, nullptr);
  EXPECT_TRUE(zv::scene_2d_collection(*collection_side) == first.last_collection().handle());
  zv_plugin_scns_2d_destroy(scenes);
  EXPECT_EQ(held(), "inits 0 factories 0 retained 0,0 paired 0");

  // Ordinary scenes and collections have no plug-in side.
  Izv_scns2d* ordinary = zv_scns_2d_create();
  Izv_scene* plain = zv_scn_2d_create();
  EXPECT_EQ(zv_scns_2d_get_plugin_interface(ordinary), nullptr);
  EXPECT_EQ(zv_scn_2d_get_plugin_interface(plain), nullptr);
  zv_scn_2d_destroy(plain);
  zv_scns_2d_destroy(ordinary);
}

// --- The factory map ---------------------------------------------------------------

Izv_scene* make_with(void* caption) {
  Izv_scene* s = zv_scn_2d_create();
  zv_scn_2d_set_wcaption(s, static_cast<wchar_t const*>(caption));
  return s;
}
Izv_scene* make_named(char const* caption) {
  Izv_scene* s = zv_scn_2d_create();
  zv_scn_2d_set_caption(s, caption);
  return s;
}
Izv_scene* make_first() { return make_named("first"); }
Izv_scene* make_second() { return make_named("second"); }
Izv_scene* make_throwing() { throw Tzvt_plugin_error{L"creator"}; }

// The caption of what the map makes under `name`, "-" for nothing.
std::string made_by(char const* name) {
  Izv_scene* s = nullptr;
  try {
    s = zv_scn_2d_factory_create_scn(name);
  } catch (Tzvt_plugin_error const&) {
    return "throws";
  }
  if (s == nullptr) return "-";
  std::string const caption = zv_scn_2d_get_caption(s);
  EXPECT_EQ(text([s](Izv_string_adp* adp) { zv_scn_2d_get_wcaption(s, adp); }),
            std::wstring(caption.begin(), caption.end()));
  zv_scn_2d_factory_destroy_scn(s);
  return caption;
}

// Steps on the map, "<op><name>=<expected>[:<arg>]": "+" attaches a creator
// (arg first, second or throws; none: a null function), "*" a creator with
// context (arg: the caption it gives), "-" detaches, "=" makes a scene and
// answers made_by(). An empty name stands for null. Names are case-sensitive;
// a null function enters an empty creator that makes nothing instead of
// calling through a null pointer; a creator's exception passes and its entry
// stays.
constexpr char const* map_steps =
    "+Scene=1:first +Scene=0:second *Scene=0:third =Scene=first -Scene=1 -Scene=0 =Scene=- *Scene=1:ctx =Scene=ctx "
    "+scene=1:second -SCENE=0 =scene=second =Scene=ctx +Null=1 =Null=- +Null=0:first +Throws=1:throws "
    "=Throws=throws =Throws=throws =NotThere=- +=0:first *=0 -=0 ==-";

TEST_F(Plugin, FactoryMapSteps) {
  std::istringstream steps(map_steps);
  std::list<std::wstring> captions;  // the contexts of the creators entered
  std::size_t const entries = zv_scene_factory_map()->size();
  for (std::string step; steps >> step;) {
    SCOPED_TRACE(step);
    size_t const eq = step.find('=', 1), colon = step.find(':');
    std::string const name = step.substr(1, eq - 1), expected = step.substr(eq + 1, colon - eq - 1);
    char const* n = name.empty() ? nullptr : name.c_str();
    wchar_t* arg = nullptr;
    if (colon != std::string::npos) arg = captions.emplace_back(step.begin() + colon + 1, step.end()).data();
    Tzv_scn_2d_create_fn const fn = !arg          ? nullptr
                                    : *arg == 'f' ? &make_first
                                    : *arg == 's' ? &make_second
                                                  : &make_throwing;
    bool done = false;
    if (step[0] == '+') done = zv_scn_2d_factory_attach(nullptr, nullptr, n, fn);
    if (step[0] == '*') done = zv_scn_2d_factory_attach_ctx(nullptr, nullptr, n, &make_with, arg);
    if (step[0] == '-') done = zv_scn_2d_factory_detach(n);
    EXPECT_EQ(step[0] == '=' ? made_by(n) : done ? "1" : "0", expected);
  }
  EXPECT_NE(zv_scene_factory_map()->find("Null"), nullptr);  // an empty creator, not none
  EXPECT_EQ(zv_scene_factory_map()->find("NotThere"), nullptr);
  EXPECT_EQ(zv_scene_factory_map()->size(), entries + 4);
  zv_scn_2d_factory_destroy_scn(nullptr);
}

// --- Factories made from services ---------------------------------------------------

TEST_F(Plugin, FactoryReadsItsNamesOnceAndPairsWhatItMakes) {
  auto factory = std::make_unique<Tzv_plugin_scene_factory>(first.handle());
  // In the system code page: UTF-8 on Linux, the ANSI code page on Windows.
  EXPECT_EQ(factory->meta_id(), first_name);
  EXPECT_EQ(factory->collection_meta_id(), "TestSceneCollection");
  EXPECT_EQ(factory->collection_caption(), L"Test scenes");
  EXPECT_EQ(first.meta_id_reads, 1);
  EXPECT_EQ(first.retained, 1);

  Izv_scene* made = zv_scn_2d_factory_create_scn(first_name.c_str());
  EXPECT_EQ(zv_scn_2d_get_meta_id(made), first_name);
  EXPECT_EQ(first.last_scene().owner, made);
  EXPECT_TRUE(dynamic_cast<Tzv_plugin_scn_2d&>(*made).plugin() == first.last_scene().handle());
  zv_scn_2d_factory_destroy_scn(made);

  Izv_scns2d* collection = factory->create_scns();
  EXPECT_EQ(first.last_collection().owner, static_cast<Izv_entity*>(collection));
  EXPECT_TRUE(dynamic_cast<Tzv_plugin_scenes&>(*collection).plugin() == first.last_collection().handle());
  EXPECT_STREQ(zv_scns_2d_get_meta_id(collection), "TestSceneCollection");
  EXPECT_EQ(dynamic_cast<Tzv_plugin_scenes&>(*collection).get_scene_meta_id(), first_name);
  EXPECT_EQ(caption_of(collection), L"Test scenes");
  zv_plugin_scns_2d_destroy(collection);
  EXPECT_EQ(first.last_collection().reattach_calls, 2);

  // A second service of the same name: the first serves, either withdraws.
  Tzvt_scene_service twin{first.meta_id};
  {
    Tzv_plugin_scene_factory second_factory(twin.handle());
    zv_scn_2d_factory_destroy_scn(zv_scn_2d_factory_create_scn(first_name.c_str()));
    EXPECT_EQ(first.scenes.size(), 2u);
    EXPECT_TRUE(twin.scenes.empty());
  }
  EXPECT_EQ(zv_scn_2d_factory_create_scn(first_name.c_str()), nullptr);  // the second took the name along
  EXPECT_EQ(twin.retained, 0);
  factory.reset();
  EXPECT_EQ(held(), "inits 0 factories 0 retained 0,0 paired 0");
}

}  // namespace
