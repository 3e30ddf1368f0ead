// A plug-in scene collection: a collection of 2D scenes whose members are
// plug-in scenes of one type, made by name through the scene factory map,
// and which is paired with the plug-in's own collection object (which may be
// null; then nothing outside is called).
#pragma once

#include <string>

#include "scene2d/scenes_2d.h"
#include "zv/framework/adapters.h"

class Tzv_plugin_scenes : public Tzv_scenes_2d {
 public:
  // Pairs with `plugin` (when not null), then takes `caption`.
  Tzv_plugin_scenes(std::wstring const& caption, std::string collection_meta_id, std::string scene_meta_id,
                    zv::scene_2d_collection plugin);
  // Clears the members, then unpairs; exceptions stop here.
  ~Tzv_plugin_scenes() override;
  Tzv_plugin_scenes(Tzv_plugin_scenes const&) = delete;
  Tzv_plugin_scenes& operator=(Tzv_plugin_scenes const&) = delete;

  char const* get_meta_id() override { return collection_meta_id_.c_str(); }
  char const* get_scene_meta_id() const { return scene_meta_id_.c_str(); }

  // The collection's own clearing, then the plug-in collection's, which runs
  // also when a listener throws.
  void clear() override;

  // A scene of the collection's scene type with a caption unique among the
  // members, heard by the collection. Without a creator for that type (its
  // factory is gone) it is a plug-in scene of that type with no plug-in
  // object.
  Tzv_scene_2d* create_entity() override;
  // Stops hearing the scene and deletes it.
  void destroy_entity(Tzv_scene_2d* scene) override;

  // The handle of the plug-in's collection object, held by the collection.
  t_zv_scene_2d_collection_interface* plugin_interface() { return &plugin_; }
  zv::scene_2d_collection plugin() const { return plugin_; }

 protected:
  // Member events go through zv_plugin_scns_2d_scn_update_proc.
  void on_member_update(Tzv_table& queue) override;

 private:
  // A new scene of the scene type, or null when the map makes none.
  Tzv_scene_2d* make_by_type();

  std::string collection_meta_id_;
  std::string scene_meta_id_;
  t_zv_scene_2d_collection_interface plugin_{};
};

// A member scene's events reach its collection (`context`) here: queues that
// hold an update event are announced as the collection's property 1; begin
// and end events alone are not.
void zv_plugin_scns_2d_scn_update_proc(Tzv_table* events, void* context);
