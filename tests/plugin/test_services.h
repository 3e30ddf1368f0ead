// In-process plug-in objects written with the framework's adapters, as a
// plug-in module would write them: a scene service, the scene objects and
// scene collection objects it makes. Each records what the library asked of
// it and can be told to misbehave (throw, stay silent, call back).
#pragma once

#include <array>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "zv/framework/adapters.h"
#include "zv/framework/service_ids.h"
#include "zv/izv_scene.h"
#include "zv/sibling/service_registry.h"

// What a misbehaving plug-in object throws.
struct Tzvt_plugin_error {
  int code;
};

// A plug-in's own object for one library scene.
class Tzvt_plugin_scene final : public zv::scene_2d_impl {
 public:
  // Paired in the library's scene with its caption set to `caption`
  // (when not empty), as a plug-in that names its scenes does.
  explicit Tzvt_plugin_scene(std::wstring caption = L"") : caption_(std::move(caption)) {}

  void reattach(Izv_scene* scene) override {
    owner = scene;
    ++reattach_calls;
    if (scene != nullptr && !caption_.empty()) scene->set_wcaption(caption_.c_str());
  }
  void assign(zv::scene_2d source) override {
    if (throw_on_assign) throw Tzvt_plugin_error{2};
    assigned.push_back(source);
  }
  // Asks the owner for its box first when `recall`, then reports `extents`.
  void with_extent(zv::extent_2d_visitor visitor) override {
    ++extent_requests;
    if (recall && owner != nullptr) owner->calc_box();
    for (auto const& e : extents) visitor.visit(e[0], e[1], e[2], e[3]);
  }
  void with_source(zv::string_visitor visitor) override { visitor.visit(source.c_str()); }
  void set_source(wchar_t const* text) override { source = text ? text : L"<null>"; }

  zv::scene_2d handle() { return *this; }

  Izv_scene* owner = nullptr;
  int reattach_calls = 0;
  std::vector<zv::scene_2d> assigned;
  std::vector<std::array<double, 4>> extents;
  int extent_requests = 0;
  bool recall = false;
  bool throw_on_assign = false;
  std::wstring source;

 private:
  std::wstring caption_;
};

// A plug-in's own object for one library scene collection.
class Tzvt_plugin_collection final : public zv::scene_2d_collection_impl {
 public:
  void reattach(Izv_entity* collection) override {
    owner = collection;
    ++reattach_calls;
  }
  void clear() override { ++clears; }

  zv::scene_2d_collection handle() { return *this; }

  Izv_entity* owner = nullptr;
  int reattach_calls = 0;
  int clears = 0;
};

// A 2D scene service with its referent in one polymorphic chain. It owns the
// objects it makes, so it must outlive the library objects paired with them.
class Tzvt_scene_service final : public zv::polymorphic<zv::scene_2d_service_impl>,
                                 public zv::polymorphic<zv::referent_impl> {
 public:
  // Where the service throws.
  enum Tzvt_fault { none, on_meta_id, after_new_scene, after_new_collection, on_release };

  explicit Tzvt_scene_service(std::wstring meta = L"TestScene") : meta_id(std::move(meta)) {}
  Tzvt_scene_service(Tzvt_scene_service const&) = delete;
  Tzvt_scene_service& operator=(Tzvt_scene_service const&) = delete;
  ~Tzvt_scene_service() { unregister(); }

  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  void with_meta_id(zv::string_visitor visitor) override {
    ++meta_id_reads;
    if (fault == on_meta_id) throw Tzvt_plugin_error{1};
    if (while_naming) while_naming();
    if (names) visitor.visit(meta_id.c_str());
  }
  void with_collection_meta_id(zv::string_visitor visitor) override {
    if (names) visitor.visit(collection_meta_id.c_str());
  }
  void with_collection_caption(zv::string_visitor visitor) override {
    if (names) visitor.visit(collection_caption.c_str());
  }
  void with_new_scene(zv::scene_2d_visitor visitor) override {
    if (!makes_scenes) return;
    scenes.push_back(std::make_unique<Tzvt_plugin_scene>(scene_caption));
    visitor.visit(scenes.back()->handle());
    if (fault == after_new_scene) throw Tzvt_plugin_error{3};
  }
  void with_new_scene_collection(zv::scene_2d_collection_visitor visitor) override {
    if (!makes_collections) return;
    collections.push_back(std::make_unique<Tzvt_plugin_collection>());
    visitor.visit(collections.back()->handle());
    if (fault == after_new_collection) throw Tzvt_plugin_error{4};
  }

  void retain(zv::referrer r) override {
    if (!r.is_null()) ++retained;
  }
  void release(zv::referrer r) override {
    if (r.is_null()) return;
    --retained;
    if (fault == on_release) throw Tzvt_plugin_error{5};
  }

  t_zv_interface generic() { return zv::generic_of<zv::scene_2d_service_impl>(*this); }
  zv::scene_2d_service handle() { return zv::interface_of<zv::scene_2d_service_impl>(*this); }

  // Registered with the host's registry until unregister() or destruction.
  void register_as(wchar_t const* identifier = ZV_SCENE_2D_SERVICE_ID) {
    identifier_ = identifier;
    zv_service_registry_register(identifier, generic());
  }
  void unregister() {
    if (!identifier_.empty()) zv_service_registry_unregister(identifier_.c_str(), generic());
    identifier_.clear();
  }

  Tzvt_plugin_scene& last_scene() { return *scenes.back(); }
  Tzvt_plugin_collection& last_collection() { return *collections.back(); }

  std::wstring meta_id;
  std::wstring collection_meta_id = L"TestSceneCollection";
  std::wstring collection_caption = L"Test scenes";
  std::wstring scene_caption;  // new scenes caption themselves with it when not empty
  bool names = true;
  bool makes_scenes = true;
  bool makes_collections = true;
  Tzvt_fault fault = none;
  std::function<void()> while_naming;  // runs inside each read of the meta id
  int meta_id_reads = 0;
  int retained = 0;  // referrers that retained and have not released
  std::vector<std::unique_ptr<Tzvt_plugin_scene>> scenes;
  std::vector<std::unique_ptr<Tzvt_plugin_collection>> collections;

 private:
  std::wstring identifier_;
};
