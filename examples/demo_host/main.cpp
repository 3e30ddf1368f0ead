// Demo host: drives 2D scenes through the library's exported functions only,
// as a host application would, and prints after each step what a listener on
// the scene heard and what the scene now holds. It loads the sample plug-in
// as a host loads plug-ins, builds a map from source names through the
// plug-in's filters and keeps scenes of the plug-in's type.
//   B        begin-update event      E   end-update event
//   U[1,3]   update with properties 1 and 3;  1{21}: forwarded from a layer
//   U[]      a plain update of the whole scene
// Usage: zv_demo_host [--svg FILE]   (--svg also draws the map and a layout)
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <numbers>
#include <string>
#include <vector>

#include "event_recorder.h"
#include "module_loader.h"
#include "svg_writer.h"
#include "zv/clip_params.h"
#include "zv/framework/service_ids.h"
#include "zv/graticule.h"
#include "zv/plugin.h"
#include "zv/scn2d_builder.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/scn_clm.h"
#include "zv/scn_layout.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

void section(char const* title) { std::printf("\n== %s ==\n", title); }

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
  if (!valid) return "none";
  char buf[128];
  std::snprintf(buf, sizeof buf, "(%.10g, %.10g, %.10g, %.10g)", b.xmin, b.ymin, b.xmax, b.ymax);
  return buf;
}

void step(Tzv_event_recorder& rec, Izv_scene* scene, char const* what) {
  std::printf("  %-44s %-22s | %s\n", what, rec.take().c_str(), layer_order(scene).c_str());
}

