// Demo host: drives a 2D scene through the library's exported functions only,
// as a host application would, and prints after each step what a listener on
// the scene heard and what the scene now holds.
//   B        begin-update event      E   end-update event
//   U[1,3]   update with properties 1 and 3;  1{21}: forwarded from a layer
//   U[]      a plain update of the whole scene
#include <cstdio>
#include <string>

#include "event_recorder.h"
#include "zv/clip_params.h"
#include "zv/scn_2d.h"
#include "zv/scn_clm.h"
#include "zv/scn_layout.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// Collects text that a producer feeds into an adapter.
class Tzv_text_sink {
 public:
  Tzv_text_sink() : adp_(zv_string_adp_create(&narrow, &wide, this)) {}
  ~Tzv_text_sink() { zv_string_adp_destroy(adp_); }
  Tzv_text_sink(Tzv_text_sink const&) = delete;
  Tzv_text_sink& operator=(Tzv_text_sink const&) = delete;
  Izv_string_adp* adapter() const { return adp_; }
  std::string const& text() const { return text_; }

 private:
  static void narrow(char const* s, void* self) { static_cast<Tzv_text_sink*>(self)->text_ = s ? s : ""; }
  // The demo's texts are ASCII.
  static void wide(wchar_t const* s, void* self) {
    std::string& out = static_cast<Tzv_text_sink*>(self)->text_;
    out.clear();
    for (; s && *s; ++s) out += static_cast<char>(*s);
  }

  Izv_string_adp* adp_;
  std::string text_;
};

std::string caption_of(Izv_layer* layer) {
  Tzv_text_sink sink;
  zv_lr2d_get_wcaption(layer, sink.adapter());
  return sink.text();
}

// The layers in index order, the active one in brackets.
std::string layer_order(Izv_scene* scene) {
  std::string out;
  uint32_t const active = zv_scn_2d_get_active_lr2d_idx(scene);
  for (uint32_t i = 0; i < zv_scn_2d_get_layer_count(scene); ++i) {
    std::string const name = caption_of(zv_scn_2d_get_layer_ptr(scene, i));
    out += (i ? " " : "") + (i == active ? "[" + name + "]" : name);
  }
  return out;
}

std::string box_text(bool valid, Tzv_box_d2 const& b) {
  char buf[128];
  std::snprintf(buf, sizeof buf, "%s (%.10g, %.10g, %.10g, %.10g)", valid ? "valid" : "none", b.xmin, b.ymin, b.xmax,
                b.ymax);
  return buf;
}

void step(Tzv_event_recorder& rec, Izv_scene* scene, char const* what) {
  std::printf("  %-44s %-22s | %s\n", what, rec.take().c_str(), layer_order(scene).c_str());
}

