/* A host written in plain C: a collection, a scene in it and layers made in
 * one history bracket, the scene's own brackets heard through its event
 * channel, and boxes read back. Exits non-zero on the first wrong answer. */
#include <stdio.h>

#include "zv/scn_2d.h"
#include "zv/scns_2d.h"

static int failures = 0;

static void check(bool ok, char const* what) {
  if (!ok) {
    fprintf(stderr, "c_host: %s\n", what);
    ++failures;
  }
}

typedef struct {
  int begins, updates, ends;
} Tzv_c_counts;

static void count_events(Tzv_table* queue, void* data) {
  Tzv_c_counts* counts = (Tzv_c_counts*)data;
  counts->begins += zv_event_queue_get_begin_update_event(queue, 0) != NULL;
  counts->updates += zv_event_queue_get_update_event(queue, 0) != NULL;
  counts->ends += zv_event_queue_get_end_update_event(queue, 0) != NULL;
}

static bool same_box(Tzv_box_d2 a, Tzv_box_d2 b) {
  return a.xmin == b.xmin && a.ymin == b.ymin && a.xmax == b.xmax && a.ymax == b.ymax;
}

int main(void) {
  Izv_scns2d* maps = zv_scns_2d_create();
  Izv_scene* scene = zv_scns_2d_add(maps);
  check(scene != NULL && zv_scns_2d_get_size(maps) == 1, "a collection holds the scene it added");

  Tzv_c_counts counts = {0, 0, 0};
  Tzv_event_channel* channel = zv_scn_2d_get_update_event_channel(scene);
  zv_event_channel_add_client(channel, count_events, &counts);
  Tzv_history_manager* history = zv_history_manager_get_instance();
  zv_history_manager_begin_update(history);
  Izv_layer* roads = zv_scn_2d_add_layer_type_name(scene, "vector");
  Izv_layer* relief = zv_scn_2d_add_layer_type_name(scene, "raster");
  zv_history_manager_end_update(history);
  zv_event_channel_del_client(channel, count_events, &counts);
  check(roads != NULL && relief != NULL && zv_scn_2d_get_layer_count(scene) == 2, "two layers added");
  check(zv_scn_2d_get_layer_ptr(scene, 1) == relief, "layers keep their order");
  check(zv_history_manager_get_depth(history) == 0, "the history bracket closed");
  check(counts.begins == 2 && counts.updates == 2 && counts.ends == 2, "each addition announced in one bracket");

  Tzv_box_d2 box = {0, 0, 0, 0};
  check(!zv_scn_2d_get_box(scene, &box), "layers without data give the scene no box");
  Tzv_box_d2 const legend = {10.5, -20.25, 30.0, 40.125};
  zv_scn_2d_set_legend_box(scene, &legend, true);
  check(zv_scn_2d_get_legend_box(scene, &box) && same_box(box, legend), "the legend box reads back as set");
  check(!zv_scn_2d_get_box(NULL, &box), "a null scene answers false");

  zv_scns_2d_destroy(maps);
  return failures == 0 ? 0 : 1;
}
