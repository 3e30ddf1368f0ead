// Consistency checks of scenes, collections and event traces, read through
// the exports only. Shared by the robustness tests and the scene fuzzer, so
// they report instead of asserting: each answers an empty text when the
// check holds, else what is wrong.
#pragma once

#include <algorithm>
#include <cstdint>
#include <string>
#include <vector>

#include "zv/scn_2d.h"
#include "zv/scns_2d.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/lr.h"

namespace zv_check {

inline constexpr uint32_t no_index = 0xFFFFFFFF;

// The layers as the scene's vector holds them.
inline std::vector<Izv_layer*> layers_in_vector(Izv_scene* scene) {
  std::vector<Izv_layer*> out;
  for (uint32_t i = 0, n = zv_scn_2d_get_layer_count(scene); i < n; ++i)
    out.push_back(zv_scn_2d_get_layer_ptr(scene, i));
  return out;
}

// The vector equals the walk over the layer group tree, no layer is null,
// and the active index designates the active layer (or none is active).
inline std::string layer_list(Izv_scene* scene) {
  std::vector<Izv_layer*> const vec = layers_in_vector(scene), tree = [scene] {
    std::vector<Izv_layer*> out;
    Tzv_lr_group* s = zv_scn_2d_get_lr_group_ptr(scene);
    while ((s = zv_lr_group_get_next(s, 0, 1, 0)) != nullptr) out.push_back(zv_lr_group_get_lr_ptr(s));
    return out;
  }();
  if (vec != tree) return "layer vector differs from the tree walk";
  for (Izv_layer* l : vec) {
    if (l == nullptr) return "null layer in the vector";
  }
  uint32_t const active = zv_scn_2d_get_active_lr2d_idx(scene);
  if (zv_scn_2d_get_active_lr2d(scene) != (active < vec.size() ? vec[active] : nullptr))
    return "active layer is not the one at the active index";
  return {};
}

// The scenes of a collection, index by index.
inline std::vector<Izv_scene*> scenes_of(Izv_scns2d* scenes) {
  std::vector<Izv_scene*> out;
  for (uint32_t i = 0, n = zv_scns_2d_get_size(scenes); i < n; ++i) out.push_back(zv_scns_2d_get(scenes, i));
  return out;
}

// Every member knows the collection as its parent, and the active index and
// scene agree.
inline std::string collection(Izv_scns2d* scenes) {
  std::vector<Izv_scene*> const members = scenes_of(scenes);
  for (Izv_scene* s : members) {
    if (s == nullptr) return "null scene in the collection";
    if (zv_scn_2d_get_parent(s) != scenes) return "member does not name its collection as parent";
  }
  uint32_t const active = zv_scns_2d_get_active_scn_idx(scenes);
  if (zv_scns_2d_get_active_scn(scenes) != (active < members.size() ? members[active] : nullptr))
    return "active scene is not the one at the active index";
  return {};
}

inline std::string history_idle() {
  int32_t const depth = zv_history_manager_get_depth(zv_history_manager_get_instance());
  return depth == 0 ? std::string() : "history manager left at depth " + std::to_string(depth);
}

// What a trace may show beyond plain brackets: a bracket inside a bracket
// with an update of its own (a listener changed the object while its update
// event was being delivered), or brackets only (a listener that acts may make
// changes that go out on their own while an outer bracket delivers).
struct Tzv_trace_rules {
  bool nested_updates = false;
  bool balance_only = false;
};

// A recorder's trace: every begin has its end, and at most one update goes
// out per outermost bracket (per bracket when nested updates are allowed).
inline std::string trace_balance(std::string const& trace, Tzv_trace_rules rules = {}) {
  std::vector<int> updates;  // per open bracket, outermost first
  for (size_t pos = 0, end = 0; pos < trace.size(); pos = end + 1) {
    end = std::min(trace.find(' ', pos), trace.size());
    std::string const token = trace.substr(pos, end - pos);
    if (token == "B") updates.push_back(0);
    if (token == "E" && updates.empty()) return "end without begin in \"" + trace + "\"";
    if (token == "E") updates.pop_back();
    if (token[0] != 'U' || updates.empty() || rules.balance_only) continue;
    if (++(rules.nested_updates ? updates.back() : updates.front()) > 1)
      return "two updates in one bracket in \"" + trace + "\"";
  }
  return updates.empty() ? std::string() : "bracket left open in \"" + trace + "\"";
}

}  // namespace zv_check
