// Stateful fuzzer of the flat interface: the input is a sequence of
// operations on a small world of scene collections, scenes, layouts, column
// scenes, their layers and parameter objects, made through the exports with
// null handles, stale and out-of-range indexes, repeated indexes, malformed
// extras tables and odd texts. After every operation the world is checked
// against a model of what the operations did, and the process aborts on the
// first difference: layer vectors equal the tree walks, counts, active
// indexes and marked sets agree, every recorded channel is balanced with at
// most one update per outermost bracket, and no history bracket is open.
//
// Operations are rows of one table; a new family of exports is a new row.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <memory>
#include <set>
#include <string>
#include <unordered_map>
#include <vector>

#include "event_recorder.h"
#include "robustness/scene_checks.h"
#include "zv/lookmarks.h"
#include "zv/prf_data.h"
#include "zv/scn_2d.h"
#include "zv/scn_clm.h"
#include "zv/scn_layout.h"
#include "zv/scns_2d.h"
#include "zv/sibling/lr2d.h"

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
};

struct Tzv_fuzz_world {
  Tzv_fuzz_world();
  ~Tzv_fuzz_world();
  Tzv_fuzz_world(Tzv_fuzz_world const&) = delete;
  Tzv_fuzz_world& operator=(Tzv_fuzz_world const&) = delete;

  std::vector<Tzv_fuzz_collection> collections;
  std::vector<std::pair<Izv_scene*, void (*)(Izv_scene*)>> loose;  // scenes of no collection
  std::unordered_map<Izv_scene*, uint32_t> layer_counts;           // every live scene
  std::vector<std::unique_ptr<Tzv_event_recorder>> recorders;
  Tzv_profil_data* prf = zv_prf_data_create();
  Tzv_lookmarks2d* lookmarks = zv_lookmarks_create();
  uint32_t stale = 0;  // an index that was valid before a removal

  std::vector<Izv_scene*> scenes() const;
  void adopt(Izv_scene* scene) { layer_counts[scene] = zv_scn_2d_get_layer_count(scene); }
  void forget_dead();
};

Tzv_fuzz_world::Tzv_fuzz_world() {
  collections.push_back({zv_scns_2d_create(), &zv_scns_2d_destroy, {}, zv_check::no_index, {}});
  collections.push_back({zv_scns_layout_create(), &zv_scns_layout_destroy, {}, zv_check::no_index, {}});
  collections.push_back({zv_scns_clm_create(), &zv_scns_clm_destroy, {}, zv_check::no_index, {}});
  loose.emplace_back(zv_scn_2d_create(), &zv_scn_2d_destroy);
  loose.emplace_back(zv_scn_layout_create(), &zv_scn_layout_destroy);
  loose.emplace_back(zv_scn_clm_create(), &zv_scn_clm_destroy);
  for (auto& c : collections) {
    recorders.push_back(std::make_unique<Tzv_event_recorder>(zv_scns_2d_get_update_event_channel(c.handle)));
  }
  for (auto& [scene, destroy] : loose) {
    adopt(scene);
    recorders.push_back(std::make_unique<Tzv_event_recorder>(zv_scn_2d_get_update_event_channel(scene)));
  }
}

Tzv_fuzz_world::~Tzv_fuzz_world() {
  recorders.clear();
  for (auto& c : collections) c.destroy(c.handle);
  for (auto& [scene, destroy] : loose) destroy(scene);
  zv_prf_data_destroy(prf);
  zv_lookmarks_destroy(lookmarks);
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
  for (Izv_scene* s : c.members) {
    if (zv_scn_2d_get_marked(s) != c.marked.contains(s)) fail(op, "marked set differs from the model");
  }
}

void check_world(char const* op, Tzv_fuzz_world& w) {
  check(op, zv_check::history_idle());
  for (auto const& c : w.collections) check_collection(op, c);
  for (auto const& [scene, count] : w.layer_counts) {
    check(op, zv_check::layer_list(scene));
    if (zv_scn_2d_get_layer_count(scene) != count) fail(op, "layer count differs from the model");
  }
  for (auto& r : w.recorders) check(op, zv_check::trace_balance(r->take()));
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

void model_set_active(Tzv_fuzz_collection& c, Izv_scene* s) { c.active = s ? index_in(c, s) : zv_check::no_index; }

Izv_scene* active_member(Tzv_fuzz_collection const& c) {
  return c.active < c.members.size() ? c.members[c.active] : nullptr;
}

// --- Operations ----------------------------------------------------------------------

struct Tzv_fuzz_op {
  char const* name;
  void (*run)(Tzv_fuzz_world&, Tzv_fuzz_input&);
};

using W = Tzv_fuzz_world;
using In = Tzv_fuzz_input;

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
       Izv_scene* s = pick_scene(w, in);
       if (in.flag()) {
         zv_scn_2d_set_marked_lr2d(s, pick_layer(w, in, s));
       } else {
         zv_scn_2d_set_marked_lr2d_idx(s, pick_index(w, in, zv_scn_2d_get_layer_count(s)));
       }
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
       Izv_scene* s = pick_scene(w, in);
       if (in.flag()) {
         zv_scn_2d_set_active_lr2d(s, pick_layer(w, in, s));
       } else {
         zv_scn_2d_set_active_lr2d_idx(s, pick_index(w, in, zv_scn_2d_get_layer_count(s)));
       }
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
       Izv_scene* s = zv_scns_2d_add(c ? c->handle : nullptr);
       if (!c) return;
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
       if (c) *c = {c->handle, c->destroy, {}, zv_check::no_index, {}};
     }},
    {"scns_assign",
     [](W& w, In& in) {
       Tzv_fuzz_collection* dst = pick_collection(w, in);
       Tzv_fuzz_collection* src = pick_collection(w, in);
       zv_scns_2d_assign(dst ? dst->handle : nullptr, src ? src->handle : nullptr);
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
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  Tzv_fuzz_input in(data, size);
  Tzv_fuzz_world world;
  for (int steps = 0; !in.done() && steps < 64; ++steps) {
    Tzv_fuzz_op const& op = c_ops[in.below(std::size(c_ops))];
    op.run(world, in);
    world.forget_dead();
    check_world(op.name, world);
  }
  return 0;
}