void demo_scene() {
  section("A scene in UTM zone 32, through the exports (events | layers, active in brackets)");
  Izv_scene* scene = zv_scn_2d_create();
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(scene));

  zv_scn_2d_set_prj4wstring(scene, L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs");
  step(rec, scene, "set the projection");
  char const* const types[] = {"vector", "raster", "vector", "vector"};
  wchar_t const* const names[] = {L"roads", L"relief", L"rivers", L"towns"};
  Tzv_box_d2 const boxes[] = {
      zv_box_d2_init_xy(500000, 5300000, 520000, 5320000), zv_box_d2_init_xy(490000, 5290000, 530000, 5330000),
      zv_box_d2_init_xy(505000, 5310000, 515000, 5340000), zv_box_d2_init_xy(501000, 5301000, 502000, 5302000)};
  for (char const* type : types) zv_scn_2d_add_layer_type_name(scene, type);
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
  section("Collections, as a listener on each collection hears them");
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

  section("A print layout whose box takes in its page");
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

  section("A column collection does not hear its scenes");
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

// ---------------------------------------------------------------------------
// Plug-ins.

// The sample plug-in's entry points, found by name as a host finds them.
struct Tzv_sample_entries {
  void (*register_services)();
  void (*unregister_services)();
  int32_t (*filter_holds)();

  explicit Tzv_sample_entries(Tzv_plugin_module const& module)
      : register_services(module.entry<void (*)()>("zv_sample_plugin_register")),
        unregister_services(module.entry<void (*)()>("zv_sample_plugin_unregister")),
        filter_holds(module.entry<int32_t (*)()>("zv_sample_plugin_get_filter_holds")) {}
  bool complete() const { return register_services && unregister_services && filter_holds; }
};

// What the user drops on the map, and the extents (in degrees) that the data
// behind the names would give: the stand-in layers have no data.
wchar_t const* const dropped_sources[] = {L"data/roads.zvv",     L"data/relief.zvr", L"notes.txt",
                                          L"data/old roads.zvv", L"data/lakes.ZVV",  L"data/peaks.zvv"};
struct Tzv_named_box {
  wchar_t const* name;
  Tzv_box_d2 box;
};
Tzv_named_box const source_extents[] = {{L"roads", {-3.20, 54.36, -2.94, 54.52}},
                                        {L"relief", {-3.30, 54.30, -2.85, 54.62}},
                                        {L"lakes", {-3.10, 54.40, -2.98, 54.50}},
                                        {L"peaks", {-3.25, 54.44, -3.05, 54.58}}};
wchar_t const* const geographic = L"+proj=longlat +datum=WGS84 +no_defs";

std::string narrow(std::wstring const& text) { return std::string(text.begin(), text.end()); }  // ASCII

std::string builder_errors(Tzv_scene_2d_builder* builder) {
  Tzv_text_sink sink;
  zv_scn2d_builder_get_errors(builder, sink.adapter());
  return sink.text();
}

// Every line of `text`, indented; "(none)" for no text.
void print_lines(std::string const& text) {
  if (text.empty()) std::printf("    (none)\n");
  for (std::size_t at = 0; at < text.size();) {
    std::size_t const end = std::min(text.find('\n', at), text.size());
    std::printf("    %s\n", text.substr(at, end - at).c_str());
    at = end + 1;
  }
}

// The layers of the map get the extents of their data.
void data_arrives(Izv_scene* map) {
  for (uint32_t i = 0; i < zv_scn_2d_get_layer_count(map); ++i) {
    Izv_layer* layer = zv_scn_2d_get_layer_ptr(map, i);
    for (Tzv_named_box const& source : source_extents)
      if (caption_of(layer) == narrow(source.name)) zv_lr2d_test_set_box(layer, &source.box);
  }
}

void build_from_sources(Izv_scene* map, Tzv_sample_entries const& plugin) {
  section("Building the map \"Lakes\" from source names through the plug-in's filters");
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(map));
  Tzv_scene_2d_builder* builder = zv_scn2d_builder_create();
  zv_scn2d_builder_init(builder, map, ZV_SCENE_2D_EDITOR_EXTENSION_ID);
  std::printf("  the builder holds %d filters of the plug-in\n", plugin.filter_holds());

  Tzv_wstrings_obj* names = zv_wstrings_create();
  std::string listed;
  for (wchar_t const* source : dropped_sources) {
    zv_wstrings_add_str(names, source);
    listed += (listed.empty() ? "" : ", ") + narrow(source);
  }
  std::printf("  sources: %s\n  supported: %s\n", listed.c_str(),
              zv_scn2d_builder_is_supported(builder, names) ? "yes" : "no");
  zv_scn2d_builder_add_sources(builder, names);
  step(rec, map, "add them (notes.txt: no filter, skipped)");
  std::printf("  errors collected:\n");
  print_lines(builder_errors(builder));
  zv_wstrings_destroy(names);
  zv_scn2d_builder_destroy(builder);
  std::printf("  builder gone, it holds %d filters\n", plugin.filter_holds());

  data_arrives(map);
  step(rec, map, "their data arrives (each announces 21)");
  Tzv_box_d2 box{};
  bool const valid = zv_scn_2d_get_box(map, &box);
  std::printf("  map box: %s\n", box_text(valid, box).c_str());
  rec.detach();
}

void clip_and_graticule(Izv_scene* map) {
  section("The map's clip outline and graticule");
  Tzv_clip2d_params* clip = zv_scn_2d_get_clip_params(map);
  Tzv_op2d* outline = zv_scn2d_clip_params_get_ov(clip);
  double const ring[][2] = {{-3.22, 54.38}, {-2.92, 54.36}, {-2.96, 54.56}, {-3.18, 54.60}};
  for (auto const& v : ring) zv_ov_d2_add_vtx(outline, v[0], v[1]);
  zv_scn2d_clip_params_set_prj(clip, geographic);
  zv_scn2d_clip_params_set_enabled(clip, true);
  Tzv_box_d2 box{};
  bool const valid = zv_scn_2d_get_clipped_box(map, &box);
  std::printf("  clipped box: %s\n", box_text(valid, box).c_str());

  Izv_graticule_params* graticule = zv_scn_2d_get_graticule_params_ptr(map);
  zv_graticule_params_set_visible(graticule, true);
  zv_graticule_ticks_set_lon_step_dms(zv_graticule_params_get_main_ticks_ptr(graticule), 0, 5, 0);
  zv_graticule_ticks_set_lat_step_dms(zv_graticule_params_get_main_ticks_ptr(graticule), 0, 5, 0);
  std::printf("  graticule every 0 deg 5 min; the map can show it: %s\n",
              zv_scn_2d_can_show_graticule(map) ? "yes" : "no");
}

