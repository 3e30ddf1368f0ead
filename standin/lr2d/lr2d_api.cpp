// Exported functions of the 2D layer stand-in. Each resolves its handle and
// does nothing (returning the neutral value) for a null or foreign handle.
#include "fault_injection.h"
#include "lr2d_layer.h"
#include "zv/sibling/lr2d_test_hooks.h"

namespace {

// Runs `op` on the stand-in layer behind `layer`, or returns `none`. A
// destruction that a listener asks for meanwhile waits until `op` returns.
template <class R, class Op>
R with_layer(Izv_layer* layer, R none, Op&& op) {
  Tzv_lr2d_layer* l = zv_lr2d_cast(layer);
  if (!l) return none;
  Tzv_lr2d_layer::Tzv_busy const busy(l);
  return op(*l);
}
template <class Op>
void with_layer(Izv_layer* layer, Op&& op) {
  with_layer(layer, 0, [&op](Tzv_lr2d_layer& l) {
    op(l);
    return 0;
  });
}

std::optional<Tzv_box_d2> opt_box(Tzv_box_d2 const* box) {
  return box ? std::optional<Tzv_box_d2>(*box) : std::nullopt;
}

}  // namespace

extern "C" {

ZV_LR2D_API Izv_layer* zv_lr2d_factory_create_lr(char const* type) { return zv_lr2d_make(type); }

// A layer whose own listener asked for this goes when its operation returns.
ZV_LR2D_API void zv_lr2d_factory_destroy_lr(Izv_layer* layer) {
  if (auto* l = zv_lr2d_cast(layer)) l->destroy_when_idle();
}

ZV_LR2D_API void zv_lr2d_destroy(Izv_layer* layer) { zv_lr2d_factory_destroy_lr(layer); }

ZV_LR2D_API char const* zv_lr2d_get_lr_type(Izv_layer* layer) {
  return with_layer(layer, static_cast<char const*>(nullptr), [](Tzv_lr2d_layer& l) { return l.type(); });
}

ZV_LR2D_API void zv_lr2d_assign(Izv_layer* dst, Izv_layer* src) {
  Tzv_lr2d_layer* from = zv_lr2d_cast(src);
  if (from) with_layer(dst, [from](Tzv_lr2d_layer& l) { l.assign(*from); });
}

ZV_LR2D_API void zv_lr2d_set_scn_2d(Izv_layer* layer, Izv_scene* scene) {
  with_layer(layer, [scene](Tzv_lr2d_layer& l) { l.set_scene(scene); });
}

ZV_LR2D_API Izv_scene* zv_lr2d_get_scn_2d(Izv_layer* layer) {
  return with_layer(layer, static_cast<Izv_scene*>(nullptr), [](Tzv_lr2d_layer& l) { return l.scene(); });
}

ZV_LR2D_API void zv_lr2d_set_wcaption(Izv_layer* layer, wchar_t const* caption) {
  if (layer) layer->set_wcaption(caption);
}

ZV_LR2D_API void zv_lr2d_get_wcaption(Izv_layer* layer, Izv_string_adp* adp) {
  if (layer && adp) layer->get_wcaption(adp);
}

ZV_LR2D_API void zv_lr2d_set_dst_pj4wstr(Izv_layer* layer, wchar_t const* pj4) {
  with_layer(layer, [pj4](Tzv_lr2d_layer& l) { l.set_dst_pj4(pj4 ? std::wstring_view(pj4) : std::wstring_view()); });
}

ZV_LR2D_API void zv_lr2d_get_dst_pj4wstr(Izv_layer* layer, Izv_string_adp* adp) {
  with_layer(layer, [adp](Tzv_lr2d_layer& l) { zv_lr_text::feed(adp, l.dst_pj4()); });
}

ZV_LR2D_API void zv_lr2d_get_pj4wstr(Izv_layer* layer, Izv_string_adp* adp) {
  with_layer(layer, [adp](Tzv_lr2d_layer& l) { zv_lr_text::feed(adp, l.own_pj4()); });
}

ZV_LR2D_API bool zv_lr2d_get_box(Izv_layer* layer, Tzv_box_d2* out) {
  return with_layer(layer, false, [out](Tzv_lr2d_layer& l) { return l.get_box(out); });
}

ZV_LR2D_API void zv_lr2d_calc_box(Izv_layer* layer) {
  with_layer(layer, [](Tzv_lr2d_layer& l) { l.calc_box(); });
}

ZV_LR2D_API void zv_lr2d_page_set_box(Izv_layer* layer, Tzv_box_d2 const* box) {
  if (auto* page = dynamic_cast<Tzv_lr2d_page*>(layer)) page->set_page_box(opt_box(box));
}

ZV_LR2D_API bool zv_lr2d_page_get_box(Izv_layer* layer, Tzv_box_d2* out) {
  auto* page = dynamic_cast<Tzv_lr2d_page*>(layer);
  if (!page || !page->page_box()) return false;
  if (out) *out = *page->page_box();
  return true;
}

ZV_LR2D_API bool zv_lr2d_get_marked(Izv_layer* layer) { return layer && layer->get_marked(); }

ZV_LR2D_API void zv_lr2d_set_marked(Izv_layer* layer, bool marked) {
  if (layer) layer->set_marked(marked);
}

ZV_LR2D_API void zv_lr2d_set_selected_all(Izv_layer* layer, bool selected) {
  with_layer(layer, [selected](Tzv_lr2d_layer& l) { l.set_selected_all(selected); });
}

ZV_LR2D_API void zv_lr2d_selected_invert(Izv_layer* layer) {
  with_layer(layer, [](Tzv_lr2d_layer& l) { l.selected_invert(); });
}

ZV_LR2D_API bool zv_lr2d_get_selected_all(Izv_layer* layer) {
  return with_layer(layer, false, [](Tzv_lr2d_layer& l) { return l.selected_all(); });
}

ZV_LR2D_API void zv_lr2d_set_mode(Izv_layer* layer, int32_t a, int32_t b, int32_t c) {
  with_layer(layer, [=](Tzv_lr2d_layer& l) { l.set_mode(a, b, c); });
}

ZV_LR2D_API void zv_lr2d_get_mode(Izv_layer* layer, int32_t* a, int32_t* b, int32_t* c) {
  int32_t* out[3] = {a, b, c};
  Tzv_lr2d_layer* l = zv_lr2d_cast(layer);
  for (int i = 0; i < 3; ++i)
    if (out[i]) *out[i] = l ? l->mode(i) : 0;
}

ZV_LR2D_API int32_t zv_lr2d_get_occupied_level(Izv_layer* layer) {
  return with_layer(layer, 0, [](Tzv_lr2d_layer& l) { return l.occupied_level(); });
}

// Not through the factory: a composite is made whatever the factory's
// budget, since failing here would lose the layers about to be gathered. An
// injected fault throws before anything is gathered.
ZV_LR2D_API Tzv_composite_layer_2d* zv_lr2d_group_create() {
  zv_fault::layer_creation();
  return new Tzv_composite_layer_2d();
}

ZV_LR2D_API void zv_lr2d_group_add_sublr(Tzv_composite_layer_2d* group, Izv_layer* layer) {
  if (group && layer) group->add(layer);
}

ZV_LR2D_API uint32_t zv_lr2d_group_sublr_count(Tzv_composite_layer_2d* group) {
  return group ? static_cast<uint32_t>(group->sublayers().size()) : 0;
}

ZV_LR2D_API Izv_layer* zv_lr2d_group_get_sublr(Tzv_composite_layer_2d* group, uint32_t i) {
  return group && i < group->sublayers().size() ? group->sublayers()[i] : nullptr;
}

ZV_LR2D_API Izv_layer* zv_lr2d_group_extract_sublr(Tzv_composite_layer_2d* group, uint32_t i) {
  return group ? group->extract(i) : nullptr;
}

ZV_LR2D_API Izv_layer* zv_lr2d_group_safe_upcast(Tzv_composite_layer_2d* group) { return group; }

ZV_LR2D_API Tzv_composite_layer_2d* zv_lr2d_group_safe_downcast(Izv_layer* layer) {
  return dynamic_cast<Tzv_composite_layer_2d*>(layer);
}

// Test hooks.

ZV_LR2D_API void zv_lr2d_test_set_box(Izv_layer* layer, Tzv_box_d2 const* box) {
  with_layer(layer, [box](Tzv_lr2d_layer& l) { l.set_box(opt_box(box)); });
}

ZV_LR2D_API void zv_lr2d_test_set_pj4wstr(Izv_layer* layer, wchar_t const* pj4) {
  with_layer(layer, [pj4](Tzv_lr2d_layer& l) { l.set_own_pj4(zv_lr_text::or_empty(pj4)); });
}

ZV_LR2D_API void zv_lr2d_test_set_occupied(Izv_layer* layer, int32_t level, wchar_t const* release_error) {
  with_layer(layer, [=](Tzv_lr2d_layer& l) { l.set_occupied(level, zv_lr_text::or_empty(release_error)); });
}

ZV_LR2D_API void zv_lr2d_test_fail_factory_after(int32_t n) { zv_lr2d_set_factory_budget(n); }

ZV_LR2D_API int32_t zv_lr2d_test_get_live_count() { return zv_lr2d_live_count(); }

ZV_LR2D_API uint32_t zv_lr2d_test_get_update_depth(Izv_layer* layer) {
  return with_layer(layer, 0u, [](Tzv_lr2d_layer& l) { return l.get_update_depth(); });
}

}  // extern "C"
