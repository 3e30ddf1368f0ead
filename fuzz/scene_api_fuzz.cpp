// Stateful fuzzer of the flat interface: the input is a sequence of
// operations on a small world of scene collections, scenes, layouts, column
// scenes, their layers and parameter objects, made through the exports with
// null handles, stale and out-of-range indexes, repeated indexes, malformed
// extras tables and odd texts. After every operation the world is checked
// against a model of what the operations did, and the process aborts on the
// first difference: layer vectors equal the tree walks, counts, active
// indexes and marked sets agree, every recorded channel is balanced with at
// most one update per outermost bracket, and no history bracket is open.
// Listeners that act (remove, clear, assign, destroy, open a recursive
// bracket or throw from inside an event) run one operation at a time; the
// model then takes what the world holds, and the same checks follow. At the
// end of every input no layer and no entity is left alive.
//
// Operations are rows of one table; a new family of exports is a new row.
#include <algorithm>
#include <climits>
#include <cstddef>
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
#include "plugin_world.h"
#include "robustness/scene_checks.h"
#include "support/reacting_listener.h"
#include "zv/lookmarks.h"
#include "zv/prf_data.h"
#include "zv/scn_2d.h"
#include "zv/scn_clm.h"
#include "zv/scn_layout.h"
#include "zv/scns_2d.h"
#include "zv/sibling/entity.h"
#include "zv/sibling/lr2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// --- Input ----------------------------------------------------------------------

class Tzv_fuzz_input {
 public:
  Tzv_fuzz_input(uint8_t const* data, size_t size) : data_(data), size_(size) {}
  bool done() const { return pos_ >= size_; }
  uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }
  bool flag() { return (byte() & 1) != 0; }
  uint32_t below(uint32_t n) { return n == 0 ? 0 : byte() % n; }

 private:
  uint8_t const* data_;
  size_t size_;
  size_t pos_ = 0;
};

// Texts that stress conversions and caption rules: empty, format
// directives, long, code points no single-byte code page holds, a lone
// surrogate, a duplicate of the default caption.
std::wstring odd_text(Tzv_fuzz_input& in) {
  switch (in.below(8)) {
    case 0:
      return L"";
    case 1:
      return L"%s %n %ls(%d)";
    case 2:
      return std::wstring(300 + in.below(64), L'x');
    case 3:
      return L"\u00e9\u4e2d\U0001F600";
    case 4:
      return std::wstring(1, static_cast<wchar_t>(0xD800)) + L"a";
    case 5:
      return L"Layer";
    case 6:
      return L"+proj=longlat +datum=WGS84 +no_defs";
    default: {
      std::wstring t;
      for (uint32_t n = in.below(6); n > 0; --n) t += static_cast<wchar_t>(1 + in.byte());
      return t;
    }
  }
}

std::string narrow(std::wstring const& w) {
  std::string s;
  for (wchar_t c : w) s += static_cast<char>(c & 0x7F ? c & 0x7F : 'z');
  return s;
}

// --- The world and its model ------------------------------------------------------

struct Tzv_fuzz_collection {
  Izv_scns2d* handle;
  void (*destroy)(Izv_scns2d*);
  std::vector<Izv_scene*> members;  // as the operations left them
  uint32_t active = zv_check::no_index;
  std::set<Izv_scene*> marked;
  bool plugin = false;  // made by a plug-in scene factory
  std::shared_ptr<Tzv_event_recorder> recorder;
  bool dead = false;  // destroyed by a listener; leaves the model after the operation

  void record() { recorder = std::make_shared<Tzv_event_recorder>(zv_scns_2d_get_update_event_channel(handle)); }
  void end() {
    recorder.reset();
    dead = true;
    destroy(handle);
  }
  void forget_members() {
    members.clear();
    active = zv_check::no_index;
    marked.clear();
  }
};

struct Tzv_fuzz_world {
  Tzv_fuzz_world();
  ~Tzv_fuzz_world();
  Tzv_fuzz_world(Tzv_fuzz_world const&) = delete;
  Tzv_fuzz_world& operator=(Tzv_fuzz_world const&) = delete;

  zv_fuzz::Tzv_plugin_world plugins;  // first in, last out: its services outlive every scene

  std::vector<Tzv_fuzz_collection> collections;
  std::vector<std::pair<Izv_scene*, void (*)(Izv_scene*)>> loose;  // scenes of no collection
  std::unordered_map<Izv_scene*, uint32_t> layer_counts;           // every live scene
  std::vector<std::unique_ptr<Tzv_event_recorder>> recorders;  // of the loose scenes
  Tzv_profil_data* prf = zv_prf_data_create();
  Tzv_lookmarks2d* lookmarks = zv_lookmarks_create();
  uint32_t stale = 0;  // an index that was valid before a removal

  static constexpr size_t first_loose = 3;  // loose scenes before it live as long as the world

  std::vector<Izv_scene*> scenes() const;
  void add_collection(Izv_scns2d* handle, void (*destroy)(Izv_scns2d*), bool plugin);
  void remove_collection(size_t k);
  void adopt(Izv_scene* scene) { layer_counts[scene] = zv_scn_2d_get_layer_count(scene); }
  void forget_dead();
  // After listeners acted: drops the collections they destroyed and takes
  // members, marks and layer counts from the world.
  void take_world();
};

