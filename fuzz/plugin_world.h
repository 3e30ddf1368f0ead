// The plug-in side of the fuzzer's world: two scene services and two
// editor-extension services with their filters, registered with the host's
// registry for the length of one input, the scene builders the input made,
// the names it entered in the scene factory map and its count of inits.
// Teardown puts the process back as it found it (no init left, no name of
// the input in the map, nothing registered) and reports what a plug-in
// object was not let go of.
#pragma once

#include <algorithm>
#include <cstdint>
#include <map>
#include <memory>
#include <string>
#include <vector>

#include "support/plugin_fakes.h"
#include "zv/plugin.h"
#include "zv/scn2d_builder.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/scn_clm.h"
#include "zv/scn_layout.h"
#include "zv/sibling/lr2d.h"

namespace zv_fuzz {

// How a creator the input entered in the factory map behaves.
enum class Tzv_creator_kind { scene_2d, layout, none, throws };

inline Izv_scene* make_scene_2d() { return zv_scn_2d_create(); }
inline Izv_scene* make_by_kind(void* context) {
  switch (*static_cast<Tzv_creator_kind const*>(context)) {
    case Tzv_creator_kind::scene_2d:
      return zv_scn_2d_create();
    case Tzv_creator_kind::layout:
      return zv_scn_layout_create();
    case Tzv_creator_kind::throws:
      throw Tzvt_plugin_error{L"creator"};
    default:
      return nullptr;
  }
}

// What a filter's add makes of a name: "bad..." asks for a type that does
// not exist and reports an error, "grp..." a group, "throw..." throws, the
// rest a vector layer.
inline void build_layers(Tzv_layer_builder* builder, wchar_t const* source) {
  std::wstring const name = source;
  if (name.starts_with(L"throw")) throw Tzvt_filter_error{name};
  if (name.starts_with(L"bad")) {
    zv_lr_builder_add_layer(builder, "no-such-type", source);
    zv_lr_builder_add_error(builder, source);
    return;
  }
  zv_lr_builder_add_layer(builder, name.starts_with(L"grp") ? zv_lr2d_type_group : zv_lr2d_type_vector, source);
}

struct Tzv_builder_slot {
  Tzv_scene_2d_builder* handle;
  Izv_scene* scene = nullptr;  // what the last init bound it to
};

class Tzv_plugin_world {
 public:
  static constexpr int32_t service_count = 2;
  static constexpr char const* meta_ids[service_count] = {"FuzzSceneA", "FuzzSceneB"};

  Tzv_plugin_world() {
    scene_services_[1].makes_scenes = false;  // its scenes have no plug-in object
    scene_services_[1].scene_caption = L"Fuzz";
    for (auto& s : scene_services_) s.register_as();
    for (auto* f : {&narrow_, &wide_}) f->on_add(&build_layers);
  }
  ~Tzv_plugin_world() = default;
  Tzv_plugin_world(Tzv_plugin_world const&) = delete;
  Tzv_plugin_world& operator=(Tzv_plugin_world const&) = delete;

  // Before the world's scenes go: the builders, which borrow them.
  void end_builders() {
    disarm();
    while (!builders.empty()) drop_builder(builders.size() - 1);
  }
  // After the world's scenes and collections are gone: answers what was
  // left behind, empty when nothing.
  std::string end_input() {
    while (inits > 0) done();
    zv_plugin_scn_2d_done();  // one too many does nothing
    for (auto const& [name, kind] : entered) zv_scn_2d_factory_detach(name.c_str());
    return leftovers();
  }

  void init() {
    zv_plugin_scn_2d_init();
    ++inits;
  }
  void done() {
    zv_plugin_scn_2d_done();
    if (inits > 0) --inits;
  }
  uint64_t factory_count() const { return inits > 0 ? service_count : 0; }

  void drop_builder(size_t i) {
    Tzv_scene_2d_builder* b = builders[i].handle;
    builders.erase(builders.begin() + static_cast<std::ptrdiff_t>(i));
    try {
      zv_scn2d_builder_destroy(b);
    } catch (Tzvt_filter_error const&) {  // a filter that throws as it is let go
    }
  }
  // Builders bound to a scene that is gone are destroyed: they may not be
  // used again.
  void forget_scene(Izv_scene* scene) {
    for (size_t i = builders.size(); i-- > 0;) {
      if (builders[i].scene == scene) drop_builder(i);
    }
  }

  Tzvt_filter& filter(uint32_t k) { return k == 0 ? narrow_ : wide_; }
  Tzvt_extension_service& extension(uint32_t k) { return k == 0 ? first_ext_ : second_ext_; }
  void disarm() {
    for (uint32_t k = 0; k < 2; ++k) {
      filter(k).disarm();
      extension(k).disarm();
    }
  }

  std::vector<Tzv_builder_slot> builders;
  std::map<std::string, Tzv_creator_kind> entered;  // names the input entered, as the map holds them
  uint32_t inits = 0;
  Tzv_creator_kind kinds[4] = {Tzv_creator_kind::scene_2d, Tzv_creator_kind::layout, Tzv_creator_kind::none,
                               Tzv_creator_kind::throws};

 private:
  std::string leftovers() const {
    for (auto const& s : scene_services_) {
      if (s.retained != 0) return "scene service still retained";
      for (auto const& scene : s.scenes) {
        if (scene->owner != nullptr) return "plug-in scene object still attached";
      }
      for (auto const& c : s.collections) {
        if (c->owner != nullptr) return "plug-in collection object still attached";
      }
    }
    if (first_ext_.holder_count() + second_ext_.holder_count() != 0) return "extension service still held";
    if (narrow_.attached || wide_.attached) return "filter still attached";
    if (zv_scn_2d_factory_get_count() != 0) return "factories left after the last done";
    return {};
  }

  // Declared first, destroyed last: every library object of the input has
  // gone before they unregister.
  Tzvt_scene_service scene_services_[service_count] = {Tzvt_scene_service{L"FuzzSceneA"},
                                                       Tzvt_scene_service{L"FuzzSceneB"}};
  Tzvt_filter_trace trace_;
  Tzvt_filter narrow_{trace_, L"n", {L"a.shp", L"bad.x", L"throw.x", L"grp.x"}};
  Tzvt_filter wide_{trace_, L"w", {L"*"}};
  // The wide filter is asked last: its service has the higher priority number.
  Tzvt_extension_service first_ext_{1, {narrow_.handle()}};
  Tzvt_extension_service second_ext_{2, {wide_.handle()}};
};

}  // namespace zv_fuzz
