// A small host of the installed package: it calls into the scene library, the
// entity library (a bracket) and the basic one (a listener), and exits
// non-zero when they do not work together.
#include <cstdio>
#include <initializer_list>

#include "zv/scn_2d.h"
#include "zv/scns_2d.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/entity.h"

namespace {
void on_events(Tzv_table* queue, void* data) { *static_cast<int*>(data) += zv_event_queue_count_update_events(queue); }
}  // namespace

int main() {
  Izv_scns2d* scenes = zv_scns_2d_create();
  int updates = 0;
  zv_event_channel_add_client(zv_scns_2d_get_update_event_channel(scenes), &on_events, &updates);
  Izv_scene* scene = zv_scns_2d_add(scenes);
  zv_scn_begin_update(scene);  // one bracket: the collection hears one change
  for (char const* type : {"vector", "raster"}) zv_scn_2d_add_layer_type_name(scene, type);
  zv_scn_end_update(scene);
  uint32_t const layers = zv_scn_2d_get_layer_count(scene);
  std::printf("layers %u, updates heard %d\n", layers, updates);
  zv_event_channel_del_client(zv_scns_2d_get_update_event_channel(scenes), &on_events, &updates);
  zv_scns_2d_destroy(scenes);
  return layers == 2 && updates == 2 ? 0 : 1;
}