void demo_scene() {
  std::printf("A scene in UTM zone 32, through the exports (events | layers, active in brackets):\n");
  Izv_scene* scene = zv_scn_2d_create();
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(scene));

  zv_scn_2d_set_prj4wstring(scene, L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs");
  step(rec, scene, "set the projection");
  char const* const types[] = {"vector", "raster", "vector", "vector"};
  wchar_t const* const names[] = {L"roads", L"relief", L"rivers", L"towns"};
  Tzv_box_d2 const boxes[] = {zv_box_d2_init_xy(500000, 5300000, 520000, 5320000),
                              zv_box_d2_init_xy(490000, 5290000, 530000, 5330000),
                              zv_box_d2_init_xy(505000, 5310000, 515000, 5340000),
                              zv_box_d2_init_xy(501000, 5301000, 502000, 5302000)};
  for (int i = 0; i < 4; ++i) zv_scn_2d_add_layer_type_name(scene, types[i]);
  step(rec, scene, "add four layers");
  for (uint32_t i = 0; i < 4; ++i) zv_lr2d_set_wcaption(zv_scn_2d_get_layer_ptr(scene, i), names[i]);
  step(rec, scene, "name them (each layer announces 2)");
  // The stand-in layers have no data; give them the extent their data would.
  for (uint32_t i = 0; i < 4; ++i) zv_lr2d_test_set_box(zv_scn_2d_get_layer_ptr(scene, i), &boxes[i]);
  step(rec, scene, "their data arrives (each announces 21)");

  Tzv_box_d2 box{};
  bool valid = zv_scn_2d_get_box(scene, &box);
  std::printf("  scene box: %s\n", box_text(valid, box).c_str());

  zv_scn_2d_set_active_lr2d_idx(scene, 3);
  step(rec, scene, "make towns active");
  zv_lr2d_set_marked(zv_scn_2d_get_layer_ptr(scene, 1), true);
  zv_lr2d_set_marked(zv_scn_2d_get_layer_ptr(scene, 2), true);
  valid = zv_scn_2d_get_marked_lr2d_box(scene, &box);
  step(rec, scene, "mark relief and rivers");
  std::printf("  marked box: %s\n", box_text(valid, box).c_str());
  Tzv_composite_layer_2d* group = zv_scn_2d_create_layer_group(scene);
  zv_lr2d_set_wcaption(zv_lr2d_group_safe_upcast(group), L"(terrain)");
  step(rec, scene, "group the marked layers");
  zv_scn_2d_move_layer(scene, 0, 2);
  step(rec, scene, "move roads to the end");
  zv_scn_2d_destroy_layer_group(scene, group);
  step(rec, scene, "dissolve the group");

  Tzv_clip2d_params* clip = zv_scn_2d_get_clip_params(scene);
  zv_ov_d2_add_vtx(zv_scn2d_clip_params_get_ov(clip), 500000, 5300000);
  zv_ov_d2_add_vtx(zv_scn2d_clip_params_get_ov(clip), 510000, 5300000);
  zv_ov_d2_add_vtx(zv_scn2d_clip_params_get_ov(clip), 510000, 5310000);
  zv_scn2d_clip_params_set_prj(clip, L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs");
  zv_scn2d_clip_params_set_enabled(clip, true);
  valid = zv_scn_2d_get_clipped_box(scene, &box);
  std::printf("  clipped box (clipping on): %s\n", box_text(valid, box).c_str());

  zv_scn_2d_del_lr2d(scene, 0);
  step(rec, scene, "remove the first layer");
  rec.detach();
  zv_scn_2d_destroy(scene);
}

std::string scene_caption(Izv_scene* scene) {
  Tzv_text_sink sink;
  zv_scn_2d_get_wcaption(scene, sink.adapter());
  return sink.text();
}

void collection_step(Tzv_event_recorder& rec, char const* what) {
  std::printf("  %-52s %s\n", what, rec.take().c_str());
}

void demo_collections() {
  std::printf("\nCollections, as a listener on each collection hears them:\n");
  Izv_scns2d* maps = zv_scns_2d_create();
  Tzv_event_recorder rec(zv_scns_2d_get_update_event_channel(maps));
  Izv_scene* first = zv_scns_2d_add(maps);
  Izv_scene* second = zv_scns_2d_add(maps);
  collection_step(rec, ("add two scenes: " + scene_caption(first) + ", " + scene_caption(second)).c_str());
  zv_scn_2d_set_wcaption(second, L"Harbour");
  collection_step(rec, "rename the second scene");
  Izv_layer* quay = zv_scn_2d_add_layer_type_name(second, "vector");
  zv_lr2d_set_wcaption(quay, L"quay");
  collection_step(rec, "add a layer \"quay\" to it");
  Tzv_box_d2 const quay_box = zv_box_d2_init_xy(0, 0, 50, 20);
  zv_lr2d_test_set_box(quay, &quay_box);
  collection_step(rec, "the layer's data arrives");

  // Occupancy of the marked layers, as the host asks before replacing them.
  zv_lr2d_test_set_occupied(quay, 2, L"opened for editing");
  zv_lr2d_set_marked(quay, true);
  rec.clear();
  Tzv_text_sink report;
  int32_t const level = second->is_occupied(report.adapter());
  std::printf("  occupancy level %d, report:\n%s", level, report.text().c_str());
  bool const released = second->deoccupy(report.adapter());
  std::printf("  release %s, report:\n%s", released ? "succeeded" : "failed", report.text().c_str());
  zv_scns_2d_del(maps, 0);
  collection_step(rec, "remove the first scene");

  std::printf("\nA print layout whose box takes in its page:\n");
  Izv_scns2d* layouts = zv_scns_layout_create();
  Tzv_event_recorder layout_rec(zv_scns_2d_get_update_event_channel(layouts));
  Izv_scene* layout = zv_scns_2d_add(layouts);
  collection_step(layout_rec, ("add a layout: " + scene_caption(layout)).c_str());
  Tzv_box_d2 const page = zv_box_d2_init_xy(0, 0, 210, 297);
  zv_lr2d_page_set_box(zv_scn_layout_get_page_lr2d(layout), &page);
  zv_scn_2d_calc_box(layout);
  Tzv_box_d2 box{};
  bool const valid = zv_scn_2d_get_box(layout, &box);
  std::printf("  page (0, 0, 210, 297) gives the layout box %s\n", box_text(valid, box).c_str());

  std::printf("\nA column collection does not hear its scenes:\n");
  Izv_scns2d* columns = zv_scns_clm_create();
  Tzv_event_recorder column_rec(zv_scns_2d_get_update_event_channel(columns));
  Izv_scene* column = zv_scns_2d_add(columns);
  collection_step(column_rec, ("add a column scene: " + scene_caption(column)).c_str());
  zv_scn_2d_add_layer_type_name(column, "vector");
  collection_step(column_rec, "add a layer to it");

  column_rec.detach();
  layout_rec.detach();
  rec.detach();
  zv_scns_clm_destroy(columns);
  zv_scns_layout_destroy(layouts);
  zv_scns_2d_destroy(maps);
}

}  // namespace

int main() {
  demo_scene();
  demo_collections();
  return 0;
}
