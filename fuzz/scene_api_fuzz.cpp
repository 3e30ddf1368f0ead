// Stateful fuzzer of the flat interface: the input is a sequence of
// operations on a small world of scene collections, scenes, layouts, column
// scenes, their layers, parameter objects and the plug-in side, made through
// the exports with null handles, stale, out-of-range and repeated indexes,
// malformed extras tables and odd texts. After every operation the world is
// checked against a model of what the operations did, and the process aborts
// on the first difference. Listeners that act (remove, clear, assign,
// destroy, open a recursive bracket or throw from inside an event) run one
// operation at a time; the model then takes what the world holds. At the end
// of every input no layer, entity, plug-in reference or factory is left.
// Operations are rows of one table; a new family of exports is a new row.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "core/string_adapters.h"
#include "event_recorder.h"
#include "robustness/scene_checks.h"
#include "support/plugin_fakes.h"
#include "support/reacting_listener.h"
#include "zv/lookmarks.h"
#include "zv/plugin.h"
#include "zv/prf_data.h"
#include "zv/scn2d_builder.h"
#include "zv/scn_2d.h"
#include "zv/scn_2d_factory.h"
#include "zv/scn_clm.h"
#include "zv/scn_layout.h"
#include "zv/scns_2d.h"
#include "zv/sibling/entity.h"
#include "zv/sibling/lr2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// --- Input ----------------------------------------------------------------------

struct Tzv_fuzz_input {
  uint8_t const* data;
  size_t size;
  size_t pos = 0;
  bool done() const { return pos >= size; }
  uint8_t byte() { return pos < size ? data[pos++] : 0; }
  bool flag() { return (byte() & 1) != 0; }
  uint32_t below(uint32_t n) { return n == 0 ? 0 : byte() % n; }
};

// Texts that stress conversions and caption rules: empty, format
// directives, long, code points no single-byte code page holds, a lone
// surrogate, a duplicate of the default caption.
std::wstring odd_text(Tzv_fuzz_input& in) {
  uint32_t const k = in.below(8);
  if (k == 0) return L"";
  if (k == 1) return L"%s %n %ls(%d)";
  if (k == 2) return std::wstring(300 + in.below(64), L'x');
  if (k == 3) return L"\u00e9\u4e2d\U0001F600";
  if (k == 4) return std::wstring(1, static_cast<wchar_t>(0xD800)) + L"a";
  if (k == 5) return L"Layer";
  if (k == 6) return L"+proj=longlat +datum=WGS84 +no_defs";
  std::wstring t;
  for (uint32_t n = in.below(6); n > 0; --n) t += static_cast<wchar_t>(1 + in.byte());
  return t;
}

std::string narrow(std::wstring const& w) {
  std::string s;
  for (wchar_t c : w) s += static_cast<char>(c & 0x7F ? c & 0x7F : 'z');
  return s;
}

[[noreturn]] void fail(char const* op, std::string const& what) {
  std::fprintf(stderr, "invariant broken after %s: %s\n", op, what.c_str());
  std::abort();
}

void check(char const* op, std::string const& what) {
  if (!what.empty()) fail(op, what);
}

// --- The plug-in side -------------------------------------------------------------

// How a creator the input entered in the factory map behaves.
enum class Tzv_creator_kind { scene_2d, layout, none, throws };

Izv_scene* make_scene_2d() { return zv_scn_2d_create(); }
Izv_scene* make_by_kind(void* context) {
  auto const kind = *static_cast<Tzv_creator_kind const*>(context);
  if (kind == Tzv_creator_kind::throws) throw Tzvt_plugin_error{L"creator"};
  if (kind == Tzv_creator_kind::layout) return zv_scn_layout_create();
  return kind == Tzv_creator_kind::scene_2d ? zv_scn_2d_create() : nullptr;
}

// What a filter's add makes of a name: "bad..." asks for a type that does
// not exist and reports an error, "grp..." a group, "throw..." throws, the
// rest a vector layer.
void build_layers(Tzv_layer_builder* builder, wchar_t const* source) {
  std::wstring const name = source;
  if (name.starts_with(L"throw")) throw Tzvt_filter_error{name};
  if (name.starts_with(L"bad")) {
    zv_lr_builder_add_layer(builder, "no-such-type", source);
    return zv_lr_builder_add_error(builder, source);
  }
  zv_lr_builder_add_layer(builder, name.starts_with(L"grp") ? zv_lr2d_type_group : zv_lr2d_type_vector, source);
}

struct Tzv_builder_slot {
  Tzv_scene_2d_builder* handle;
  Izv_scene* scene = nullptr;  // what the last init bound it to
};

// Runs a call that a plug-in may make throw; answers whether it threw.
template <class Fn>
bool plugin_call(Fn fn) {
  try {
    fn();
    return false;
  } catch (Tzvt_plugin_error const&) {
    return true;
  }
}

// --- The world and its model ------------------------------------------------------

struct Tzv_fuzz_collection {
  Izv_scns2d* handle;
  void (*destroy)(Izv_scns2d*);
  bool plugin = false;                   // made by a plug-in scene factory
  std::vector<Izv_scene*> members = {};  // as the operations left them
  uint32_t active = zv_check::no_index;
  std::set<Izv_scene*> marked = {};
  std::shared_ptr<Tzv_event_recorder> recorder =
      std::make_shared<Tzv_event_recorder>(zv_scns_2d_get_update_event_channel(handle));
  bool dead = false;  // destroyed by a listener; leaves the model after the operation

  void end() {
    recorder.reset();
    dead = true;
    destroy(handle);
  }
};

Izv_scns2d* handle_of(Tzv_fuzz_collection const* c) { return c ? c->handle : nullptr; }

// Two scene services and two editor-extension services with their filters,
// registered for the length of one input, come first and go last; then the
// collections and scenes with their model, the scene builders and the names
// the input entered in the factory map. Destruction puts the process back as
// it found it and checks that no plug-in object was left held.
struct Tzv_fuzz_world {
  static constexpr int32_t service_count = 2;
  static constexpr char const* meta_ids[service_count] = {"FuzzSceneA", "FuzzSceneB"};
  Tzvt_scene_service services[service_count] = {Tzvt_scene_service{L"FuzzSceneA"}, Tzvt_scene_service{L"FuzzSceneB"}};
  Tzvt_filter_trace trace;
  Tzvt_filter filters[2] = {{trace, L"n", {L"a.shp", L"bad.x", L"throw.x", L"grp.x"}}, {trace, L"w", {L"*"}}};
  // The wide filter is asked last: its service has the higher priority number.
  Tzvt_extension_service extensions[2] = {{1, {filters[0].handle()}}, {2, {filters[1].handle()}}};