double step_degrees(int d, int m, int s) { return d + m / 60.0 + s / 3600.0; }

// Degrees as 3°10'W: `hemispheres` names the positive side, then the negative.
std::string dms(double degrees, char const* hemispheres) {
  long const minutes = std::lround(std::fabs(degrees) * 60);
  char buf[32];
  std::snprintf(buf, sizeof buf, "%ld\xC2\xB0%02ld'%c", minutes / 60, minutes % 60, hemispheres[degrees < 0 ? 1 : 0]);
  return buf;
}

// Lines at the multiples of the main ticks' steps that cross the box.
void draw_graticule(Tzv_svg_writer& svg, Izv_scene* map, Tzv_box_d2 const& box) {
  Izv_graticule_params* graticule = zv_scn_2d_get_graticule_params_ptr(map);
  if (!zv_graticule_params_get_visible(graticule) || !zv_scn_2d_can_show_graticule(map)) return;
  int d = 0, m = 0, s = 0;
  Tzv_graticule2d_ticks* ticks = zv_graticule_params_get_main_ticks_ptr(graticule);
  zv_graticule_ticks_get_lon_step_dms(ticks, &d, &m, &s);
  double const lon_step = step_degrees(d, m, s);
  zv_graticule_ticks_get_lat_step_dms(ticks, &d, &m, &s);
  double const lat_step = step_degrees(d, m, s);
  if (lon_step <= 0 || lat_step <= 0) return;
  for (double x = std::ceil(box.xmin / lon_step) * lon_step; x <= box.xmax; x += lon_step)
    svg.add_line({x, box.ymin}, {x, box.ymax}, dms(x, "EW"), Tzv_svg_kind::graticule);
  for (double y = std::ceil(box.ymin / lat_step) * lat_step; y <= box.ymax; y += lat_step)
    svg.add_line({box.xmin, y}, {box.xmax, y}, dms(y, "NS"), Tzv_svg_kind::graticule);
}

// Vector layers outlined, raster layers screened, each captioned with its type.
void draw_layers(Tzv_svg_writer& svg, Izv_scene* scene) {
  for (uint32_t i = 0; i < zv_scn_2d_get_layer_count(scene); ++i) {
    Izv_layer* layer = zv_scn_2d_get_layer_ptr(scene, i);
    Tzv_box_d2 box{};
    if (!zv_lr2d_get_box(layer, &box)) continue;
    bool const raster = std::strcmp(zv_lr2d_get_lr_type(layer), zv_lr2d_type_raster) == 0;
    svg.add_box(box, caption_of(layer) + (raster ? " (raster)" : " (vector)"),
                raster ? Tzv_svg_kind::raster_layer : Tzv_svg_kind::vector_layer);
  }
}

