// The scene's projection: the PROJ.4 text its layers are drawn in, how that
// text reaches the layers, and the distinct projections of the layers.
#include <algorithm>
#include <string>
#include <unordered_set>
#include <vector>

#include "core/string_adapters.h"
#include "scene2d/scene_2d.h"
#include "zv/common/unwind.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/proj4_d2.h"

namespace {

// The layer's own projection; empty when it has none.
std::wstring layer_prj4(Izv_layer* layer) {
  return zv_read_wtext([layer](Izv_string_adp* adp) { zv_lr2d_get_pj4wstr(layer, adp); });
}

// The projection library's short display name; empty when it has none.
std::wstring short_prj4(std::wstring const& prj4) {
  return zv_read_wtext([&prj4](Izv_string_adp* adp) { zv_pj4_get_short_text_w(prj4.c_str(), adp); });
}

// The distinct projections met so far, compared by meaning. Texts already
// known to match one are remembered verbatim, so that layers sharing one
// text cost a lookup, not a comparison per distinct projection.
class Tzv_prj4_set {
 public:
  bool contains(std::wstring const& prj4) {
    if (matched_.count(prj4) != 0) return true;
    auto const equal = [&prj4](std::wstring const& e) { return zv_pj4_equal_w(e.c_str(), prj4.c_str()); };
    if (std::none_of(taken_.begin(), taken_.end(), equal)) return false;
    matched_.insert(prj4);
    return true;
  }
  void add(std::wstring const& prj4) {
    taken_.push_back(prj4);
    matched_.insert(prj4);
  }

 private:
  std::vector<std::wstring> taken_;  // in insertion order
  std::unordered_set<std::wstring> matched_;
};

}  // namespace

void Tzv_scene_2d::get_prj4(Izv_string_adp* adp) const { zv_string_adp_feed(adp, prj4_.c_str()); }

void Tzv_scene_2d::set_prj4(wchar_t const* prj4) {
  if (prj4 == nullptr || prj4_ == prj4) return;
  prj4_ = prj4;
  {
    // The box is stale from here on, also when a layer throws half-way.
    zv::Tzv_finally stale([this] { box_valid_ = false; });
    visit_layers([this](Izv_layer* layer) {
      if (layer != nullptr) zv_lr2d_set_dst_pj4wstr(layer, prj4_.c_str());
    });
  }
  broadcast_update_event();
}

void Tzv_scene_2d::try_set_prj4(Izv_layer* layer) {
  if (prj4_.empty()) set_prj4(layer_prj4(layer).c_str());
}

void Tzv_scene_2d::get_pj_list_uniq_short(Tzv_wstrings_obj* short_texts, Tzv_wstrings_obj* full_texts) {
  Tzv_prj4_set taken;
  uint32_t const n = get_count();
  for (uint32_t i = 0; i < n; ++i) {
    std::wstring const prj4 = layer_prj4(get_entity(i));
    if (taken.contains(prj4)) continue;
    // A projection without a short name is left out, and asked again for
    // the next layer that has it.
    std::wstring const name = short_prj4(prj4);
    if (name.empty()) continue;
    taken.add(prj4);
    zv_wstrings_add_str(full_texts, prj4.c_str());
    zv_wstrings_add_str(short_texts, name.c_str());
  }
}