  std::vector<Tzv_fuzz_collection> collections;
  std::vector<std::pair<Izv_scene*, void (*)(Izv_scene*)>> loose;  // scenes of no collection
  std::unordered_map<Izv_scene*, uint32_t> layer_counts;           // every live scene
  std::vector<std::unique_ptr<Tzv_event_recorder>> recorders;      // of the loose scenes
  Tzv_profil_data* prf = zv_prf_data_create();
  Tzv_lookmarks2d* lookmarks = zv_lookmarks_create();
  std::vector<Tzv_builder_slot> builders;
  std::map<std::string, Tzv_creator_kind> entered;  // names the input entered, as the map holds them
  Tzv_creator_kind kinds[4] = {Tzv_creator_kind::scene_2d, Tzv_creator_kind::layout, Tzv_creator_kind::none,
                               Tzv_creator_kind::throws};
  uint32_t inits = 0;
  uint32_t stale = 0;                // an index that was valid before a removal
  Izv_scene* s = nullptr;            // the scene the operation was given
  Tzv_fuzz_collection* c = nullptr;  // the collection the operation was given

  static constexpr size_t first_loose = 3;  // loose scenes before it live as long as the world

  Tzv_fuzz_world() {
    services[1].makes_scenes = false;  // its scenes have no plug-in object
    services[1].scene_caption = L"Fuzz";
    for (auto& service : services) service.register_as();
    for (auto& filter : filters) filter.on_add(&build_layers);
    collections.push_back({zv_scns_2d_create(), &zv_scns_2d_destroy});
    collections.push_back({zv_scns_layout_create(), &zv_scns_layout_destroy});
    collections.push_back({zv_scns_clm_create(), &zv_scns_clm_destroy});
    loose = {{zv_scn_2d_create(), &zv_scn_2d_destroy},
             {zv_scn_layout_create(), &zv_scn_layout_destroy},
             {zv_scn_clm_create(), &zv_scn_clm_destroy}};
    for (auto& [scene, destroy] : loose) {
      adopt(scene);
      recorders.push_back(std::make_unique<Tzv_event_recorder>(zv_scn_2d_get_update_event_channel(scene)));
    }
  }
  ~Tzv_fuzz_world() {
    disarm();
    while (!builders.empty()) drop_builder(builders.size() - 1);  // before the scenes they borrow
    recorders.clear();
    for (auto& each : collections) each.end();
    for (auto& [scene, destroy] : loose) destroy(scene);
    zv_prf_data_destroy(prf);
    zv_lookmarks_destroy(lookmarks);
    while (inits > 0) done();
    zv_plugin_scn_2d_done();  // one too many does nothing
    for (auto const& [name, kind] : entered) zv_scn_2d_factory_detach(name.c_str());
    int held = 0;
    for (auto const& service : services) {
      held += service.retained;
      for (auto const& scene : service.scenes) held += scene->owner != nullptr;
      for (auto const& each : service.collections) held += each->owner != nullptr;
    }
    for (int k = 0; k < 2; ++k) held += extensions[k].retained + filters[k].attached;
    if (held != 0) fail("the end of the input", "a plug-in object still held or paired");
    if (zv_scn_2d_factory_get_count() != 0) fail("the end of the input", "factories left after the last done");
  }
  Tzv_fuzz_world(Tzv_fuzz_world const&) = delete;
  Tzv_fuzz_world& operator=(Tzv_fuzz_world const&) = delete;

  void init() {
    zv_plugin_scn_2d_init();
    ++inits;
  }
  void done() {
    zv_plugin_scn_2d_done();
    if (inits > 0) --inits;
  }
  void disarm() {
    for (int k = 0; k < 2; ++k) filters[k].armed.clear(), extensions[k].armed.clear();
  }
  void drop_builder(size_t i) {
    Tzv_scene_2d_builder* b = builders[i].handle;
    builders.erase(builders.begin() + static_cast<std::ptrdiff_t>(i));
    plugin_call([b] { zv_scn2d_builder_destroy(b); });  // a filter may throw as it is let go
  }
  std::vector<Izv_scene*> scenes() const {
    std::vector<Izv_scene*> out;
    for (auto const& [scene, destroy] : loose) out.push_back(scene);
    for (auto const& c : collections) out.insert(out.end(), c.members.begin(), c.members.end());
    return out;
  }
  void adopt(Izv_scene* scene) { layer_counts[scene] = zv_scn_2d_get_layer_count(scene); }
  // Scenes that left their collection are destroyed by the time an
  // operation returns: they leave the model.
  void forget_dead() {
    std::vector<Izv_scene*> const live = scenes();
    std::erase_if(layer_counts,
                  [&live](auto const& e) { return std::find(live.begin(), live.end(), e.first) == live.end(); });
  }
  // After an exception part way or listeners that acted: the model takes
  // what the collection holds (the checks then test that it is consistent).
  void resync(Tzv_fuzz_collection& c) {
    c.members = zv_check::scenes_of(c.handle);
    c.active = zv_scns_2d_get_active_scn_idx(c.handle);
    c.marked.clear();
    for (Izv_scene* s : c.members) {
      adopt(s);
      if (zv_scn_2d_get_marked(s)) c.marked.insert(s);
    }
  }
  // Drops the collections listeners destroyed and takes the rest from the world.
  void take_world() {
    std::erase_if(collections, [](Tzv_fuzz_collection const& c) { return c.dead; });
    for (auto& c : collections) resync(c);
    for (auto& [scene, destroy] : loose) adopt(scene);
  }
};

using W = Tzv_fuzz_world;
using In = Tzv_fuzz_input;