Tzv_fuzz_world::Tzv_fuzz_world() {
  add_collection(zv_scns_2d_create(), &zv_scns_2d_destroy, false);
  add_collection(zv_scns_layout_create(), &zv_scns_layout_destroy, false);
  add_collection(zv_scns_clm_create(), &zv_scns_clm_destroy, false);
  loose.emplace_back(zv_scn_2d_create(), &zv_scn_2d_destroy);
  loose.emplace_back(zv_scn_layout_create(), &zv_scn_layout_destroy);
  loose.emplace_back(zv_scn_clm_create(), &zv_scn_clm_destroy);
  for (auto& [scene, destroy] : loose) {
    adopt(scene);
    recorders.push_back(std::make_unique<Tzv_event_recorder>(zv_scn_2d_get_update_event_channel(scene)));
  }
}

Tzv_fuzz_world::~Tzv_fuzz_world() {
  plugins.end_builders();
  recorders.clear();
  for (auto& c : collections) c.end();
  for (auto& [scene, destroy] : loose) destroy(scene);
  zv_prf_data_destroy(prf);
  zv_lookmarks_destroy(lookmarks);
  std::string const left = plugins.end_input();
  if (!left.empty()) {
    std::fprintf(stderr, "left behind at the end of the input: %s\n", left.c_str());
    std::abort();
  }
}

void Tzv_fuzz_world::add_collection(Izv_scns2d* handle, void (*destroy)(Izv_scns2d*), bool plugin) {
  Tzv_fuzz_collection c{};
  c.handle = handle;
  c.destroy = destroy;
  c.plugin = plugin;
  c.record();
  collections.push_back(c);
}

void Tzv_fuzz_world::remove_collection(size_t k) {
  Tzv_fuzz_collection c = collections[k];
  collections.erase(collections.begin() + static_cast<std::ptrdiff_t>(k));
  c.end();
}

std::vector<Izv_scene*> Tzv_fuzz_world::scenes() const {
  std::vector<Izv_scene*> out;
  for (auto const& [scene, destroy] : loose) out.push_back(scene);
  for (auto const& c : collections) out.insert(out.end(), c.members.begin(), c.members.end());
  return out;
}

// Scenes that left their collection are destroyed by the time an operation
// returns: drop them from the model.
void Tzv_fuzz_world::forget_dead() {
  std::vector<Izv_scene*> const live = scenes();
  std::erase_if(layer_counts,
                [&live](auto const& e) { return std::find(live.begin(), live.end(), e.first) == live.end(); });
}

[[noreturn]] void fail(char const* op, std::string const& what) {
  std::fprintf(stderr, "invariant broken after %s: %s\n", op, what.c_str());
  std::abort();
}

void check(char const* op, std::string const& what) {
  if (!what.empty()) fail(op, what);
}

void check_collection(char const* op, Tzv_fuzz_collection const& c) {
  check(op, zv_check::collection(c.handle));
  if (zv_check::scenes_of(c.handle) != c.members) fail(op, "members differ from the model");
  if (zv_scns_2d_get_active_scn_idx(c.handle) != c.active) fail(op, "active index differs from the model");
  if ((zv_scns_2d_get_plugin_interface(c.handle) != nullptr) != c.plugin) fail(op, "plug-in object of a collection");
  for (Izv_scene* s : c.members) {
    if (zv_scn_2d_get_marked(s) != c.marked.contains(s)) fail(op, "marked set differs from the model");
  }
}

// `rules`: what the traces may show (listeners that act nest brackets).
void check_world(char const* op, Tzv_fuzz_world& w, zv_check::Tzv_trace_rules rules = {}) {
  check(op, zv_check::history_idle());
  for (auto const& c : w.collections) check_collection(op, c);
  for (auto const& [scene, count] : w.layer_counts) {
    check(op, zv_check::layer_list(scene));
    if (zv_scn_2d_get_layer_count(scene) != count) fail(op, "layer count differs from the model");
  }
  for (auto& r : w.recorders) check(op, zv_check::trace_balance(r->take(), rules));
  for (auto& c : w.collections) check(op, zv_check::trace_balance(c.recorder->take(), rules));
  if (zv_scn_2d_factory_get_count() != w.plugins.factory_count()) fail(op, "factory count differs from the inits");
  for (size_t i = 0; i < Tzv_fuzz_world::first_loose; ++i) {
    if (zv_scn_2d_get_plugin_interface(w.loose[i].first) != nullptr) fail(op, "plug-in object of a plain scene");
  }
}

// --- Picking handles and indexes ---------------------------------------------------

// Null now and then, else one of the live scenes.
Izv_scene* pick_scene(Tzv_fuzz_world& w, Tzv_fuzz_input& in) {
  std::vector<Izv_scene*> const all = w.scenes();
  uint32_t const k = in.below(static_cast<uint32_t>(all.size()) + 1);
  return k < all.size() ? all[k] : nullptr;
}

Tzv_fuzz_collection* pick_collection(Tzv_fuzz_world& w, Tzv_fuzz_input& in) {
  uint32_t const k = in.below(static_cast<uint32_t>(w.collections.size()) + 1);
  return k < w.collections.size() ? &w.collections[k] : nullptr;
}

// Mostly in range, sometimes just past the end, none, huge or stale.
uint32_t pick_index(Tzv_fuzz_world& w, Tzv_fuzz_input& in, uint32_t count) {
  switch (in.below(8)) {
    case 0:
      return zv_check::no_index;
    case 1:
      return count + in.below(3);
    case 2:
      return w.stale;
    default:
      return in.below(count + 1);
  }
}

