// The layer tree and the layer vector: layers added to a scene, grouped into
// a composite layer and moved, with the vector read back in tree order.
// Exits with 1 when the order differs from the one the guide shows.
#include <cstdio>
#include <string>

#include "zv/scn_2d.h"
#include "zv/sibling/lr2d.h"

namespace {

void take_text(wchar_t const* s, void* into) { *static_cast<std::wstring*>(into) = s ? s : L""; }

std::wstring caption_of(Izv_layer* layer) {
  std::wstring text;
  Izv_string_adp* adp = zv_string_adp_create(nullptr, &take_text, &text);
  zv_lr2d_get_wcaption(layer, adp);
  zv_string_adp_destroy(adp);
  return text;
}

}  // namespace

// [order]
// The layers in vector order, which is the order of the layer group tree.
std::wstring layer_order(Izv_scene* scene) {
  std::wstring out;
  for (uint32_t i = 0; i < zv_scn_2d_get_layer_count(scene); ++i)
    out += (i ? L" " : L"") + caption_of(zv_scn_2d_get_layer_ptr(scene, i));
  return out;
}
// [order]

// [group]
bool group_and_move(Izv_scene* scene) {
  for (wchar_t const* name : {L"roads", L"relief", L"rivers", L"towns"}) {
    Izv_layer* layer = zv_scn_2d_add_layer_type_name(scene, zv_lr2d_type_vector);  // borrowed
    zv_lr2d_set_wcaption(layer, name);
  }
  // Mark relief and rivers, then gather them into one composite layer that
  // takes the first one's place.
  zv_lr2d_set_marked(zv_scn_2d_get_layer_ptr(scene, 1), true);
  zv_lr2d_set_marked(zv_scn_2d_get_layer_ptr(scene, 2), true);
  Tzv_composite_layer_2d* terrain = zv_scn_2d_create_layer_group(scene);
  zv_lr2d_set_wcaption(zv_lr2d_group_safe_upcast(terrain), L"terrain");
  bool const grouped = layer_order(scene) == L"roads terrain towns";

  zv_scn_2d_move_layer(scene, 0, 2);  // roads to the end, in the vector and the tree
  bool const moved = layer_order(scene) == L"terrain towns roads";

  zv_scn_2d_destroy_layer_group(scene, terrain);  // its layers stand where it stood
  return grouped && moved && zv_scn_2d_get_layer_count(scene) == 4;
}
// [group]

int main() {
  Izv_scene* scene = zv_scn_2d_create();
  bool const ok = group_and_move(scene);
  std::printf("after dissolving: %ls\n", layer_order(scene).c_str());
  zv_scn_2d_destroy(scene);
  std::puts(ok ? "layer_tree: ok" : "layer_tree: FAILED");
  return ok ? 0 : 1;
}