// `rules`: what the traces may show.
void check_world(char const* op, W& w, zv_check::Tzv_trace_rules rules) {
  check(op, zv_check::history_idle());
  for (auto const& c : w.collections) {
    check(op, zv_check::collection(c.handle));
    if (zv_check::scenes_of(c.handle) != c.members) fail(op, "members differ from the model");
    if (zv_scns_2d_get_active_scn_idx(c.handle) != c.active) fail(op, "active index differs from the model");
    if ((zv_scns_2d_get_plugin_interface(c.handle) != nullptr) != c.plugin) fail(op, "plug-in object of a collection");
    for (Izv_scene* s : c.members) {
      if (zv_scn_2d_get_marked(s) != c.marked.contains(s)) fail(op, "marked set differs from the model");
    }
    check(op, zv_check::trace_balance(c.recorder->take(), rules));
  }
  for (auto const& [scene, count] : w.layer_counts) {
    check(op, zv_check::layer_list(scene));
    if (zv_scn_2d_get_layer_count(scene) != count) fail(op, "layer count differs from the model");
  }
  for (auto& r : w.recorders) check(op, zv_check::trace_balance(r->take(), rules));
  if (zv_scn_2d_factory_get_count() != uint64_t{w.inits > 0 ? 2u : 0u})
    fail(op, "factory count differs from the inits");
  for (size_t i = 0; i < W::first_loose; ++i) {
    if (zv_scn_2d_get_plugin_interface(w.loose[i].first) != nullptr) fail(op, "plug-in object of a plain scene");
  }
}

// --- Picking handles and indexes ---------------------------------------------------

// One of `n` things, or none (n) now and then.
uint32_t pick_of(In& in, size_t n) { return in.below(static_cast<uint32_t>(n) + 1); }
template <class T>
T* pick(In& in, std::vector<T>& all) {
  uint32_t const k = pick_of(in, all.size());
  return k < all.size() ? &all[k] : nullptr;
}
Izv_scene* pick_scene(W& w, In& in) {
  std::vector<Izv_scene*> all = w.scenes();
  Izv_scene** s = pick(in, all);
  return s ? *s : nullptr;
}
Tzv_fuzz_collection* pick_collection(W& w, In& in) { return pick(in, w.collections); }

// Mostly in range, sometimes just past the end, none, huge or stale.
uint32_t pick_index(W& w, In& in, uint32_t count) {
  uint32_t const k = in.below(8);
  if (k == 0) return zv_check::no_index;
  if (k == 1) return count + in.below(3);
  return k == 2 ? w.stale : in.below(count + 1);
}
uint32_t layer_index(W& w, In& in) { return pick_index(w, in, zv_scn_2d_get_layer_count(w.s)); }
uint32_t member_index(W& w, In& in) { return pick_index(w, in, static_cast<uint32_t>(w.c->members.size())); }

// A layer of that scene, of another scene, or null.
Izv_layer* pick_layer(W& w, In& in, Izv_scene* scene) {
  if (in.below(8) == 0) scene = pick_scene(w, in);
  return zv_scn_2d_get_layer_ptr(scene, in.below(zv_scn_2d_get_layer_count(scene) + 1));
}

// Applies to a layer of the scene, picked either by pointer or by index.
template <class ByLayer, class ByIndex>
void on_layer_or_index(W& w, In& in, ByLayer by_layer, ByIndex by_index) {
  if (in.flag()) return by_layer(w.s, pick_layer(w, in, w.s));
  by_index(w.s, layer_index(w, in));
}

// Up to five indexes, repeats and strays included; answers how many
// distinct ones are below `count`.
uint32_t pick_indexes(W& w, In& in, uint32_t count, std::vector<uint32_t>& out) {
  for (uint32_t n = in.below(6); n > 0; --n)
    out.push_back(in.flag() && !out.empty() ? out.front() : pick_index(w, in, count));
  std::set<uint32_t> distinct;
  for (uint32_t i : out) {
    if (i < count) distinct.insert(i);
  }
  return static_cast<uint32_t>(distinct.size());
}

uint32_t marked_layers(Izv_scene* scene) {
  uint32_t n = 0;
  for (Izv_layer* l : zv_check::layers_in_vector(scene)) n += zv_lr2d_get_marked(l) ? 1 : 0;
  return n;
}

uint32_t sub_layers(Tzv_composite_layer_2d* group) {
  uint32_t n = 0;
  for (uint32_t i = 0; i < zv_lr2d_group_sublr_count(group); ++i) n += zv_lr2d_group_get_sublr(group, i) ? 1 : 0;
  return n;
}

// Extras rows of every shape: name and value, name alone, no items, a
// number where the name belongs, a null name.
Tzv_table* malformed_table(In& in) {
  Tzv_table* t = table_create();
  auto const rows = static_cast<int32_t>(in.below(5));
  table_resize(t, rows);
  for (int32_t r = 0; r < rows; ++r) {
    Tzv_tuple& row = t->rows[r];
    auto const items = static_cast<int32_t>(in.below(4));
    tuple_resize(&row, items);
    if (items == 0) continue;
    if (in.flag()) any_assign_string(&row.items[0], in.flag() ? "a" : nullptr);
    else any_assign_integer(&row.items[0], in.byte());
    if (items > 1) any_assign_double(&row.items[1], in.byte());
  }
  return t;
}

// Names for the scene factory map: the input's own, the plug-ins', empty,
// long, odd and null. Only the input's own names (`own`) have a model.
struct Tzv_factory_name {
  std::string text;
  bool null = false;
  bool own = true;
  char const* get() const { return null ? nullptr : text.c_str(); }
};

Tzv_factory_name pick_factory_name(In& in) {
  uint32_t const k = in.below(8);
  if (k < 3) return {k == 0 ? "FzA" : k == 1 ? "FzB" : ""};
  if (k == 3) return {std::string(300, 'n')};
  if (k == 4 || k == 5) return {W::meta_ids[in.below(W::service_count)], false, false};
  if (k == 6) return {{}, true};
  return {narrow(odd_text(in)) + "#"};  // never a plug-in's name
}

