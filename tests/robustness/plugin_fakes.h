// A plug-in's scene editor filter and the editor-extension service that
// offers it, as a plug-in module writes them, with a fault point at every
// call the library makes into them: a test arms zv_fault_plugin to make the
// n-th of those calls throw. The filter turns each source name into a
// vector layer and a group layer through the layer builder.
#pragma once

#include <string>

#include "zv/framework/adapters.h"
#include "zv/framework/service_ids.h"
#include "zv/sibling/fault_hooks.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"
#include "zv/sibling/service_registry.h"

inline void zv_plugin_call() { zv_fault_point(zv_fault_plugin, nullptr); }

class Tzv_faulty_filter final : public zv::scene_editor_filter_impl {
 public:
  void reattach(bool on) override {
    attached = on;  // told first: a filter that throws as it is let go is still let go
    zv_plugin_call();
  }
  bool supports(wchar_t const* source) override {
    zv_plugin_call();
    return source != nullptr && source[0] != L'-';  // "-..." names are nobody's
  }
  void add(Tzv_layer_builder* builder, wchar_t const* source) override {
    zv_plugin_call();
    add_named(builder, zv_lr2d_type_vector, source);
    zv_plugin_call();
    add_named(builder, zv_lr2d_type_group, std::wstring(source) + L"+");
  }
  zv::scene_editor_filter handle() { return *this; }

  bool attached = false;

 private:
  // A layer captioned with the name it was built for.
  static void add_named(Tzv_layer_builder* builder, char const* type, std::wstring const& name) {
    zv_lr2d_set_wcaption(zv_lr_builder_add_layer(builder, type, name.c_str()), name.c_str());
  }
};

// Registered under the editor-extension identifier while it exists.
class Tzv_faulty_extension final : public zv::polymorphic<zv::scene_2d_editor_extension_service_impl>,
                                   public zv::polymorphic<zv::referent_impl> {
 public:
  Tzv_faulty_extension() { zv_service_registry_register(ZV_SCENE_2D_EDITOR_EXTENSION_ID, generic()); }
  ~Tzv_faulty_extension() { zv_service_registry_unregister(ZV_SCENE_2D_EDITOR_EXTENSION_ID, generic()); }
  Tzv_faulty_extension(Tzv_faulty_extension const&) = delete;
  Tzv_faulty_extension& operator=(Tzv_faulty_extension const&) = delete;

  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  int priority() override {
    zv_plugin_call();
    return 1;
  }
  void with_filters(zv::scene_editor_filter_visitor visitor) override {
    zv_plugin_call();
    visitor.visit(filter.handle());
  }
  void retain(zv::referrer r) override {
    zv_plugin_call();
    if (!r.is_null()) ++holders;
  }
  void release(zv::referrer r) override {
    if (!r.is_null()) --holders;  // counted first: a release that throws still lets go
    zv_plugin_call();
  }

  Tzv_faulty_filter filter;
  int holders = 0;

 private:
  t_zv_interface generic() { return zv::generic_of<zv::scene_2d_editor_extension_service_impl>(*this); }
};
