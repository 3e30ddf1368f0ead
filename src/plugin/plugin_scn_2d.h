// A plug-in scene: a 2D scene of this library whose source, extent and copy
// live in an object of an external plug-in. The plug-in hands that object
// over through the scene's scene_2d visitor while the service makes the
// scene, and learns through reattach which scene it belongs to. Every
// forwarding operation does nothing while the plug-in object is null.
#pragma once

#include <cstdint>
#include <string>

#include "scene2d/scene_2d.h"
#include "zv/framework/adapters.h"

class Tzv_plugin_scn_2d : public Tzv_scene_2d, public zv::scene_2d_visitor_impl {
 public:
  // Asks `service` (when not null) for the plug-in's object of the new scene.
  Tzv_plugin_scn_2d(char const* meta_id, zv::scene_2d_service service);
  // Unpairs the plug-in object; its exceptions stop here.
  ~Tzv_plugin_scn_2d() override;
  Tzv_plugin_scn_2d(Tzv_plugin_scn_2d const&) = delete;
  Tzv_plugin_scn_2d& operator=(Tzv_plugin_scn_2d const&) = delete;

  // Pairs the scene with the plug-in's object; a different object paired
  // before is unpaired first.
  void visit(zv::scene_2d scene) override;

  // The scene's data, and from another plug-in scene also its plug-in
  // object's content (even a null one), in one entity bracket.
  using Tzv_scene_2d::assign;
  void assign(Tzv_scene_2d* src) override;

  // Asks the plug-in object for the scene's box; asked again from inside that
  // request, the 2D scene's own computation answers.
  void calc_box() override;

  void get_source(Izv_string_adp* adp) override;
  void set_source(wchar_t const* source) override;
  char const* get_meta_id() override { return meta_id_.c_str(); }

  // The handle of the plug-in's object, held by the scene (null when the
  // service made none).
  t_zv_scene_2d_interface* plugin_interface() { return &plugin_; }
  zv::scene_2d plugin() const { return plugin_; }

 private:
  // Tells the paired plug-in object it belongs to no scene any more.
  void unpair() noexcept;

  t_zv_scene_2d_interface plugin_{};
  std::string meta_id_;
  uint32_t extent_busy_ = 0;
};
