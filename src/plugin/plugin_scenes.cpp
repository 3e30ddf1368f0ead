#include "plugin/plugin_scenes.h"

#include <memory>
#include <utility>

#include "core/string_adapters.h"
#include "plugin/plugin_scn_2d.h"
#include "plugin/scene_factory_map.h"
#include "zv/common/unwind.h"
#include "zv/sibling/entity.h"

Tzv_plugin_scenes::Tzv_plugin_scenes(std::wstring const& caption, std::string collection_meta_id,
                                     std::string scene_meta_id, zv::scene_2d_collection plugin)
    : collection_meta_id_(std::move(collection_meta_id)), scene_meta_id_(std::move(scene_meta_id)), plugin_(plugin) {
  if (!plugin.is_null()) plugin.reattach(this);
  set_wcaption(caption.c_str());
}

Tzv_plugin_scenes::~Tzv_plugin_scenes() {
  clear_for_destruction();
  try {
    plugin().reattach(nullptr);
  } catch (...) {  // a destructor cannot pass it on; the collection goes away either way
  }
}

void Tzv_plugin_scenes::clear() {
  zv::Tzv_finally plugin_clear([this] { plugin().clear(); });
  Tzv_scenes_2d::clear();
}

// A scene without a caption of its own is named as any collection names its
// members ("<resource 411> N").
Tzv_scene_2d* Tzv_plugin_scenes::create_entity() {
  std::unique_ptr<Tzv_scene_2d> scene(make_by_type());
  if (!scene) scene = std::make_unique<Tzv_plugin_scn_2d>(scene_meta_id_.c_str(), zv::scene_2d_service());
  std::wstring const own = zv_read_wtext([&scene](Izv_string_adp* adp) { scene->get_wcaption(adp); });
  if (own.empty()) return make_member(c_res_scene_caption, std::move(scene), true);
  std::wstring const caption =
      zv_read_wtext([this, &own](Izv_string_adp* adp) { zv_entities_create_unique_wcaption(this, own.c_str(), adp); });
  scene->set_wcaption(caption.c_str());
  listen_to(scene.get());
  return scene.release();
}

void Tzv_plugin_scenes::destroy_entity(Tzv_scene_2d* scene) { delete scene; }

void Tzv_plugin_scenes::on_member_update(Tzv_table& queue) { zv_plugin_scns_2d_scn_update_proc(&queue, this); }

// A scene that is no 2D scene of this library cannot be a member: it is
// destroyed again.
Tzv_scene_2d* Tzv_plugin_scenes::make_by_type() {
  Izv_scene* made = zv_scene_factory_map()->create_scn(scene_meta_id_.c_str());
  auto* scene = dynamic_cast<Tzv_scene_2d*>(made);
  if (scene == nullptr) delete made;
  return scene;
}

// Registered through the collection's member subscription, which keeps a
// member that leaves during its own event alive until the event is over.
void zv_plugin_scns_2d_scn_update_proc(Tzv_table* events, void* context) {
  if (events == nullptr || context == nullptr) return;
  if (zv_event_queue_count_update_events(events) == 0) return;
  static_cast<Tzv_plugin_scenes*>(context)->on_scn_update(*events);
}
