// A small host: a collection with two scenes, layers in one of them, and a
// listener on the collection that counts what it hears. Exits non-zero when
// anything is not as a host expects.
#include <cstdio>
#include <initializer_list>

#include "zv/scn_2d.h"
#include "zv/scns_2d.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/entity.h"

namespace {

struct Heard {
  int begins = 0;
  int updates = 0;
  int ends = 0;
};

void on_events(Tzv_table* queue, void* data) {
  auto* heard = static_cast<Heard*>(data);
  heard->begins += zv_event_queue_get_begin_update_event(queue, 0) != nullptr;
  heard->updates += zv_event_queue_count_update_events(queue) != 0;
  heard->ends += zv_event_queue_get_end_update_event(queue, 0) != nullptr;
}

}  // namespace

int main() {
  Izv_scns2d* scenes = zv_scns_2d_create();
  Heard heard;
  zv_event_channel_add_client(zv_scns_2d_get_update_event_channel(scenes), &on_events, &heard);

  Izv_scene* first = zv_scns_2d_add(scenes);
  zv_scns_2d_add(scenes);
  zv_scn_begin_update(first);  // one bracket: the collection hears one change
  for (char const* type : {"vector", "raster", "vector"}) zv_scn_2d_add_layer_type_name(first, type);
  zv_scn_end_update(first);

  uint32_t const layers = zv_scn_2d_get_layer_count(first);
  std::printf("scenes %u, layers %u, heard B%d U%d E%d\n", zv_scns_2d_get_size(scenes), layers, heard.begins,
              heard.updates, heard.ends);
  bool const ok = zv_scns_2d_get_size(scenes) == 2 && layers == 3 && heard.begins == heard.ends && heard.updates == 3;
  zv_event_channel_del_client(zv_scns_2d_get_update_event_channel(scenes), &on_events, &heard);
  zv_scns_2d_destroy(scenes);
  return ok ? 0 : 1;
}
