// Plug-in objects written with the framework's adapters, as a plug-in module
// writes them: a scene service with the scene and collection objects it
// makes, scene editor filters and the editor-extension service that offers
// them. They record what the library asked of them. Every call the library
// makes into them is a fault point: it throws a Tzvt_plugin_error when it is
// in the object's `armed` set, or a Tzv_injected_fault when zv_fault_plugin is
// armed.
#pragma once

#include <array>
#include <functional>
#include <initializer_list>
#include <memory>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "zv/framework/adapters.h"
#include "zv/framework/service_ids.h"
#include "zv/izv_scene.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/fault_hooks.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/service_registry.h"

enum class Tzvt_fault { name, scene, collection, assign, release, attach, detach, supports, add, priority, filters };

// What an armed fake throws.
struct Tzvt_plugin_error {
  std::wstring where;
};
using Tzvt_filter_error = Tzvt_plugin_error;

// Every call into a fake is a fault point; the calls `armed` throw.
struct Tzvt_faults {
  std::set<Tzvt_fault> armed;
  void hit(Tzvt_fault f) const {
    zv_fault_point(zv_fault_plugin, nullptr);
    if (armed.count(f) != 0) throw Tzvt_plugin_error{};
  }
};

// A plug-in's object for one library scene. It captions the scene it is
// paired with when made with a caption, and reports `extents` (asking its
// owner for the box first when `recall`).
struct Tzvt_plugin_scene final : zv::scene_2d_impl, Tzvt_faults {
  explicit Tzvt_plugin_scene(std::wstring text = L"") : caption(std::move(text)) {}
  void reattach(Izv_scene* scene) override {
    owner = scene;
    ++reattach_calls;
    if (scene != nullptr && !caption.empty()) scene->set_wcaption(caption.c_str());
  }
  void assign(zv::scene_2d source) override {
    hit(Tzvt_fault::assign);
    assigned.push_back(source);
  }
  void with_extent(zv::extent_2d_visitor visitor) override {
    ++extent_requests;
    if (recall && owner != nullptr) owner->calc_box();
    for (auto const& e : extents) visitor.visit(e[0], e[1], e[2], e[3]);
  }
  zv::scene_2d handle() { return *this; }

  Izv_scene* owner = nullptr;
  int reattach_calls = 0, extent_requests = 0;
  bool recall = false;
  std::vector<zv::scene_2d> assigned;
  std::vector<std::array<double, 4>> extents;
  std::wstring caption;
};

// A plug-in's object for one library scene collection.
struct Tzvt_plugin_collection final : zv::scene_2d_collection_impl {
  void reattach(Izv_entity* collection) override {
    owner = collection;
    ++reattach_calls;
  }
  void clear() override { ++clears; }
  zv::scene_2d_collection handle() { return *this; }

  Izv_entity* owner = nullptr;
  int reattach_calls = 0, clears = 0;
};

// A service with its referent in one polymorphic chain, counting the
// referrers that hold it; registered with the host's registry from
// register_as() until unregister() or its destruction.
template <class I>
class Tzvt_service : public zv::polymorphic<I>, public zv::polymorphic<zv::referent_impl>, public Tzvt_faults {
 public:
  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  // Null referrers come from holders that keep an owner across a release.
  void retain(zv::referrer r) override {
    zv_fault_point(zv_fault_plugin, nullptr);
    if (!r.is_null()) ++retained;
  }
  void release(zv::referrer r) override {
    if (!r.is_null()) --retained;  // counted first: a release that throws still lets go
    hit(Tzvt_fault::release);
  }
  void register_as(wchar_t const* identifier = ZV_SCENE_2D_SERVICE_ID) {
    identifier_ = identifier;
    zv_service_registry_register(identifier, zv::generic_of<I>(*this));
  }
  void unregister() { zv_service_registry_unregister(identifier_.c_str(), zv::generic_of<I>(*this)); }
  int holder_count() const { return retained; }
  typename I::client_type handle() { return typename I::client_type(zv::interface_of<I>(*this)); }

  int retained = 0;

 protected:
  Tzvt_service() = default;
  ~Tzvt_service() { unregister(); }

 private:
  std::wstring identifier_;
};

// A 2D scene service. It owns the objects it makes, so it must outlive the
// library objects paired with them.
class Tzvt_scene_service final : public Tzvt_service<zv::scene_2d_service_impl> {
 public:
  explicit Tzvt_scene_service(std::wstring meta = L"TestScene") : meta_id(std::move(meta)) {}

