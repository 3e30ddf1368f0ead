// The scene builder: fills a 2D scene with layers made from source names
// (typically file names). It knows no source format itself: the filters of
// the editor-extension services registered under an identifier decide which
// names they support and add layers for them through a layer builder, which
// also collects the error texts.
//
// Services are asked in ascending priority, equal priorities in the order in
// which they arrived; filters are asked in the order in which the services,
// taken in that order, delivered them. Each name goes to the first filter
// that supports it.
#pragma once

#include <map>
#include <vector>

#include "core/scope.h"
#include "zv/framework/adapters.h"
#include "zv/izv_scene.h"
#include "zv/sibling/lr.h"

class Tzv_scene_2d_builder final : public zv::polymorphic<zv::service_visitor_impl>,
                                   public zv::polymorphic<zv::scene_2d_editor_extension_service_visitor_impl>,
                                   public zv::scene_editor_filter_visitor_impl {
 public:
  Tzv_scene_2d_builder() = default;
  // clear(); an exception from a filter or service still frees everything and
  // then reaches the caller (dropped only while another one is unwinding).
  ~Tzv_scene_2d_builder() noexcept(false);
  Tzv_scene_2d_builder(Tzv_scene_2d_builder const&) = delete;
  Tzv_scene_2d_builder& operator=(Tzv_scene_2d_builder const&) = delete;

  // Replaces whatever an earlier init collected: a layer builder for the
  // scene, then the services registered under `identifier`, then their
  // filters. When a service or filter throws, the builder is left cleared.
  void init(Izv_scene& scene, wchar_t const* identifier);
  // True when a filter supports at least one of the names.
  bool supported(Tzv_wstrings_obj& names);
  // Each name to the first filter that supports it, then the layer builder's
  // activation (also for an empty list). Nothing before init.
  void add(Tzv_wstrings_obj& names);
  // The error text of the last building; nothing before init.
  void get_errors(Izv_string_adp& out);
  // Filters get reattach(false), services are released, the layer builder
  // goes. Everything is let go even when one of them throws.
  void clear();

  // A service found in the registry, held under its priority (1 for a null
  // handle).
  void visit(zv::scene_2d_editor_extension_service service) override;
  // A filter delivered by a service, told through reattach(true).
  void visit(zv::scene_editor_filter filter) override;

 private:
  using Tzv_service_ref =
      zv::ref<zv::scene_2d_editor_extension_service, false, zv::reftraits<zv::scene_2d_editor_extension_service>>;

  void collect_services(wchar_t const* identifier);
  void collect_filters();
  void release_filters();
  void release_services();
  // The first filter in list order that supports `name`; null when none.
  zv::scene_editor_filter filter_for(wchar_t const* name) const;

  std::multimap<int, Tzv_service_ref> services_;
  std::vector<zv::scene_editor_filter> filters_;
  zv::scope<Tzv_layer_builder*, &zv_lr_builder_destroy> layer_builder_;
};