// A source-name list for one call; null now and then.
Tzv_wstrings_obj* pick_names(In& in, Tzvt_name_list& list) {
  if (in.below(8) == 0) return nullptr;
  constexpr wchar_t const* c_names[] = {L"a.shp", L"bad.x", L"throw.x", L"grp.x", L"z.tif"};
  for (uint32_t n = in.below(5); n > 0; --n) {
    uint32_t const k = in.below(4);
    std::wstring const name = k == 0   ? c_names[in.below(std::size(c_names))]
                              : k == 1 ? std::wstring(1000 + in.below(64), L'q')
                                       : odd_text(in);
    zv_wstrings_add_str(list, name.c_str());
  }
  return list;
}

Tzv_scene_2d_builder* builder_of(Tzv_builder_slot const* slot) { return slot ? slot->handle : nullptr; }

// --- Collection model rules ---------------------------------------------------------

void model_remove(Tzv_fuzz_collection& c, std::vector<uint32_t> const& indexes) {
  std::vector<Izv_scene*> kept;
  for (uint32_t i = 0; i < c.members.size(); ++i) {
    if (std::find(indexes.begin(), indexes.end(), i) == indexes.end()) {
      kept.push_back(c.members[i]);
      continue;
    }
    c.marked.erase(c.members[i]);
    if (c.active == i) c.active = zv_check::no_index;
  }
  c.members = kept;
}

uint32_t index_in(Tzv_fuzz_collection const& c, Izv_scene* s) {
  auto it = std::find(c.members.begin(), c.members.end(), s);
  return it == c.members.end() ? zv_check::no_index : static_cast<uint32_t>(it - c.members.begin());
}

// The scene's mark as the collections that hold it see it.
void model_mark(W& w, Izv_scene* s, bool marked) {
  for (auto& c : w.collections) {
    if (index_in(c, s) == zv_check::no_index) continue;
    if (marked) c.marked.insert(s);
    else c.marked.erase(s);
  }
}

// Whether a copy takes the mark is the scene's own rule: the model reads it.
void sync_marked(W& w, Izv_scene* s) { model_mark(w, s, zv_scn_2d_get_marked(s)); }

void model_set_active(Tzv_fuzz_collection& c, Izv_scene* s) { c.active = s ? index_in(c, s) : zv_check::no_index; }

Izv_scene* active_member(Tzv_fuzz_collection const& c) {
  return c.active < c.members.size() ? c.members[c.active] : nullptr;
}

// --- Listeners that act ---------------------------------------------------------------

struct Tzv_fuzz_raise {};  // what an acting listener throws

Tzv_fuzz_collection* live_collection(W& w, Izv_scns2d* handle) {
  for (auto& c : w.collections) {
    if (c.handle == handle && !c.dead) return &c;
  }
  return nullptr;
}

// The collection that holds `s` now, or null; `s` is compared, not called.
Tzv_fuzz_collection* holder_of(W& w, Izv_scene* s) {
  for (auto& c : w.collections) {
    std::vector<Izv_scene*> const members = c.dead ? std::vector<Izv_scene*>{} : zv_check::scenes_of(c.handle);
    if (std::find(members.begin(), members.end(), s) != members.end()) return &c;
  }
  return nullptr;
}

bool scene_is_live(W& w, Izv_scene* s) {
  auto const loose = std::find_if(w.loose.begin(), w.loose.end(), [s](auto const& e) { return e.first == s; });
  return loose != w.loose.end() || holder_of(w, s) != nullptr;
}

enum Tzv_act : uint8_t { act_remove, act_clear, act_assign, act_destroy, act_recursive, act_raise, act_count };

// What an acting listener does to a collection; `s`, when given, is the
// member it removes.
void act_on_collection(W& w, Tzv_fuzz_collection& c, Tzv_act act, size_t source, Izv_scene* s) {
  std::vector<Izv_scene*> const members = zv_check::scenes_of(c.handle);
  auto const at = std::find(members.begin(), members.end(), s);
  if (act == act_remove)
    return zv_scns_2d_del(c.handle, static_cast<uint32_t>(at == members.end() ? 0 : at - members.begin()));
  if (act == act_clear) return zv_scns_2d_clear(c.handle);
  if (act == act_assign) return zv_scns_2d_assign(c.handle, w.collections[source % w.collections.size()].handle);
  if (act == act_destroy) return c.end();
  if (act == act_raise) throw Tzv_fuzz_raise{};
  c.handle->begin_update_recursive();
  c.handle->end_update_recursive();
}

// What it does to a scene: `l`, when given, is the layer it removes. The
// world's loose scenes are its own: destroying one clears it instead.
void act_on_scene(W& w, Izv_scene* s, Izv_layer* l, Tzv_act act, size_t source) {
  if (act == act_remove) return l ? zv_scn_2d_del_lr2d_ptr(s, l) : zv_scn_2d_del_lr2d(s, 0);
  if (act == act_assign) return zv_scn_2d_assign(s, w.loose[source % w.loose.size()].first);
  if (act == act_raise) throw Tzv_fuzz_raise{};
  if (act != act_recursive) return zv_scn_2d_clear(s);
  s->begin_update_recursive();
  s->end_update_recursive();
}

// Where the acting listener sits, and what it does when it hears its event.
struct Tzv_actor_plan {
  Izv_scene* scene;
  Izv_layer* layer;    // null: none picked
  Izv_scns2d* holder;  // the collection it sits on, when `place` is 2
  uint32_t place;      // 0 the scene, 1 the layer, 2 the collection
  Tzv_act act;
  size_t source;  // which collection or scene an assign copies

  Tzv_event_channel* channel() const {
    if (place == 1 && layer) return zv_lr_get_update_event_channel(layer);
    if (place == 2) return zv_scns_2d_get_update_event_channel(holder);
    return zv_scn_2d_get_update_event_channel(scene);
  }
  void run(W& w) const {
    if (place == 2) {
      if (Tzv_fuzz_collection* c = live_collection(w, holder)) act_on_collection(w, *c, act, source, nullptr);
      return;
    }
    if (!scene_is_live(w, scene)) return;
    Tzv_fuzz_collection* c = place == 0 ? holder_of(w, scene) : nullptr;
    if (c) return act_on_collection(w, *c, act, source, scene);
    act_on_scene(w, scene, place == 1 ? layer : nullptr, act, source);
  }
  // Whether the channel is still there for the listener to leave.
  bool channel_alive(W& w) const {
    if (place == 2) return live_collection(w, holder) != nullptr;
    if (!scene_is_live(w, scene)) return false;
    return place == 0 || !layer || zv_scn_2d_get_lr2d_idx(scene, layer) != zv_check::no_index;
  }
};

