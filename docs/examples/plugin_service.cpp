// A plug-in's scene service and editor filter, and the host calls that put
// them to work. In a real plug-in the services live in a module of their own
// that carries its own copy of the binding (zv_framework) and links no part
// of the library; here one program plays both parts. Exits with 1 when the
// library does not use the services as the guide says.
#include <cstdio>
#include <cwchar>
#include <utility>
#include <vector>

#include "zv/framework/adapters.h"
#include "zv/framework/service_ids.h"
#include "zv/plugin.h"
#include "zv/scn2d_builder.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"
#include "zv/sibling/service_registry.h"

// [referent]
// The provider side of the lifetime protocol: remember who retained the
// service, and tell them all when it goes away.
class Tzv_doc_referent : public zv::polymorphic<zv::referent_impl> {
 public:
  void retain(zv::referrer r) override {
    if (!r.is_null()) referrers_.push_back(r);
  }
  void release(zv::referrer r) override { std::erase(referrers_, r); }
  void invalidate_referrers() {
    std::vector<zv::referrer> const gone = std::exchange(referrers_, {});
    for (zv::referrer r : gone) r.invalidate(zv::interface_of<zv::referent_impl>(*this));
  }

 protected:
  ~Tzv_doc_referent() = default;

 private:
  std::vector<zv::referrer> referrers_;
};
// [referent]

// [scene_service]
// A scene type "doc_scene": the library makes a factory of it at init and
// keeps scenes of the type in its own collections.
class Tzv_doc_scene_service final : public zv::polymorphic<zv::scene_2d_service_impl>, public Tzv_doc_referent {
 public:
  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  void with_meta_id(zv::string_visitor visitor) override { visitor.visit(L"doc_scene"); }
  void with_collection_meta_id(zv::string_visitor visitor) override { visitor.visit(L"doc_scene_collection"); }
  void with_collection_caption(zv::string_visitor visitor) override { visitor.visit(L"Documented scenes"); }
};
// [scene_service]

// [filter]
// Turns "*.csv" sources into vector layers captioned with the source name.
class Tzv_doc_filter final : public zv::scene_editor_filter_impl {
 public:
  void reattach(bool attached) override { holders_ += attached ? 1 : -1; }
  void with_description(zv::string_visitor visitor) override { visitor.visit(L"Point tables"); }
  void with_mask(zv::string_visitor visitor) override { visitor.visit(L"*.csv"); }
  bool supports(wchar_t const* source) override {
    std::size_t const n = source ? std::wcslen(source) : 0;
    return n > 4 && std::wcscmp(source + n - 4, L".csv") == 0;
  }
  void add(Tzv_layer_builder* builder, wchar_t const* source) override {
    // On failure the layer builder records the error itself.
    if (Izv_layer* layer = zv_lr_builder_add_layer(builder, zv_lr2d_type_vector, source))
      zv_lr2d_set_wcaption(layer, source);
  }
  int holders() const { return holders_; }

 private:
  int holders_ = 0;
};

class Tzv_doc_editor_service final : public zv::polymorphic<zv::scene_2d_editor_extension_service_impl>,
                                     public Tzv_doc_referent {
 public:
  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  void with_filters(zv::scene_editor_filter_visitor visitor) override { visitor.visit(filter_); }
  int priority() override { return 10; }  // lower priorities are asked first
  int filter_holders() const { return filter_.holders(); }

 private:
  Tzv_doc_filter filter_;
};
// [filter]

namespace {

// The services outlive their registration: the library may give back what
// it holds after they are withdrawn.
Tzv_doc_scene_service scene_service;
Tzv_doc_editor_service editor_service;

// [register]
void register_services() {
  zv_service_registry_register(ZV_SCENE_2D_SERVICE_ID, zv::generic_of<zv::scene_2d_service_impl>(scene_service));
  zv_service_registry_register(ZV_SCENE_2D_EDITOR_EXTENSION_ID,
                               zv::generic_of<zv::scene_2d_editor_extension_service_impl>(editor_service));
}

void withdraw_services() {
  zv_service_registry_unregister(ZV_SCENE_2D_SERVICE_ID, zv::generic_of<zv::scene_2d_service_impl>(scene_service));
  zv_service_registry_unregister(ZV_SCENE_2D_EDITOR_EXTENSION_ID,
                                 zv::generic_of<zv::scene_2d_editor_extension_service_impl>(editor_service));
  scene_service.invalidate_referrers();
  editor_service.invalidate_referrers();
}
// [register]

}  // namespace

// [host]
bool host_uses_the_services() {
  zv_plugin_scn_2d_init();  // asks the registry for every scene service
  bool const typed = zv_scn_2d_factory_get_count() == 1;
  Izv_scene* plugin_scene = zv_scn_2d_factory_create_scn("doc_scene");  // the host's
  bool const made = plugin_scene && zv_scn_2d_get_plugin_interface(plugin_scene);
  zv_scn_2d_factory_destroy_scn(plugin_scene);

  Izv_scene* map = zv_scn_2d_create();
  Tzv_scene_2d_builder* builder = zv_scn2d_builder_create();
  zv_scn2d_builder_init(builder, map, ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  Tzv_wstrings_obj* names = zv_wstrings_create();
  zv_wstrings_add_str(names, L"wells.csv");
  zv_wstrings_add_str(names, L"notes.txt");  // no filter supports it: skipped
  zv_scn2d_builder_add_sources(builder, names);
  bool const built = zv_scn_2d_get_layer_count(map) == 1 && editor_service.filter_holders() > 0;
  zv_wstrings_destroy(names);
  zv_scn2d_builder_destroy(builder);  // lets go of the filters
  zv_scn_2d_destroy(map);

  zv_plugin_scn_2d_done();  // the last done removes the factories
  return typed && made && built && editor_service.filter_holders() == 0;
}
// [host]

int main() {
  register_services();
  bool const ok = host_uses_the_services();
  withdraw_services();
  std::puts(ok ? "plugin_service: ok" : "plugin_service: FAILED");
  return ok ? 0 : 1;
}