// The map's panel; its number, for the layout to draw it in its map frame.
std::size_t draw_map(Tzv_svg_writer& svg, Izv_scene* map) {
  Tzv_box_d2 box{};
  bool const valid = zv_scn_2d_get_box(map, &box);
  // The map is in degrees: on the ground a degree of longitude is
  // cos(latitude) of a degree of latitude.
  double const x_scale = valid ? std::cos((box.ymin + box.ymax) / 2 * std::numbers::pi / 180) : 1;
  std::size_t const panel = svg.begin_panel("Map: " + scene_caption(map) + " (degrees)", x_scale);
  if (valid) draw_graticule(svg, map, box);
  draw_layers(svg, map);
  Tzv_op2d const* outline = zv_scn2d_clip_params_get_ov(zv_scn_2d_get_clip_params(map));
  for (int32_t r = 0; r < zv_ov_d2_get_ring_count(outline); ++r) {
    std::vector<Tzv_vtx_d2> ring;
    ring.reserve(static_cast<size_t>(zv_ov_d2_get_ring_size(outline, r)));
    for (int32_t i = 0; i < zv_ov_d2_get_ring_size(outline, r); ++i) ring.push_back(zv_ov_d2_get_vtx(outline, r, i));
    svg.add_ring(std::move(ring), Tzv_svg_kind::clip);
  }
  return panel;
}

std::string source_of(Izv_scene* scene) {
  Tzv_text_sink sink;
  zv_scn_2d_get_source(scene, sink.adapter());
  return sink.text();
}

void print_plugin_scene(Izv_scene* scene) {
  zv_scn_2d_calc_box(scene);
  Tzv_box_d2 box{};
  bool const valid = zv_scn_2d_get_box(scene, &box);
  std::printf("    %-10s source \"%s\", box %s\n", scene_caption(scene).c_str(), source_of(scene).c_str(),
              box_text(valid, box).c_str());
}

void plugin_collection() {
  section("A collection of the plug-in's scenes, whose source is their extent");
  Izv_scns2d* sheets = zv_plugin_scns_2d_create(0);
  Tzv_text_sink caption;
  sheets->get_wcaption(caption.adapter());
  t_zv_scene_2d_collection_interface const* own = zv_scns_2d_get_plugin_interface(sheets);
  std::printf("  collection \"%s\", type %s, the plug-in's object attached: %s\n", caption.text().c_str(),
              zv_scns_2d_get_meta_id(sheets), own && own->contract && own->self ? "yes" : "no");
  Tzv_event_recorder rec(zv_scns_2d_get_update_event_channel(sheets));
  Izv_scene* north = zv_scns_2d_add(sheets);
  Izv_scene* south = zv_scns_2d_add(sheets);
  collection_step(rec, ("add two scenes of type " + std::string(zv_scn_2d_get_meta_id(north))).c_str());
  zv_scn_2d_set_source(north, L"-3.2, 54.45, -2.9, 54.6");
  zv_scn_2d_set_source(south, L"the south");
  collection_step(rec, "give them sources (the plug-in's: no event)");
  print_plugin_scene(north);
  print_plugin_scene(south);
  zv_scn_2d_assign(south, north);
  collection_step(rec, "copy the first scene onto the second");
  print_plugin_scene(south);
  rec.detach();
  zv_plugin_scns_2d_destroy(sheets);
}