// The operation during which the listener acts.
void run_trigger(W& w, In& in, Tzv_actor_plan const& p) {
  Izv_scene* s = p.scene;
  Izv_scns2d* c = p.holder;
  uint32_t const k = in.below(10);
  if (k == 0) return zv_scn_2d_set_wcaption(s, L"acted");
  if (k == 1) return zv_lr2d_set_selected_all(p.layer ? p.layer : zv_scn_2d_get_layer_ptr(s, 0), in.flag());
  if (k == 2) return zv_scn_2d_move_layer(s, in.below(4), in.below(6));
  if (k == 5) return zv_scns_2d_assign(c, w.collections[in.below(static_cast<uint32_t>(w.collections.size()))].handle);
  if (k == 6) return zv_scns_2d_clear(c);
  if (k == 8) return zv_scns_2d_del(c, in.below(4));
  if (k == 9) return zv_scn_2d_assign(s, pick_scene(w, in));
  if (k == 4) {
    c->begin_update_recursive();
    return c->end_update_recursive();
  }
  // Each call may let the listener act, and the action may destroy the
  // scene: a host calls no more on a scene it destroyed.
  for (uint32_t i : {0u, k == 3 ? 2u : 1u}) {
    if (!scene_is_live(w, s)) return;
    zv_lr2d_set_marked(zv_scn_2d_get_layer_ptr(s, i), true);
    if (k == 7 && scene_is_live(w, s))
      zv_lr2d_test_set_occupied(zv_scn_2d_get_layer_ptr(s, i), 1, in.flag() ? L"held" : nullptr);
  }
  if (!scene_is_live(w, s)) return;
  if (k == 3) return zv_scn_2d_del_lr2d_marked(s);
  Tzv_eat_string_adapter report;
  s->deoccupy(report);
}

// One operation with a listener that acts once on a begin, update or end
// event of a scene, one of its layers or a collection. The model then takes
// the world as it is.
void run_with_actor(W& w, In& in) {
  if (!w.s || !w.c) return;
  uint32_t const n = zv_scn_2d_get_layer_count(w.s);
  Tzv_actor_plan const plan{w.s,
                            n ? zv_scn_2d_get_layer_ptr(w.s, in.below(n)) : nullptr,
                            w.c->handle,
                            in.below(3),
                            static_cast<Tzv_act>(in.below(act_count)),
                            in.byte()};
  constexpr int32_t c_kinds[] = {zv_event_kind_begin_update, zv_event_kind_update, zv_event_kind_end_update};
  Tzv_reacting_listener* self = nullptr;
  Tzv_reacting_listener actor(plan.channel(), c_kinds[in.below(3)], [&w, &plan, &self] {
    self->leave();  // the action may take the channel with it
    plan.run(w);
  });
  self = &actor;
  try {
    run_trigger(w, in, plan);
  } catch (Tzv_fuzz_raise const&) {
  } catch (Tzvt_plugin_error const&) {
  }
  if (!actor.acted() && !plan.channel_alive(w)) actor.forget();
  actor.leave();
  w.take_world();
}

// --- Operations ----------------------------------------------------------------------

// An operation is given a scene (`target` 's') or a collection ('c'), null
// now and then, or picks its own handles (0).
struct Tzv_fuzz_op {
  char const* name;
  char target;
  void (*run)(W&, In&);
};

constexpr char const* c_layer_types[] = {
    zv_lr2d_type_vector, zv_lr2d_type_raster, zv_lr2d_type_layout_page, zv_lr2d_type_group, "nope", "", nullptr};

