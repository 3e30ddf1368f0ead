// Occupancy of a scene: its marked layers are asked whether something holds
// them and, on request, to let go. The scene answers with the highest level
// and a report for the user that names, under the scene's caption, each
// layer that is held or that could not be released. Neither question opens
// a bracket: what a layer changes while releasing, it announces itself.
#include <algorithm>
#include <cstdint>
#include <string>
#include <unordered_set>

#include "core/string_adapters.h"
#include "scene2d/scene_2d.h"

namespace {

std::wstring caption_of(Izv_entity* entity) {
  return zv_read_wtext([entity](Izv_string_adp* adp) { entity->get_wcaption(adp); });
}

// Calls `visit` once for each marked layer, in index order, whatever the
// visits do to the list: the list is re-read at every step, a layer that a
// visit removed or moved lets the walk look at its index again, and layers
// already seen are passed over. Removed layers stay alive until the walk
// ends, so no address is reused on the way.
template <class F>
void for_each_marked_layer(Tzv_scene_2d& scene, F visit) {
  auto const hold = scene.hold_members();
  std::unordered_set<Izv_layer*> seen;
  for (uint32_t i = 0; i < scene.get_count();) {
    Izv_layer* layer = scene.get_entity(i);
    if (layer == nullptr || !seen.insert(layer).second || !layer->get_marked()) {
      ++i;
      continue;
    }
    visit(layer);
    if (scene.get_entity(i) == layer) ++i;
  }
}

// The report: empty until its first line, which brings the owner's caption
// as its head; then one indented line per layer.
class Tzv_occupancy_report {
 public:
  explicit Tzv_occupancy_report(Izv_entity* owner) : owner_(owner) {}

  void add_line(Izv_entity* layer, std::wstring const& detail = {}) {
    if (text_.empty()) text_ = caption_of(owner_) + L"\n";
    text_ += L"    " + caption_of(layer) + detail + L"\n";
  }

  // Also when empty: whatever the layers wrote into the adapter is replaced.
  void feed(Izv_string_adp* adp) const { zv_string_adp_feed(adp, text_.c_str()); }

 private:
  Izv_entity* owner_;
  std::wstring text_;
};

bool is_held(Izv_layer* layer) {
  Tzv_eat_string_adapter discard;
  return layer->is_occupied(discard) != 0;
}

// Asks the layer to let go; false with the layer's own text when it cannot.
bool release(Izv_layer* layer, std::wstring& error) {
  Tzv_std_wstring_adapter sink(&error);
  return layer->deoccupy(sink);
}

}  // namespace

int32_t Tzv_scene_2d::is_occupied(Izv_string_adp* adp) {
  int32_t level = 0;  // a negative level is reported but never returned
  Tzv_occupancy_report report(self());
  for_each_marked_layer(*this, [&](Izv_layer* layer) {
    int32_t const r = layer->is_occupied(adp);
    if (r != 0) report.add_line(layer);
    level = std::max(level, r);
  });
  report.feed(adp);
  return level;
}

bool Tzv_scene_2d::deoccupy(Izv_string_adp* adp) {
  bool released = true;
  Tzv_occupancy_report report(self());
  for_each_marked_layer(*this, [&](Izv_layer* layer) {
    if (!is_held(layer)) return;
    std::wstring error;
    if (release(layer, error)) return;
    report.add_line(layer, L": " + error);
    released = false;
  });
  report.feed(adp);
  return released;
}