void layout_with_frame(Tzv_svg_writer& svg, std::size_t map_panel) {
  section("A layout page with a map frame and a legend (millimetres)");
  Izv_scene* layout = zv_scn_layout_create();
  zv_scn_2d_set_wcaption(layout, L"A4 sheet");
  Tzv_event_recorder rec(zv_scn_2d_get_update_event_channel(layout));
  Tzv_box_d2 const page{0, 0, 210, 297};
  zv_lr2d_page_set_box(zv_scn_layout_get_page_lr2d(layout), &page);
  std::printf("  page: %s\n", box_text(true, page).c_str());
  Tzv_named_box const parts[] = {{L"map frame", {15, 70, 195, 282}}, {L"legend", {15, 15, 95, 60}}};
  for (Tzv_named_box const& part : parts) {
    Izv_layer* layer = zv_scn_2d_add_layer_type_name(layout, "vector");
    zv_lr2d_set_wcaption(layer, part.name);
    zv_lr2d_test_set_box(layer, &part.box);
  }
  step(rec, layout, "add a map frame and a legend");
  zv_scn_2d_calc_box(layout);
  Tzv_box_d2 box{};
  bool const valid = zv_scn_2d_get_box(layout, &box);
  std::printf("  layout box: %s\n", box_text(valid, box).c_str());

  svg.begin_panel("Layout: " + scene_caption(layout));
  Tzv_box_d2 drawn_page{};
  if (zv_lr2d_page_get_box(zv_scn_layout_get_page_lr2d(layout), &drawn_page))
    svg.add_box(drawn_page, "page", Tzv_svg_kind::page);
  for (uint32_t i = 0; i < zv_scn_2d_get_layer_count(layout); ++i) {
    Izv_layer* layer = zv_scn_2d_get_layer_ptr(layout, i);
    Tzv_box_d2 part{};
    if (!zv_lr2d_get_box(layer, &part)) continue;
    svg.add_box(part, caption_of(layer), Tzv_svg_kind::vector_layer);
    // The map inside its frame, below the frame's caption.
    if (caption_of(layer) == "map frame")
      svg.add_panel(map_panel, {part.xmin + 4, part.ymin + 4, part.xmax - 4, part.ymax - 12});
  }
  rec.detach();
  zv_scn_layout_destroy(layout);
}

// Everything that uses the plug-in, between the library's init and done.
void with_plugin(Tzv_sample_entries const& plugin, Tzv_svg_writer& svg) {
  plugin.register_services();
  std::printf("  its services are registered\n");
  uint32_t const inits = zv_plugin_scn_2d_init();
  std::printf("  zv_plugin_scn_2d_init -> %u; scene factories: %llu\n", inits,
              static_cast<unsigned long long>(zv_scn_2d_factory_get_count()));

  Izv_scene* map = zv_scn_2d_create();
  zv_scn_2d_set_wcaption(map, L"Lakes");
  zv_scn_2d_set_prj4wstring(map, geographic);
  build_from_sources(map, plugin);
  clip_and_graticule(map);
  std::size_t const map_panel = draw_map(svg, map);
  zv_scn_2d_destroy(map);
  plugin_collection();
  layout_with_frame(svg, map_panel);

  section("Stop");
  zv_plugin_scn_2d_done();
  std::printf("  zv_plugin_scn_2d_done; scene factories: %llu; a \"sample_scene\" by name: %s\n",
              static_cast<unsigned long long>(zv_scn_2d_factory_get_count()),
              zv_scn_2d_factory_create_scn("sample_scene") ? "made" : "none");
  plugin.unregister_services();
  std::printf("  the plug-in's services are withdrawn; the module is unloaded\n");
}

// False when the plug-in cannot be loaded.
bool demo_plugins(Tzv_svg_writer& svg) {
  section("Plug-ins: loading the sample plug-in and starting the library");
  Tzv_plugin_module module("zv_sample_plugin");
  if (!module.loaded()) {
    std::printf("  cannot load %s: %s\n", module.path().c_str(), module.error().c_str());
    return false;
  }
  std::printf("  loaded %s\n", module.path().c_str());
  Tzv_sample_entries const plugin(module);
  if (!plugin.complete()) {
    std::printf("  the module lacks the sample plug-in's entry points\n");
    return false;
  }
  with_plugin(plugin, svg);
  return true;
}

// The file named after --svg; empty without it.
std::string svg_path(int argc, char** argv) {
  for (int i = 1; i + 1 < argc; ++i)
    if (std::strcmp(argv[i], "--svg") == 0) return argv[i + 1];
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  std::string const svg_file = svg_path(argc, argv);
  demo_scene();
  demo_collections();
  Tzv_svg_writer svg;
  if (!demo_plugins(svg)) return 1;
  if (svg_file.empty()) return 0;
  if (!svg.save(svg_file)) {
    std::printf("\ncannot write %s\n", svg_file.c_str());
    return 1;
  }
  std::printf("\nDrawing written to %s\n", svg_file.c_str());
  return 0;
}