Tzv_fuzz_op const c_ops[] = {
    // Layers of one scene.
    {"add_layer", 's',
     [](W& w, In& in) {
       char const* type = c_layer_types[in.below(std::size(c_layer_types))];
       if (in.flag() ? zv_scn_2d_add_layer_type_name(w.s, type) : zv_scn_2d_add_layer_type_name_ex_slot(w.s, type))
         ++w.layer_counts[w.s];
     }},
    {"del_lr2d", 's',
     [](W& w, In& in) {
       uint32_t const n = zv_scn_2d_get_layer_count(w.s), i = pick_index(w, in, n);
       zv_scn_2d_del_lr2d(w.s, i);
       if (w.s && i < n) --w.layer_counts[w.s], w.stale = i;
     }},
    {"del_lr2d_ptr", 's',
     [](W& w, In& in) {
       Izv_layer* l = pick_layer(w, in, w.s);
       bool const member = zv_scn_2d_get_lr2d_idx(w.s, l) != zv_check::no_index;
       zv_scn_2d_del_lr2d_ptr(w.s, l);
       if (member) --w.layer_counts[w.s];
     }},
    {"del_lr2d_marked", 's',
     [](W& w, In&) {
       uint32_t const n = marked_layers(w.s);
       zv_scn_2d_del_lr2d_marked(w.s);
       if (w.s) w.layer_counts[w.s] -= n;
     }},
    {"del_lr2d_array", 's',
     [](W& w, In& in) {
       std::vector<uint32_t> idx;
       uint32_t const gone = pick_indexes(w, in, zv_scn_2d_get_layer_count(w.s), idx);
       bool const no_array = in.below(8) == 0;
       zv_scn_2d_del_lr2d_array(w.s, static_cast<uint32_t>(idx.size()), no_array ? nullptr : idx.data());
       if (w.s && !no_array) w.layer_counts[w.s] -= gone;
     }},
    {"clear", 's',
     [](W& w, In&) {
       zv_scn_2d_clear(w.s);
       if (w.s) w.layer_counts[w.s] = 0, model_mark(w, w.s, false);  // clearing unmarks the scene itself
     }},
    {"mark_layer", 's', [](W& w, In& in) { zv_lr2d_set_marked(pick_layer(w, in, w.s), in.flag()); }},
    {"set_marked_lr2d", 's',
     [](W& w, In& in) { on_layer_or_index(w, in, &zv_scn_2d_set_marked_lr2d, &zv_scn_2d_set_marked_lr2d_idx); }},
    {"create_layer_group", 's',
     [](W& w, In&) {
       uint32_t const k = marked_layers(w.s);
       Tzv_composite_layer_2d* g = zv_scn_2d_create_layer_group(w.s);
       if (w.s && k > 0) w.layer_counts[w.s] += 1 - k;
       if (k == 0) zv_lr2d_destroy(zv_lr2d_group_safe_upcast(g));  // left to the caller
     }},
    {"destroy_layer_group", 's',
     [](W& w, In& in) {
       Tzv_composite_layer_2d* g = zv_lr2d_group_safe_downcast(zv_scn_2d_get_layer_ptr(w.s, in.below(8)));
       uint32_t const subs = sub_layers(g);
       zv_scn_2d_destroy_layer_group(w.s, g);
       if (g) w.layer_counts[w.s] += subs - 1;
     }},
    {"move_layer", 's', [](W& w, In& in) { zv_scn_2d_move_layer(w.s, layer_index(w, in), layer_index(w, in)); }},
    {"move_marked_layers", 's', [](W& w, In& in) { zv_scn_2d_move_marked_layers(w.s, layer_index(w, in)); }},
    {"tree_group", 's',
     [](W& w, In& in) {
       Tzv_lr_group* root = zv_scn_2d_get_lr_group_ptr(w.s);
       Tzv_lr_group* parent = in.flag() ? root : zv_lr_group_get_active(root);
       if (!zv_lr_group_is_group(parent)) parent = root;
       zv_lr_group_set_active(root, zv_lr_group_add_group(parent, odd_text(in).c_str()));
     }},
    {"move_to_active_group", 's',
     [](W& w, In& in) { zv_scn_2d_move_layer_to_active_group(w.s, pick_layer(w, in, w.s)); }},
    {"set_active_lr2d", 's',
     [](W& w, In& in) { on_layer_or_index(w, in, &zv_scn_2d_set_active_lr2d, &zv_scn_2d_set_active_lr2d_idx); }},
    {"selection", 's',
     [](W& w, In& in) { in.flag() ? zv_scn_2d_set_selected_all(w.s, in.flag()) : zv_scn_2d_selected_invert(w.s); }},
    {"layer_caption", 's',
     [](W& w, In& in) {
       zv_lr2d_set_wcaption(pick_layer(w, in, w.s), odd_text(in).c_str());
       (void)zv_scn_2d_find_layer_by_caption(w.s, odd_text(in).c_str());
     }},

    // The scene as an entity.
    {"scene_texts", 's',
     [](W& w, In& in) {
       std::wstring const t = odd_text(in);
       uint32_t const k = in.below(4);
       if (k == 0) zv_scn_2d_set_wcaption(w.s, in.flag() ? t.c_str() : nullptr);
       if (k == 1) zv_scn_2d_set_caption(w.s, narrow(t).c_str());
       if (k == 2) zv_scn_2d_set_prj4wstring(w.s, t.c_str());
       if (k == 3) zv_scn_2d_set_source(w.s, t.c_str());
       (void)zv_scn_2d_get_caption(w.s);
     }},
    {"extras", 's',
     [](W& w, In& in) {
       Tzv_table* t = malformed_table(in);
       zv_scn_2d_set_table_extra(w.s, in.below(8) == 0 ? nullptr : t);
       table_destroy(t);
       char const* name = in.flag() ? "a" : nullptr;
       (void)zv_scn_2d_get_extra(w.s, name);
       zv_scn_2d_extra_changed(w.s, name);
     }},
    {"scene_assign", 0,
     [](W& w, In& in) {
       Izv_scene* dst = pick_scene(w, in);
       Izv_scene* src = pick_scene(w, in);
       zv_scn_2d_assign(dst, src);
       (void)zv_scn_2d_equal(dst, src);
       if (!dst || !src) return;
       w.layer_counts[dst] = w.layer_counts[src];
       sync_marked(w, dst);
     }},
    {"scene_params", 's',
     [](W& w, In& in) {
       zv_prf_data_set_xmax(w.prf, in.byte());
       zv_scn_2d_set_prf_data(w.s, in.below(8) == 0 ? nullptr : w.prf);
       zv_lookmarks_add_ptr(w.lookmarks);
       zv_scn_2d_set_lookmarks(w.s, w.lookmarks);
       zv_scn_2d_set_izotropic(w.s, in.flag());
       Tzv_box_d2 box;
       (void)zv_scn_2d_get_box(w.s, &box);
       (void)zv_scn_2d_get_marked_lr2d_box(w.s, &box);
     }},
    {"scene_marked", 's',
     [](W& w, In& in) {
       bool const m = in.flag();
       zv_scn_2d_set_marked(w.s, m);
       model_mark(w, w.s, m);
     }},

    // Collections.
    {"scns_add", 'c',
     [](W& w, In&) {
       Izv_scene* s = nullptr;
       // A creator the input entered under a plug-in's scene type may throw.
       if (plugin_call([&] { s = zv_scns_2d_add(handle_of(w.c)); }) || !w.c) return;
       w.c->members.push_back(s);
       w.adopt(s);
     }},
    {"scns_del", 'c',
     [](W& w, In& in) {
       if (!w.c) return zv_scns_2d_del(nullptr, 0);
       uint32_t const i = member_index(w, in);
       zv_scns_2d_del(w.c->handle, i);
       model_remove(*w.c, {i});
       w.stale = i;
     }},
    {"scns_del_array", 'c',
     [](W& w, In& in) {
       if (!w.c) return zv_scns_2d_del_array(nullptr, 1, &w.stale);
       std::vector<uint32_t> idx;
       pick_indexes(w, in, static_cast<uint32_t>(w.c->members.size()), idx);
       zv_scns_2d_del_array(w.c->handle, static_cast<uint32_t>(idx.size()), idx.data());
       model_remove(*w.c, idx);
     }},
    {"scns_del_marked", 'c',
     [](W& w, In&) {
       if (!w.c) return zv_scns_2d_del_marked(nullptr);
       Tzv_fuzz_collection& c = *w.c;
       Izv_scene* active = active_member(c);
       zv_scns_2d_del_marked(c.handle);
       bool const active_marked = c.marked.contains(active);
       std::erase_if(c.members, [&c](Izv_scene* s) { return c.marked.contains(s); });
       c.marked.clear();
       model_set_active(c, active_marked ? nullptr : active);
     }},
    {"scns_move", 'c',
     [](W& w, In& in) {
       uint32_t const n = w.c ? static_cast<uint32_t>(w.c->members.size()) : 0;
       uint32_t const from = pick_index(w, in, n), to = pick_index(w, in, n);
       zv_scns_2d_move_scn(handle_of(w.c), from, to);
       if (!w.c || from >= n || to >= n) return;
       Izv_scene* active = active_member(*w.c);
       Izv_scene* moved = w.c->members[from];
       w.c->members.erase(w.c->members.begin() + from);
       w.c->members.insert(w.c->members.begin() + to, moved);
       model_set_active(*w.c, active);
     }},
    {"scns_active", 'c',
     [](W& w, In& in) {
       if (!w.c) return zv_scns_2d_set_active_scn_idx(nullptr, 0);
       if (in.flag()) {
         Izv_scene* s = pick_scene(w, in);
         zv_scns_2d_set_active_scn(w.c->handle, s);
         return model_set_active(*w.c, s);
       }
       uint32_t const i = member_index(w, in);
       zv_scns_2d_set_active_scn_idx(w.c->handle, i);
       w.c->active = i < w.c->members.size() ? i : zv_check::no_index;
     }},
    {"scns_marked", 'c',
     [](W& w, In& in) {
       if (!w.c) return zv_scns_2d_set_marked_scn(nullptr, nullptr);
       Izv_scene* s = nullptr;
       if (in.flag()) {
         zv_scns_2d_set_marked_scn(w.c->handle, s = pick_scene(w, in));
       } else {
         uint32_t const i = member_index(w, in);
         zv_scns_2d_set_marked_scn_idx(w.c->handle, i);
         s = i < w.c->members.size() ? w.c->members[i] : nullptr;
       }
       w.c->marked.clear();
       if (index_in(*w.c, s) != zv_check::no_index) w.c->marked.insert(s);
     }},
    {"scns_clear", 'c',
     [](W& w, In&) {
       zv_scns_2d_clear(handle_of(w.c));
       if (w.c) w.c->members.clear(), w.c->active = zv_check::no_index, w.c->marked.clear();
     }},
    {"scns_assign", 0,
     [](W& w, In& in) {
       Tzv_fuzz_collection* dst = pick_collection(w, in);
       Tzv_fuzz_collection* src = pick_collection(w, in);
       if (plugin_call([&] { zv_scns_2d_assign(handle_of(dst), handle_of(src)); }))
         return dst ? w.resync(*dst) : void();  // members come from a creator part way
       (void)zv_scns_2d_equal(handle_of(dst), handle_of(src));
       if (!dst || !src || dst == src) return;
       auto const n = static_cast<uint32_t>(src->members.size());
       if (n < dst->members.size()) {
         std::vector<uint32_t> gone;
         for (uint32_t i = n; i < dst->members.size(); ++i) gone.push_back(i);
         if (dst->active != zv_check::no_index && n <= dst->active) dst->active = zv_check::no_index;
         model_remove(*dst, gone);
       }
       for (auto i = static_cast<uint32_t>(dst->members.size()); i < n; ++i)
         dst->members.push_back(zv_scns_2d_get(dst->handle, i));
       for (uint32_t i = 0; i < n; ++i) {
         w.layer_counts[dst->members[i]] = w.layer_counts[src->members[i]];
         sync_marked(w, dst->members[i]);
       }
     }},

    // The plug-in side. The last done leaves the plug-in collections and scenes to the host.
    {"plugin_init_done", 0, [](W& w, In& in) { in.flag() ? w.init() : w.done(); }},
    {"plugin_scns_create", 0,
     [](W& w, In& in) {
       constexpr int32_t c_indexes[] = {0, 1, 2, -1, INT32_MAX, INT32_MIN};
       int32_t const i = c_indexes[in.below(std::size(c_indexes))];
       Izv_scns2d* c = zv_plugin_scns_2d_create(i);
       bool const expected = w.inits > 0 && i >= 0 && i < W::service_count;
       if ((c != nullptr) != expected) fail("plugin_scns_create", "collection made against the factory count");
       if (c) w.collections.push_back({c, &zv_plugin_scns_2d_destroy, true});
     }},
    {"plugin_scns_destroy", 0,
     [](W& w, In& in) {
       std::vector<size_t> found;
       for (size_t k = 0; k < w.collections.size(); ++k) {
         if (w.collections[k].plugin) found.push_back(k);
       }
       uint32_t const k = pick_of(in, found.size());
       if (k == found.size()) return zv_plugin_scns_2d_destroy(nullptr);
       Tzv_fuzz_collection c = w.collections[found[k]];
       w.collections.erase(w.collections.begin() + static_cast<std::ptrdiff_t>(found[k]));
       c.end();
     }},
    {"factory_attach", 0,
     [](W& w, In& in) {
       Tzv_factory_name const name = pick_factory_name(in);
       Tzv_creator_kind kind = w.kinds[in.below(4)];
       bool added = false;
       if (in.flag()) {
         bool const none = kind != Tzv_creator_kind::scene_2d;
         added = zv_scn_2d_factory_attach(nullptr, nullptr, name.get(), none ? nullptr : &make_scene_2d);
         kind = none ? Tzv_creator_kind::none : kind;
       } else {
         auto* context = &w.kinds[static_cast<int>(kind)];
         added = zv_scn_2d_factory_attach_ctx(nullptr, nullptr, name.get(), &make_by_kind, context);
       }
       if (name.own && added != (!name.null && !w.entered.contains(name.text)))
         fail("factory_attach", "attach answered against the map");
       if (added) w.entered.emplace(name.text, kind);
     }},
    {"factory_detach", 0,
     [](W& w, In& in) {
       Tzv_factory_name const name = pick_factory_name(in);
       bool const gone = zv_scn_2d_factory_detach(name.get());
       if (name.own && gone != (!name.null && w.entered.contains(name.text)))
         fail("factory_detach", "detach answered against the map");
       if (gone) w.entered.erase(name.text);
     }},
    {"factory_create_scn", 0,
     [](W& w, In& in) {
       Tzv_factory_name const name = pick_factory_name(in);
       Izv_scene* s = nullptr;
       bool const threw = plugin_call([&] { s = zv_scn_2d_factory_create_scn(name.get()); });
       if (name.own) {
         auto const it = name.null ? w.entered.end() : w.entered.find(name.text);
         Tzv_creator_kind const kind = it == w.entered.end() ? Tzv_creator_kind::none : it->second;
         if (threw != (kind == Tzv_creator_kind::throws)) fail("factory_create_scn", "creator's exception");
         bool const makes = kind == Tzv_creator_kind::scene_2d || kind == Tzv_creator_kind::layout;
         if ((s != nullptr) != makes) fail("factory_create_scn", "scene made against the map");
       }
       if (!s) return;
       w.loose.emplace_back(s, &zv_scn_2d_factory_destroy_scn);
       w.adopt(s);
     }},
    {"factory_destroy_scn", 0,
     [](W& w, In& in) {
       uint32_t const k = pick_of(in, w.loose.size() - W::first_loose);
       if (k == w.loose.size() - W::first_loose) return zv_scn_2d_factory_destroy_scn(nullptr);
       auto const it = w.loose.begin() + static_cast<std::ptrdiff_t>(W::first_loose + k);
       Izv_scene* s = it->first;
       // Builders bound to the scene go first: they borrow it and may not be used again.
       for (size_t i = w.builders.size(); i-- > 0;) {
         if (w.builders[i].scene == s) w.drop_builder(i);
       }
       w.loose.erase(it);
       zv_scn_2d_factory_destroy_scn(s);
     }},
    {"plugin_interfaces", 's',
     [](W& w, In& in) {
       (void)zv_scn_2d_get_plugin_interface(w.s);
       (void)zv_scns_2d_get_plugin_interface(handle_of(pick_collection(w, in)));
     }},
    {"builder_create_destroy", 0,
     [](W& w, In& in) {
       auto& b = w.builders;
       if (in.flag() && b.size() < 4) return b.push_back({zv_scn2d_builder_create()});
       uint32_t const k = pick_of(in, b.size());
       if (k == b.size()) return zv_scn2d_builder_destroy(nullptr);
       w.drop_builder(k);
     }},
    {"builder_init", 0,
     [](W& w, In& in) {
       Tzv_builder_slot* slot = pick(in, w.builders);
       // Only scenes that live until the builder is destroyed.
       uint32_t const k = pick_of(in, w.loose.size());
       Izv_scene* s = k < w.loose.size() ? w.loose[k].first : nullptr;
       constexpr wchar_t const* c_ids[] = {ZV_SCENE_2D_EDITOR_EXTENSION_ID,
                                           ZV_SCENE_2D_EDITOR_EXTENSION_ID,
                                           ZV_SCENE_2D_SERVICE_ID,
                                           L"",
                                           L"zv:/nothing",
                                           nullptr};
       wchar_t const* id = c_ids[in.below(std::size(c_ids))];
       plugin_call([&] { zv_scn2d_builder_init(builder_of(slot), s, id); });
       if (slot && s) slot->scene = s;
     }},
    {"builder_is_supported", 0,
     [](W& w, In& in) {
       Tzv_builder_slot* slot = pick(in, w.builders);
       Tzvt_name_list list{};
       Tzv_wstrings_obj* names = pick_names(in, list);
       plugin_call([&] { (void)zv_scn2d_builder_is_supported(builder_of(slot), names); });
     }},
    {"builder_add_sources", 0,
     [](W& w, In& in) {
       Tzv_builder_slot* slot = pick(in, w.builders);
       Tzvt_name_list list{};
       Tzv_wstrings_obj* names = pick_names(in, list);
       plugin_call([&] { zv_scn2d_builder_add_sources(builder_of(slot), names); });
       if (slot && slot->scene) w.adopt(slot->scene);  // the filters decide how many layers
     }},
    {"builder_get_errors", 0,
     [](W& w, In& in) {
       Tzv_builder_slot* slot = pick(in, w.builders);
       std::wstring text;
       Tzv_std_wstring_adapter out(&text);
       zv_scn2d_builder_get_errors(builder_of(slot), in.below(8) == 0 ? nullptr : static_cast<Izv_string_adp*>(out));
     }},
    {"acting_listener", 'a', &run_with_actor},
    {"plugin_faults", 0,
     [](W& w, In& in) {
       // Arms one call of a filter or extension service to throw, or disarms all.
       constexpr Tzvt_fault c_faults[] = {Tzvt_fault::attach, Tzvt_fault::detach,   Tzvt_fault::supports,
                                          Tzvt_fault::add,    Tzvt_fault::priority, Tzvt_fault::filters};
       Tzvt_fault const fault = c_faults[in.below(std::size(c_faults))];
       uint32_t const k = in.below(2), who = in.below(3);
       if (who == 0) w.filters[k].armed.insert(fault);
       if (who == 1) w.extensions[k].armed.insert(fault);
       if (who == 2) w.disarm();
     }},
};

}  // namespace

// Every layer and entity an input made is gone with its world: none was left
// behind busy, or orphaned by a listener that destroyed its owner.
extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  int32_t const layers = zv_lr2d_test_get_live_count();
  int32_t const entities = zv_entity_storage_get_count();
  {
    Tzv_fuzz_input in{data, size};
    Tzv_fuzz_world w;
    for (int steps = 0; !in.done() && steps < 64; ++steps) {
      Tzv_fuzz_op const& op = c_ops[in.below(std::size(c_ops))];
      // The acting listener is given both.
      w.s = op.target == 's' || op.target == 'a' ? pick_scene(w, in) : nullptr;
      w.c = op.target == 'c' || op.target == 'a' ? pick_collection(w, in) : nullptr;
      op.run(w, in);
      w.forget_dead();
      // Changes made while an outer update is delivered go out on their own.
      check_world(op.name, w, {.nested_updates = false, .balance_only = op.target == 'a'});
    }
  }
  if (zv_lr2d_test_get_live_count() != layers) fail("the end of the input", "layers left alive");
  if (zv_entity_storage_get_count() != entities) fail("the end of the input", "entities left alive");
  return 0;
}