// A layer of that scene, of another scene, or null.
Izv_layer* pick_layer(Tzv_fuzz_world& w, Tzv_fuzz_input& in, Izv_scene* scene) {
  if (in.below(8) == 0) scene = pick_scene(w, in);
  uint32_t const n = zv_scn_2d_get_layer_count(scene);
  return zv_scn_2d_get_layer_ptr(scene, in.below(n + 1));
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

// Up to five indexes, repeats and strays included; answers how many
// distinct ones are below `count`.
// Applies to a layer of the scene, picked either by pointer or by index.
template <class ByLayer, class ByIndex>
void on_layer_or_index(Tzv_fuzz_world& w, Tzv_fuzz_input& in, Izv_scene* s, ByLayer by_layer, ByIndex by_index) {
  if (in.flag()) by_layer(s, pick_layer(w, in, s));
  else by_index(s, pick_index(w, in, zv_scn_2d_get_layer_count(s)));
}

uint32_t pick_indexes(Tzv_fuzz_world& w, Tzv_fuzz_input& in, uint32_t count, std::vector<uint32_t>& out) {
  for (uint32_t n = in.below(6); n > 0; --n)
    out.push_back(in.flag() && !out.empty() ? out.front() : pick_index(w, in, count));
  std::set<uint32_t> distinct;
  for (uint32_t i : out) {
    if (i < count) distinct.insert(i);
  }
  return static_cast<uint32_t>(distinct.size());
}

// Extras rows of every shape: name and value, name alone, no items, a
// number where the name belongs, a null name.
Tzv_table* malformed_table(Tzv_fuzz_input& in) {
  Tzv_table* t = table_create();
  auto const rows = static_cast<int32_t>(in.below(5));
  table_resize(t, rows);
  for (int32_t r = 0; r < rows; ++r) {
    Tzv_tuple& row = t->rows[r];
    auto const items = static_cast<int32_t>(in.below(4));
    tuple_resize(&row, items);
    if (items == 0) continue;
    if (in.flag()) {
      any_assign_string(&row.items[0], in.flag() ? "a" : nullptr);
    } else {
      any_assign_integer(&row.items[0], in.byte());
    }
    if (items > 1) any_assign_double(&row.items[1], in.byte());
  }
  return t;
}

// --- Collection model rules ---------------------------------------------------------

void model_remove(Tzv_fuzz_collection& c, std::vector<uint32_t> indexes) {
  std::vector<Izv_scene*> kept;
  for (uint32_t i = 0; i < c.members.size(); ++i) {
    if (std::find(indexes.begin(), indexes.end(), i) == indexes.end()) {
      kept.push_back(c.members[i]);
    } else {
      c.marked.erase(c.members[i]);
      if (c.active == i) c.active = zv_check::no_index;
    }
  }
  c.members = kept;
}

uint32_t index_in(Tzv_fuzz_collection const& c, Izv_scene* s) {
  auto it = std::find(c.members.begin(), c.members.end(), s);
  return it == c.members.end() ? zv_check::no_index : static_cast<uint32_t>(it - c.members.begin());
}

// The scene's mark as the collections that hold it see it.
void model_mark(Tzv_fuzz_world& w, Izv_scene* s, bool marked) {
  for (auto& c : w.collections) {
    if (index_in(c, s) == zv_check::no_index) continue;
    if (marked) {
      c.marked.insert(s);
    } else {
      c.marked.erase(s);
    }
  }
}

// Whether a copy takes the mark is the scene's own rule: the model reads it.
void sync_marked(Tzv_fuzz_world& w, Izv_scene* s) { model_mark(w, s, zv_scn_2d_get_marked(s)); }

// After an exception part way: the model takes what the collection holds
// (the checks then test that what it holds is consistent).
void resync(Tzv_fuzz_world& w, Tzv_fuzz_collection& c) {
  c.members = zv_check::scenes_of(c.handle);
  c.active = zv_scns_2d_get_active_scn_idx(c.handle);
  c.marked.clear();
  for (Izv_scene* s : c.members) {
    w.adopt(s);
    if (zv_scn_2d_get_marked(s)) c.marked.insert(s);
  }
}

void model_set_active(Tzv_fuzz_collection& c, Izv_scene* s) { c.active = s ? index_in(c, s) : zv_check::no_index; }

Izv_scene* active_member(Tzv_fuzz_collection const& c) {
  return c.active < c.members.size() ? c.members[c.active] : nullptr;
}

// --- Plug-in side -------------------------------------------------------------------

using W = Tzv_fuzz_world;
using In = Tzv_fuzz_input;

using zv_fuzz::Tzv_creator_kind;
using zv_fuzz::Tzv_plugin_world;

// Names for the scene factory map: the input's own, the plug-ins', empty,
// long, odd and null. Answers the owner of the name too: only the input's
// own names have a model.
struct Tzv_factory_name {
  std::string text;
  bool null = false;
  bool own = true;
  char const* get() const { return null ? nullptr : text.c_str(); }
};

Tzv_factory_name pick_factory_name(In& in) {
  switch (in.below(8)) {
    case 0:
      return {"FzA"};
    case 1:
      return {"FzB"};
    case 2:
      return {""};
    case 3:
      return {std::string(300, 'n')};
    case 4:
    case 5:
      return {Tzv_plugin_world::meta_ids[in.below(Tzv_plugin_world::service_count)], false, false};
    case 6:
      return {{}, true};
    default:
      return {narrow(odd_text(in)) + "#"};  // never a plug-in's name
  }
}

// Indexes of plug-in factories: in range, just past, negative, extreme.
int32_t pick_factory_index(In& in) {
  constexpr int32_t c_indexes[] = {0, 1, 2, -1, INT32_MAX, INT32_MIN};
  return c_indexes[in.below(std::size(c_indexes))];
}

// A source-name list for one call; null now and then.
class Tzv_name_list {
 public:
  explicit Tzv_name_list(In& in) {
    if (in.below(8) == 0) return;
    list_ = zv_wstrings_create();
    for (uint32_t n = in.below(5); n > 0; --n) zv_wstrings_add_str(list_, name(in).c_str());
  }
  ~Tzv_name_list() { zv_wstrings_destroy(list_); }
  Tzv_name_list(Tzv_name_list const&) = delete;
  Tzv_name_list& operator=(Tzv_name_list const&) = delete;
  operator Tzv_wstrings_obj*() const { return list_; }

 private:
  static std::wstring name(In& in) {
    constexpr wchar_t const* c_names[] = {L"a.shp", L"bad.x", L"throw.x", L"grp.x", L"z.tif"};
    switch (in.below(4)) {
      case 0:
        return c_names[in.below(std::size(c_names))];
      case 1:
        return std::wstring(1000 + in.below(64), L'q');
      default:
        return odd_text(in);
    }
  }
  Tzv_wstrings_obj* list_ = nullptr;
};

// One of the builders, or null.
zv_fuzz::Tzv_builder_slot* pick_builder(W& w, In& in) {
  auto& b = w.plugins.builders;
  uint32_t const k = in.below(static_cast<uint32_t>(b.size()) + 1);
  return k < b.size() ? &b[k] : nullptr;
}
Tzv_scene_2d_builder* handle_of(zv_fuzz::Tzv_builder_slot const* slot) { return slot ? slot->handle : nullptr; }

// A plug-in collection's position in the world, or none.
size_t pick_plugin_collection(W& w, In& in) {
  std::vector<size_t> found;
  for (size_t k = 0; k < w.collections.size(); ++k) {
    if (w.collections[k].plugin) found.push_back(k);
  }
  uint32_t const k = in.below(static_cast<uint32_t>(found.size()) + 1);
  return k < found.size() ? found[k] : w.collections.size();
}

// Runs a call that a plug-in may make throw; answers whether it threw.
template <class Fn>
bool plugin_call(Fn fn) {
  try {
    fn();
    return false;
  } catch (Tzvt_plugin_error const&) {
  }
  return true;
}

// --- Listeners that act ---------------------------------------------------------------

struct Tzv_fuzz_raise {};  // what an acting listener throws

void Tzv_fuzz_world::take_world() {
  std::erase_if(collections, [](Tzv_fuzz_collection const& c) { return c.dead; });
  for (auto& c : collections) resync(*this, c);
  for (auto& [scene, destroy] : loose) adopt(scene);
}

Tzv_fuzz_collection* live_collection(W& w, Izv_scns2d* handle) {
  for (auto& c : w.collections) {
    if (c.handle == handle && !c.dead) return &c;
  }
  return nullptr;
}

// The collection that holds `s` now, or null; `s` is compared, not called.
Tzv_fuzz_collection* holder_of(W& w, Izv_scene* s) {
  for (auto& c : w.collections) {
    if (c.dead) continue;
    std::vector<Izv_scene*> const members = zv_check::scenes_of(c.handle);
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
  switch (act) {
    case act_remove: {
      std::vector<Izv_scene*> const members = zv_check::scenes_of(c.handle);
      auto const at = std::find(members.begin(), members.end(), s);
      return zv_scns_2d_del(c.handle, static_cast<uint32_t>(at == members.end() ? 0 : at - members.begin()));
    }
    case act_clear:
      return zv_scns_2d_clear(c.handle);
    case act_assign:
      return zv_scns_2d_assign(c.handle, w.collections[source % w.collections.size()].handle);
    case act_destroy:
      return c.end();
    case act_recursive:
      c.handle->begin_update_recursive();
      return c.handle->end_update_recursive();
    default:
      throw Tzv_fuzz_raise{};
  }
}

// What it does to a scene: `l`, when given, is the layer it removes. The
// world's loose scenes are its own: destroying one clears it instead.
void act_on_scene(W& w, Izv_scene* s, Izv_layer* l, Tzv_act act, size_t source) {
  switch (act) {
    case act_remove:
      return l ? zv_scn_2d_del_lr2d_ptr(s, l) : zv_scn_2d_del_lr2d(s, 0);
    case act_assign:
      return zv_scn_2d_assign(s, w.loose[source % w.loose.size()].first);
    case act_recursive:
      s->begin_update_recursive();
      return s->end_update_recursive();
    case act_raise:
      throw Tzv_fuzz_raise{};
    default:
      return zv_scn_2d_clear(s);
  }
}

// Where the acting listener sits, and what it does when it hears its event.
struct Tzv_actor_plan {
  Izv_scene* scene;
  Izv_layer* layer;     // null: none picked
  Izv_scns2d* holder;   // the collection it sits on, when `place` is 2
  uint32_t place;       // 0 the scene, 1 the layer, 2 the collection
  Tzv_act act;
  size_t source;        // which collection or scene an assign copies

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
  switch (in.below(10)) {
    case 0:
      return zv_scn_2d_set_wcaption(s, L"acted");
    case 1:
      return zv_lr2d_set_selected_all(p.layer ? p.layer : zv_scn_2d_get_layer_ptr(s, 0), in.flag());
    case 2:
      return zv_scn_2d_move_layer(s, in.below(4), in.below(6));
    case 3:
      for (uint32_t i : {0u, 2u}) zv_lr2d_set_marked(zv_scn_2d_get_layer_ptr(s, i), true);
      return zv_scn_2d_del_lr2d_marked(s);
    case 4:
      c->begin_update_recursive();
      return c->end_update_recursive();
    case 5:
      return zv_scns_2d_assign(c, w.collections[in.below(static_cast<uint32_t>(w.collections.size()))].handle);
    case 6:
      return zv_scns_2d_clear(c);
    case 7: {
      for (uint32_t i : {0u, 1u}) {
        zv_lr2d_set_marked(zv_scn_2d_get_layer_ptr(s, i), true);
        zv_lr2d_test_set_occupied(zv_scn_2d_get_layer_ptr(s, i), 1, in.flag() ? L"held" : nullptr);
      }
      Tzv_eat_string_adapter report;
      s->deoccupy(report);
      return;
    }
    case 8:
      return zv_scns_2d_del(c, in.below(4));
    default:
      return zv_scn_2d_assign(s, pick_scene(w, in));
  }
}

// One operation with a listener that acts once on a begin, update or end
// event of a scene, one of its layers or a collection. The model then takes
// the world as it is.
void run_with_actor(W& w, In& in) {
  Izv_scene* s = pick_scene(w, in);
  Tzv_fuzz_collection* c = pick_collection(w, in);
  if (!s || !c) return;
  uint32_t const n = zv_scn_2d_get_layer_count(s);
  Tzv_actor_plan const plan{s, n ? zv_scn_2d_get_layer_ptr(s, in.below(n)) : nullptr, c->handle, in.below(3),
                            static_cast<Tzv_act>(in.below(act_count)), in.byte()};
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

struct Tzv_fuzz_op {
  char const* name;
  void (*run)(Tzv_fuzz_world&, Tzv_fuzz_input&);
};

constexpr char const* c_layer_types[] = {
    zv_lr2d_type_vector, zv_lr2d_type_raster, zv_lr2d_type_layout_page, zv_lr2d_type_group, "nope", "", nullptr};

Tzv_fuzz_op const c_ops[] = {
    // Layers of one scene.
    {"add_layer",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       char const* type = c_layer_types[in.below(std::size(c_layer_types))];
       Izv_layer* l =
           in.flag() ? zv_scn_2d_add_layer_type_name(s, type) : zv_scn_2d_add_layer_type_name_ex_slot(s, type);
       if (l) ++w.layer_counts[s];
     }},
    {"del_lr2d",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       uint32_t const n = zv_scn_2d_get_layer_count(s);
       uint32_t const i = pick_index(w, in, n);
       zv_scn_2d_del_lr2d(s, i);
       if (s == nullptr || i >= n) return;
       --w.layer_counts[s];
       w.stale = i;
     }},
    {"del_lr2d_ptr",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       Izv_layer* l = pick_layer(w, in, s);
       bool const member = zv_scn_2d_get_lr2d_idx(s, l) != zv_check::no_index;
       zv_scn_2d_del_lr2d_ptr(s, l);
       if (member) --w.layer_counts[s];
     }},
    {"del_lr2d_marked",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       uint32_t const n = marked_layers(s);
       zv_scn_2d_del_lr2d_marked(s);
       if (s) w.layer_counts[s] -= n;
     }},
    {"del_lr2d_array",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       std::vector<uint32_t> idx;
       uint32_t const gone = pick_indexes(w, in, zv_scn_2d_get_layer_count(s), idx);
       bool const no_array = in.below(8) == 0;
       zv_scn_2d_del_lr2d_array(s, static_cast<uint32_t>(idx.size()), no_array ? nullptr : idx.data());
       if (s && !no_array) w.layer_counts[s] -= gone;
     }},
    {"clear",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       zv_scn_2d_clear(s);
       if (!s) return;
       w.layer_counts[s] = 0;
       model_mark(w, s, false);  // clearing unmarks the scene itself
     }},
    {"mark_layer",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       zv_lr2d_set_marked(pick_layer(w, in, s), in.flag());
     }},
    {"set_marked_lr2d",
     [](W& w, In& in) {
       on_layer_or_index(w, in, pick_scene(w, in), &zv_scn_2d_set_marked_lr2d, &zv_scn_2d_set_marked_lr2d_idx);
     }},
    {"create_layer_group",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       uint32_t const k = marked_layers(s);
       Tzv_composite_layer_2d* g = zv_scn_2d_create_layer_group(s);
       if (s && k > 0) w.layer_counts[s] += 1 - k;
       if (k == 0) zv_lr2d_destroy(zv_lr2d_group_safe_upcast(g));  // left to the caller
     }},
    {"destroy_layer_group",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       Tzv_composite_layer_2d* g = zv_lr2d_group_safe_downcast(zv_scn_2d_get_layer_ptr(s, in.below(8)));
       uint32_t const subs = sub_layers(g);
       zv_scn_2d_destroy_layer_group(s, g);
       if (g) w.layer_counts[s] += subs - 1;
     }},
    {"move_layer",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       uint32_t const n = zv_scn_2d_get_layer_count(s);
       zv_scn_2d_move_layer(s, pick_index(w, in, n), pick_index(w, in, n));
     }},
    {"move_marked_layers",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       zv_scn_2d_move_marked_layers(s, pick_index(w, in, zv_scn_2d_get_layer_count(s)));
     }},
    {"tree_group",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       Tzv_lr_group* root = zv_scn_2d_get_lr_group_ptr(s);
       Tzv_lr_group* parent = in.flag() ? root : zv_lr_group_get_active(root);
       if (!zv_lr_group_is_group(parent)) parent = root;
       zv_lr_group_set_active(root, zv_lr_group_add_group(parent, odd_text(in).c_str()));
     }},
    {"move_to_active_group",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       zv_scn_2d_move_layer_to_active_group(s, pick_layer(w, in, s));
     }},
    {"set_active_lr2d",
     [](W& w, In& in) {
       on_layer_or_index(w, in, pick_scene(w, in), &zv_scn_2d_set_active_lr2d, &zv_scn_2d_set_active_lr2d_idx);
     }},
    {"selection",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       in.flag() ? zv_scn_2d_set_selected_all(s, in.flag()) : zv_scn_2d_selected_invert(s);
     }},
    {"layer_caption",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       zv_lr2d_set_wcaption(pick_layer(w, in, s), odd_text(in).c_str());
       (void)zv_scn_2d_find_layer_by_caption(s, odd_text(in).c_str());
     }},

    // The scene as an entity.
    {"scene_texts",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       std::wstring const t = odd_text(in);
       switch (in.below(4)) {
         case 0:
           zv_scn_2d_set_wcaption(s, in.flag() ? t.c_str() : nullptr);
           break;
         case 1:
           zv_scn_2d_set_caption(s, narrow(t).c_str());
           break;
         case 2:
           zv_scn_2d_set_prj4wstring(s, t.c_str());
           break;
         default:
           zv_scn_2d_set_source(s, t.c_str());
           break;
       }
       (void)zv_scn_2d_get_caption(s);
     }},
    {"extras",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       Tzv_table* t = malformed_table(in);
       zv_scn_2d_set_table_extra(s, in.below(8) == 0 ? nullptr : t);
       table_destroy(t);
       char const* name = in.flag() ? "a" : nullptr;
       (void)zv_scn_2d_get_extra(s, name);
       zv_scn_2d_extra_changed(s, name);
     }},
    {"scene_assign",
     [](W& w, In& in) {
       Izv_scene* dst = pick_scene(w, in);
       Izv_scene* src = pick_scene(w, in);
       zv_scn_2d_assign(dst, src);
       (void)zv_scn_2d_equal(dst, src);
       if (!dst || !src) return;
       w.layer_counts[dst] = w.layer_counts[src];
       sync_marked(w, dst);
     }},
    {"scene_params",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       zv_prf_data_set_xmax(w.prf, in.byte());
       zv_scn_2d_set_prf_data(s, in.below(8) == 0 ? nullptr : w.prf);
       zv_lookmarks_add_ptr(w.lookmarks);
       zv_scn_2d_set_lookmarks(s, w.lookmarks);
       zv_scn_2d_set_izotropic(s, in.flag());
       Tzv_box_d2 box;
       (void)zv_scn_2d_get_box(s, &box);
       (void)zv_scn_2d_get_marked_lr2d_box(s, &box);
     }},
    {"scene_marked",
     [](W& w, In& in) {
       Izv_scene* s = pick_scene(w, in);
       bool const m = in.flag();
       zv_scn_2d_set_marked(s, m);
       model_mark(w, s, m);
     }},

    // Collections.
    {"scns_add",
     [](W& w, In& in) {
       Tzv_fuzz_collection* c = pick_collection(w, in);
       Izv_scene* s = nullptr;
       // A creator the input entered under a plug-in's scene type may throw.
       if (plugin_call([&] { s = zv_scns_2d_add(c ? c->handle : nullptr); }) || !c) return;
       c->members.push_back(s);
       w.adopt(s);
     }},
    {"scns_del",
     [](W& w, In& in) {
       Tzv_fuzz_collection* c = pick_collection(w, in);
       if (!c) return zv_scns_2d_del(nullptr, 0);
       uint32_t const i = pick_index(w, in, static_cast<uint32_t>(c->members.size()));
       zv_scns_2d_del(c->handle, i);
       model_remove(*c, {i});
       w.stale = i;
     }},
    {"scns_del_array",
     [](W& w, In& in) {
       Tzv_fuzz_collection* c = pick_collection(w, in);
       if (!c) return zv_scns_2d_del_array(nullptr, 1, &w.stale);
       std::vector<uint32_t> idx;
       pick_indexes(w, in, static_cast<uint32_t>(c->members.size()), idx);
       zv_scns_2d_del_array(c->handle, static_cast<uint32_t>(idx.size()), idx.data());
       model_remove(*c, idx);
     }},
    {"scns_del_marked",
     [](W& w, In& in) {
       Tzv_fuzz_collection* c = pick_collection(w, in);
       if (!c) return zv_scns_2d_del_marked(nullptr);
       Izv_scene* active = active_member(*c);
       zv_scns_2d_del_marked(c->handle);
       bool const active_marked = c->marked.contains(active);
       std::erase_if(c->members, [c](Izv_scene* s) { return c->marked.contains(s); });
       c->marked.clear();
       model_set_active(*c, active_marked ? nullptr : active);
     }},
    {"scns_move",
     [](W& w, In& in) {
       Tzv_fuzz_collection* c = pick_collection(w, in);
       uint32_t const n = c ? static_cast<uint32_t>(c->members.size()) : 0;
       uint32_t const from = pick_index(w, in, n);
       uint32_t const to = pick_index(w, in, n);
       zv_scns_2d_move_scn(c ? c->handle : nullptr, from, to);
       if (!c || from >= n || to >= n) return;
       Izv_scene* active = active_member(*c);
       Izv_scene* moved = c->members[from];
       c->members.erase(c->members.begin() + from);
       c->members.insert(c->members.begin() + to, moved);
       model_set_active(*c, active);
     }},
    {"scns_active",
     [](W& w, In& in) {
       Tzv_fuzz_collection* c = pick_collection(w, in);
       if (!c) return zv_scns_2d_set_active_scn_idx(nullptr, 0);
       if (in.flag()) {
         Izv_scene* s = pick_scene(w, in);
         zv_scns_2d_set_active_scn(c->handle, s);
         model_set_active(*c, s);
       } else {
         uint32_t const i = pick_index(w, in, static_cast<uint32_t>(c->members.size()));
         zv_scns_2d_set_active_scn_idx(c->handle, i);
         c->active = i < c->members.size() ? i : zv_check::no_index;
       }
     }},
    {"scns_marked",
     [](W& w, In& in) {
       Tzv_fuzz_collection* c = pick_collection(w, in);
       if (!c) return zv_scns_2d_set_marked_scn(nullptr, nullptr);
       Izv_scene* s = nullptr;
       if (in.flag()) {
         s = pick_scene(w, in);
         zv_scns_2d_set_marked_scn(c->handle, s);
       } else {
         uint32_t const i = pick_index(w, in, static_cast<uint32_t>(c->members.size()));
         zv_scns_2d_set_marked_scn_idx(c->handle, i);
         s = i < c->members.size() ? c->members[i] : nullptr;
       }
       c->marked.clear();
       if (index_in(*c, s) != zv_check::no_index) c->marked.insert(s);
     }},
    {"scns_clear",
     [](W& w, In& in) {
       Tzv_fuzz_collection* c = pick_collection(w, in);
       zv_scns_2d_clear(c ? c->handle : nullptr);
       if (c) c->forget_members();
     }},
    {"scns_assign",
     [](W& w, In& in) {
       Tzv_fuzz_collection* dst = pick_collection(w, in);
       Tzv_fuzz_collection* src = pick_collection(w, in);
       if (plugin_call([&] { zv_scns_2d_assign(dst ? dst->handle : nullptr, src ? src->handle : nullptr); }))
         return dst ? resync(w, *dst) : void();  // members come from a creator part way
       (void)zv_scns_2d_equal(dst ? dst->handle : nullptr, src ? src->handle : nullptr);
       if (!dst || !src || dst == src) return;
       auto const n = static_cast<uint32_t>(src->members.size());
       if (n < dst->members.size()) {
         std::vector<uint32_t> gone;
         for (uint32_t i = n; i < dst->members.size(); ++i) gone.push_back(i);
         if (dst->active != zv_check::no_index && n <= dst->active) dst->active = zv_check::no_index;
         model_remove(*dst, gone);
       }
       for (auto i = static_cast<uint32_t>(dst->members.size()); i < n; ++i) {
         dst->members.push_back(zv_scns_2d_get(dst->handle, i));
       }
       for (uint32_t i = 0; i < n; ++i) {
         w.layer_counts[dst->members[i]] = w.layer_counts[src->members[i]];
         sync_marked(w, dst->members[i]);
       }
     }},

    // The plug-in side: start and stop, plug-in collections, the scene
    // factory map, scene builders over the extension services' filters.
    {"plugin_init_done",
     [](W& w, In& in) {
       // The last done leaves the plug-in collections and scenes to the host.
       in.flag() ? w.plugins.init() : w.plugins.done();
     }},
    {"plugin_scns_create",
     [](W& w, In& in) {
       int32_t const i = pick_factory_index(in);
       Izv_scns2d* c = zv_plugin_scns_2d_create(i);
       bool const expected = w.plugins.inits > 0 && i >= 0 && i < Tzv_plugin_world::service_count;
       if ((c != nullptr) != expected) fail("plugin_scns_create", "collection made against the factory count");
       if (c) w.add_collection(c, &zv_plugin_scns_2d_destroy, true);
     }},
    {"plugin_scns_destroy",
     [](W& w, In& in) {
       size_t const k = pick_plugin_collection(w, in);
       if (k == w.collections.size()) return zv_plugin_scns_2d_destroy(nullptr);
       w.remove_collection(k);
     }},
    {"factory_attach",
     [](W& w, In& in) {
       Tzv_factory_name const name = pick_factory_name(in);
       Tzv_creator_kind kind = w.plugins.kinds[in.below(4)];
       bool added = false;
       if (in.flag()) {
         bool const none = kind != Tzv_creator_kind::scene_2d;
         added = zv_scn_2d_factory_attach(nullptr, nullptr, name.get(), none ? nullptr : &zv_fuzz::make_scene_2d);
         kind = none ? Tzv_creator_kind::none : kind;
       } else {
         auto* context = &w.plugins.kinds[static_cast<int>(kind)];
         added = zv_scn_2d_factory_attach_ctx(nullptr, nullptr, name.get(), &zv_fuzz::make_by_kind, context);
       }
       if (name.own && added != (!name.null && !w.plugins.entered.contains(name.text)))
         fail("factory_attach", "attach answered against the map");
       if (added) w.plugins.entered.emplace(name.text, kind);
     }},
    {"factory_detach",
     [](W& w, In& in) {
       Tzv_factory_name const name = pick_factory_name(in);
       bool const gone = zv_scn_2d_factory_detach(name.get());
       if (name.own && gone != (!name.null && w.plugins.entered.contains(name.text)))
         fail("factory_detach", "detach answered against the map");
       if (gone) w.plugins.entered.erase(name.text);
     }},
    {"factory_create_scn",
     [](W& w, In& in) {
       Tzv_factory_name const name = pick_factory_name(in);
       Izv_scene* s = nullptr;
       bool const threw = plugin_call([&] { s = zv_scn_2d_factory_create_scn(name.get()); });
       if (name.own) {
         auto const it = name.null ? w.plugins.entered.end() : w.plugins.entered.find(name.text);
         Tzv_creator_kind const kind = it == w.plugins.entered.end() ? Tzv_creator_kind::none : it->second;
         if (threw != (kind == Tzv_creator_kind::throws)) fail("factory_create_scn", "creator's exception");
         bool const makes = kind == Tzv_creator_kind::scene_2d || kind == Tzv_creator_kind::layout;
         if ((s != nullptr) != makes) fail("factory_create_scn", "scene made against the map");
       }
       if (!s) return;
       w.loose.emplace_back(s, &zv_scn_2d_factory_destroy_scn);
       w.adopt(s);
     }},
    {"factory_destroy_scn",
     [](W& w, In& in) {
       auto const n = static_cast<uint32_t>(w.loose.size() - Tzv_fuzz_world::first_loose);
       uint32_t const k = in.below(n + 1);
       if (k == n) return zv_scn_2d_factory_destroy_scn(nullptr);
       auto const it = w.loose.begin() + static_cast<std::ptrdiff_t>(Tzv_fuzz_world::first_loose + k);
       Izv_scene* s = it->first;
       w.plugins.forget_scene(s);  // the builders go first: they borrow the scene
       w.loose.erase(it);
       zv_scn_2d_factory_destroy_scn(s);
     }},
    {"plugin_interfaces",
     [](W& w, In& in) {
       (void)zv_scn_2d_get_plugin_interface(pick_scene(w, in));
       Tzv_fuzz_collection* c = pick_collection(w, in);
       (void)zv_scns_2d_get_plugin_interface(c ? c->handle : nullptr);
     }},
    {"builder_create_destroy",
     [](W& w, In& in) {
       if (in.flag() && w.plugins.builders.size() < 4) {
         w.plugins.builders.push_back({zv_scn2d_builder_create()});
         return;
       }
       uint32_t const k = in.below(static_cast<uint32_t>(w.plugins.builders.size()) + 1);
       if (k == w.plugins.builders.size()) return zv_scn2d_builder_destroy(nullptr);
       w.plugins.drop_builder(k);
     }},
    {"builder_init",
     [](W& w, In& in) {
       zv_fuzz::Tzv_builder_slot* slot = pick_builder(w, in);
       // Only scenes that live until the builder is destroyed.
       uint32_t const k = in.below(static_cast<uint32_t>(w.loose.size()) + 1);
       Izv_scene* s = k < w.loose.size() ? w.loose[k].first : nullptr;
       constexpr wchar_t const* c_ids[] = {ZV_SCENE_2D_EDITOR_EXTENSION_ID,
                                           ZV_SCENE_2D_EDITOR_EXTENSION_ID,
                                           ZV_SCENE_2D_SERVICE_ID,
                                           L"",
                                           L"zv:/nothing",
                                           nullptr};
       wchar_t const* id = c_ids[in.below(std::size(c_ids))];
       plugin_call([&] { zv_scn2d_builder_init(handle_of(slot), s, id); });
       if (slot && s) slot->scene = s;
     }},
    {"builder_is_supported",
     [](W& w, In& in) {
       zv_fuzz::Tzv_builder_slot* slot = pick_builder(w, in);
       Tzv_name_list names(in);
       plugin_call([&] { (void)zv_scn2d_builder_is_supported(handle_of(slot), names); });
     }},
    {"builder_add_sources",
     [](W& w, In& in) {
       zv_fuzz::Tzv_builder_slot* slot = pick_builder(w, in);
       Tzv_name_list names(in);
       plugin_call([&] { zv_scn2d_builder_add_sources(handle_of(slot), names); });
       if (slot && slot->scene) w.adopt(slot->scene);  // the filters decide how many layers
     }},
    {"builder_get_errors",
     [](W& w, In& in) {
       zv_fuzz::Tzv_builder_slot* slot = pick_builder(w, in);
       std::wstring text;
       Tzv_std_wstring_adapter out(&text);
       zv_scn2d_builder_get_errors(handle_of(slot), in.below(8) == 0 ? nullptr : static_cast<Izv_string_adp*>(out));
     }},
    {"acting_listener", &run_with_actor},
    {"plugin_faults",
     [](W& w, In& in) {
       // Arms one call of a filter or extension service to throw, or disarms all.
       constexpr Tzvt_fault c_faults[] = {Tzvt_fault::attach,   Tzvt_fault::detach,   Tzvt_fault::supports,
                                          Tzvt_fault::add,      Tzvt_fault::priority, Tzvt_fault::filters};
       Tzvt_fault const fault = c_faults[in.below(std::size(c_faults))];
       uint32_t const k = in.below(2);
       switch (in.below(3)) {
         case 0:
           w.plugins.filter(k).arm(fault);
           break;
         case 1:
           w.plugins.extension(k).arm(fault);
           break;
         default:
           w.plugins.disarm();
           break;
       }
     }},
};

}  // namespace

// Every layer and entity an input made is gone with its world: none was left
// behind busy, or orphaned by a listener that destroyed its owner.
extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  int32_t const layers = zv_lr2d_test_get_live_count();
  int32_t const entities = zv_entity_storage_get_count();
  {
    Tzv_fuzz_input in(data, size);
    Tzv_fuzz_world world;
    for (int steps = 0; !in.done() && steps < 64; ++steps) {
      Tzv_fuzz_op const& op = c_ops[in.below(std::size(c_ops))];
      op.run(world, in);
      world.forget_dead();
      check_world(op.name, world, {.nested_updates = false, .balance_only = op.run == &run_with_actor});
    }
  }
  if (zv_lr2d_test_get_live_count() != layers) fail("the end of the input", "layers left alive");
  if (zv_entity_storage_get_count() != entities) fail("the end of the input", "entities left alive");
  return 0;
}
