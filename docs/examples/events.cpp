// Brackets and events: a listener on a scene's update channel, and what it
// hears for changes made inside and outside an update bracket. Exits with 1
// when the listener hears something else.
#include <cstdio>
#include <string>

#include "zv/scn_2d.h"

// [listener]
// Writes each event of a queue as a letter: B begin-update, U update (with
// its integer properties), E end-update.
void on_scene_update(Tzv_table* queue, void* data) {
  std::string& heard = *static_cast<std::string*>(data);
  for (int32_t i = 0; i < zv_event_queue_get_size(queue); ++i) {
    if (zv_event_queue_get_begin_update_event(queue, i)) heard += "B ";
    if (zv_event_queue_get_end_update_event(queue, i)) heard += "E ";
    Tzv_update_event* update = zv_event_queue_get_update_event(queue, i);
    if (!update) continue;
    heard += "U[";
    Tzv_update_event_prop_list* props = zv_update_event_get_details(update);
    for (int32_t id : {1, 2, 3, 5, 8})
      if (props && zv_update_event_prop_list_find_integer(props, id)) heard += std::to_string(id);
    heard += "] ";
  }
}
// [listener]

// [bracket]
std::string caption_and_isotropy(Izv_scene* scene, bool bracketed) {
  std::string heard;
  Tzv_event_channel* channel = zv_scn_2d_get_update_event_channel(scene);  // borrowed
  zv_event_channel_add_client(channel, &on_scene_update, &heard);
  if (bracketed) scene->begin_update();
  zv_scn_2d_set_wcaption(scene, bracketed ? L"Inside" : L"Outside");  // property 2
  zv_scn_2d_set_izotropic(scene, false);                              // property 8
  if (bracketed) scene->end_update();
  zv_event_channel_del_client(channel, &on_scene_update, &heard);
  return heard;
}
// [bracket]

int main() {
  Izv_scene* scene = zv_scn_2d_create();
  std::string const apart = caption_and_isotropy(scene, false);
  std::string const together = caption_and_isotropy(scene, true);
  zv_scn_2d_destroy(scene);
  std::printf("apart:    %s\ntogether: %s\n", apart.c_str(), together.c_str());
  bool const ok = apart == "B U[2] E B U[8] E " && together == "B U[28] E ";
  std::puts(ok ? "events: ok" : "events: FAILED");
  return ok ? 0 : 1;
}
