// The collection of 2D scenes that a host keeps: it names new scenes from a
// resource text, listens to every member scene and re-announces each scene's
// changes as property 1 carrying the scene's property list. The column, layout
// and plug-in collections derive from it and replace the making of members.
#pragma once

#include <cstdint>
#include <memory>

#include "core/entities_base.h"
#include "scene2d/scene_2d.h"

// Resource numbers of the captions (basic library's resource strings).
inline constexpr int32_t c_res_scene_caption = zv_res_map;    // base of new scene captions
inline constexpr int32_t c_res_scenes_caption = zv_res_maps;  // the collection's own caption
inline constexpr wchar_t c_member_format[] = L"%ls %d";       // a new member: base and number

class Tzv_scenes_2d : public Tzv_entities_base<Izv_scns2d, Tzv_scene_2d> {
  using Base = Tzv_entities_base<Izv_scns2d, Tzv_scene_2d>;

 public:
  // Captioned with resource 421.
  Tzv_scenes_2d();
  // Every member is destroyed through destroy_entity.
  ~Tzv_scenes_2d() override;

  char const* get_meta_id() override { return "Scene2DCollectionMetaID"; }
  Tzv_scene_2d* get_entity(uint32_t i) override;

  // As many members as `src`, each assigned from the source's member at the
  // same index; the collection's own caption, uuid, extras, active and
  // marked state are not copied. A null source copies nothing.
  virtual void assign(Tzv_scenes_2d* src);
  // Equal counts and equal members pair by pair; null is unequal.
  virtual bool equal(Tzv_scenes_2d* other);
  using Base::assign;
  using Base::equal;

  // A new scene captioned "<resource 411> N", heard by the collection.
  Tzv_scene_2d* create_entity() override;
  // Stops hearing the scene and deletes it.
  void destroy_entity(Tzv_scene_2d* scene) override;
  // Announces a member's queue as property 1 carrying its properties.
  void on_scn_update(Tzv_table& queue);

  Izv_scns2d* scenes_handle() { return this; }
  // The active scene as a scene handle, or null.
  Izv_scene* get_active_scn() { return dynamic_cast<Izv_scene*>(get_active()); }

 protected:
  // Gives `scene` a caption unique among the members, made from the
  // resource text `base_res` with "%ls %d" counted from 1, and subscribes
  // the collection to it when `listen`.
  Tzv_scene_2d* make_member(int32_t base_res, std::unique_ptr<Tzv_scene_2d> scene, bool listen);
  // Only queues that hold an update event are forwarded.
  void on_member_update(Tzv_table& queue) override;
};