  void with_meta_id(zv::string_visitor visitor) override {
    ++meta_id_reads;
    hit(Tzvt_fault::name);
    if (while_naming) while_naming();
    visitor.visit(meta_id.c_str());
  }
  void with_collection_meta_id(zv::string_visitor visitor) override { visitor.visit(collection_meta_id.c_str()); }
  void with_collection_caption(zv::string_visitor visitor) override { visitor.visit(collection_caption.c_str()); }
  void with_new_scene(zv::scene_2d_visitor visitor) override {
    if (!makes_scenes) return;
    scenes.push_back(std::make_unique<Tzvt_plugin_scene>(scene_caption));
    visitor.visit(scenes.back()->handle());
    hit(Tzvt_fault::scene);
  }
  void with_new_scene_collection(zv::scene_2d_collection_visitor visitor) override {
    if (!makes_collections) return;
    collections.push_back(std::make_unique<Tzvt_plugin_collection>());
    visitor.visit(collections.back()->handle());
    hit(Tzvt_fault::collection);
  }
  Tzvt_plugin_scene& last_scene() { return *scenes.back(); }
  Tzvt_plugin_collection& last_collection() { return *collections.back(); }

  std::wstring meta_id, collection_meta_id = L"TestSceneCollection", collection_caption = L"Test scenes";
  std::wstring scene_caption;  // what new scenes caption themselves with
  bool makes_scenes = true, makes_collections = true;
  std::function<void()> while_naming;  // runs inside each read of the meta id
  int meta_id_reads = 0;
  std::vector<std::unique_ptr<Tzvt_plugin_scene>> scenes;
  std::vector<std::unique_ptr<Tzvt_plugin_collection>> collections;
};

// What the filters were asked, in order: "f?x" filter f was asked whether it
// supports x, "f+x" f added x, "f:1" / "f:0" f was attached / let go.
struct Tzvt_filter_trace {
  std::wstring text;
  void add(std::wstring const& entry) { text += (text.empty() ? L"" : L" ") + entry; }
  std::wstring take() { return std::exchange(text, {}); }  // and starts a new trace
};

// A filter that supports the names it is given ("*": every name) and on add
// runs what the test tells it to.
class Tzvt_filter final : public zv::scene_editor_filter_impl, public Tzvt_faults {
 public:
  using add_fn = std::function<void(Tzv_layer_builder*, wchar_t const*)>;
  Tzvt_filter(Tzvt_filter_trace& trace, std::wstring name, std::set<std::wstring> names)
      : trace_(trace), name_(std::move(name)), names_(std::move(names)) {}

  void reattach(bool on) override {
    trace_.add(name_ + (on ? L":1" : L":0"));
    attached = on;  // told first: a filter that throws as it is let go is still let go
    hit(on ? Tzvt_fault::attach : Tzvt_fault::detach);
  }
  bool supports(wchar_t const* source) override {
    trace_.add(name_ + L"?" + source);
    hit(Tzvt_fault::supports);
    return names_.count(L"*") != 0 || names_.count(source) != 0;
  }
  void add(Tzv_layer_builder* layer_builder, wchar_t const* source) override {
    trace_.add(name_ + L"+" + source);
    builder = layer_builder;
    hit(Tzvt_fault::add);
    if (on_add_) on_add_(layer_builder, source);
  }
  void on_add(add_fn f) { on_add_ = std::move(f); }
  zv::scene_editor_filter handle() { return *this; }

  bool attached = false;
  Tzv_layer_builder* builder = nullptr;  // of the last add

 private:
  Tzvt_filter_trace& trace_;
  std::wstring name_;
  std::set<std::wstring> names_;
  add_fn on_add_;
};

// A scene editor-extension service, registered while it exists.
class Tzvt_extension_service final : public Tzvt_service<zv::scene_2d_editor_extension_service_impl> {
 public:
  Tzvt_extension_service(int priority, std::vector<zv::scene_editor_filter> filters)
      : priority_(priority), filters_(std::move(filters)) {
    register_as(ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  }
  int priority() override {
    if (on_priority) on_priority();
    hit(Tzvt_fault::priority);
    return priority_;
  }
  void with_filters(zv::scene_editor_filter_visitor visitor) override {
    for (zv::scene_editor_filter f : filters_) visitor.visit(f);
    hit(Tzvt_fault::filters);
  }

  std::function<void()> on_priority;  // runs inside priority(), while the registry delivers the service

 private:
  int priority_;
  std::vector<zv::scene_editor_filter> filters_;
};

// A list of source names for the builder, for the length of one call.
class Tzvt_name_list {
 public:
  Tzvt_name_list(std::initializer_list<wchar_t const*> names) {
    for (wchar_t const* n : names) zv_wstrings_add_str(list_, n);
  }
  Tzvt_name_list(Tzvt_name_list const&) = delete;
  ~Tzvt_name_list() { zv_wstrings_destroy(list_); }
  operator Tzv_wstrings_obj*() const { return list_; }

 private:
  Tzv_wstrings_obj* list_ = zv_wstrings_create();
};
