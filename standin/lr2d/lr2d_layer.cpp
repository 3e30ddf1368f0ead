#include "lr2d_layer.h"

#include <cstring>

#include "fault_injection.h"

namespace {

int32_t g_live_layers = 0;
int32_t g_factory_budget = -1;  // layers the factory still makes; < 0: no limit

bool same_box(std::optional<Tzv_box_d2> const& a, std::optional<Tzv_box_d2> const& b) {
  if (a.has_value() != b.has_value()) return false;
  return !a || (a->xmin == b->xmin && a->ymin == b->ymin && a->xmax == b->xmax && a->ymax == b->ymax);
}

struct Tzv_lr2d_type_entry {
  char const* name;
  Tzv_lr2d_layer* (*make)(char const* type);
};

constexpr Tzv_lr2d_type_entry c_layer_types[] = {
    {zv_lr2d_type_vector, [](char const* type) -> Tzv_lr2d_layer* { return new Tzv_lr2d_layer(type); }},
    {zv_lr2d_type_raster, [](char const* type) -> Tzv_lr2d_layer* { return new Tzv_lr2d_layer(type); }},
    {zv_lr2d_type_layout_page, [](char const*) -> Tzv_lr2d_layer* { return new Tzv_lr2d_page(); }},
    {zv_lr2d_type_group, [](char const*) -> Tzv_lr2d_layer* { return new Tzv_composite_layer_2d(); }},
};

// A new layer of the same type as `src` with its content, or null.
Izv_layer* clone_layer(Izv_layer* src) {
  Tzv_lr2d_layer* from = zv_lr2d_cast(src);
  Tzv_lr2d_layer* copy = from ? zv_lr2d_make(from->type()) : nullptr;
  if (copy) copy->assign(*from);
  return copy;
}

}  // namespace

// Every new layer is called "Layer" until it is named.
Tzv_lr2d_layer::Tzv_lr2d_layer(char const* type) : type_(type) {
  set_wcaption(L"Layer");  // no client listens yet: silent
  ++g_live_layers;
}

Tzv_lr2d_layer::~Tzv_lr2d_layer() { --g_live_layers; }

int32_t Tzv_lr2d_layer::is_occupied(Izv_string_adp* adp) {
  zv_lr_text::feed(adp, level_ != 0 ? wcaption() : std::wstring());
  return level_;
}

bool Tzv_lr2d_layer::deoccupy(Izv_string_adp* adp) {
  if (level_ != 0 && !release_error_.empty()) {
    zv_lr_text::feed(adp, release_error_);
    return false;
  }
  set_announced(level_, 0, zv_lr2d_prop_occupied);
  zv_lr_text::feed(adp, std::wstring());
  return true;
}

void Tzv_lr2d_layer::set_dst_pj4(std::wstring_view pj4) {
  if (pj4 == dst_pj4_) return;
  dst_pj4_ = pj4;
  drawn_.reset();
}

void Tzv_lr2d_layer::set_box(std::optional<Tzv_box_d2> box) {
  if (same_box(box_, box)) return;
  Tzv_lr_update_guard guard(this);
  box_ = box;
  drawn_.reset();
  announce(zv_lr2d_prop_box);
}

std::optional<Tzv_box_d2> const& Tzv_lr2d_layer::drawn_box() {
  if (!drawn_) drawn_ = box_ ? zv_lr2d_box_in(*box_, own_pj4_, dst_pj4_) : std::nullopt;
  return *drawn_;
}

bool Tzv_lr2d_layer::get_box(Tzv_box_d2* out) {
  std::optional<Tzv_box_d2> const& box = drawn_box();
  if (box && out) *out = *box;
  return box.has_value();
}

void Tzv_lr2d_layer::set_selected_all(bool selected) { set_announced(selected_, selected, zv_lr2d_prop_selection); }

void Tzv_lr2d_layer::selected_invert() { set_announced(selected_, !selected_, zv_lr2d_prop_selection); }

void Tzv_lr2d_layer::assign(Tzv_lr2d_layer& src) {
  if (&src == this) return;
  Tzv_lr_update_guard guard(this);
  set_wcaption(src.wcaption().c_str());
  own_pj4_ = src.own_pj4_;
  box_ = src.box_;
  drawn_.reset();
  selected_ = src.selected_;
  assign_content(src);
  announce(zv_lr2d_prop_content);
}

Tzv_lr2d_page::Tzv_lr2d_page() : Tzv_lr2d_layer(zv_lr2d_type_layout_page), page_box_(Tzv_box_d2{0, 0, 210, 297}) {
  set_box(page_box_);
}

void Tzv_lr2d_page::assign_content(Tzv_lr2d_layer& src) {
  if (auto* page = dynamic_cast<Tzv_lr2d_page*>(&src)) page_box_ = page->page_box_;
}

Tzv_composite_layer_2d::Tzv_composite_layer_2d() : Tzv_lr2d_layer(zv_lr2d_type_group) {}

Tzv_composite_layer_2d::~Tzv_composite_layer_2d() { clear_subs(); }

void Tzv_composite_layer_2d::clear_subs() {
  for (Izv_layer* sub : subs_) delete sub;
  subs_.clear();
}

bool Tzv_composite_layer_2d::get_box(Tzv_box_d2* out) {
  Tzv_box_d2 acc{};
  bool found = Tzv_lr2d_layer::get_box(&acc);
  for (Izv_layer* sub : subs_) {
    Tzv_lr2d_layer* layer = zv_lr2d_cast(sub);
    Tzv_box_d2 b{};
    if (!layer || !layer->get_box(&b)) continue;
    if (found) zv_box_d2_unite(&acc, &b, &acc);
    else acc = b;
    found = true;
  }
  if (found && out) *out = acc;
  return found;
}

void Tzv_composite_layer_2d::calc_box() {
  for (Izv_layer* sub : subs_)
    if (Tzv_lr2d_layer* layer = zv_lr2d_cast(sub)) layer->calc_box();
}

void Tzv_composite_layer_2d::set_dst_pj4(std::wstring_view pj4) {
  Tzv_lr2d_layer::set_dst_pj4(pj4);
  for (Izv_layer* sub : subs_)
    if (Tzv_lr2d_layer* layer = zv_lr2d_cast(sub)) layer->set_dst_pj4(pj4);
}

void Tzv_composite_layer_2d::set_selected_all(bool selected) {
  Tzv_lr_update_guard guard(this);
  Tzv_lr2d_layer::set_selected_all(selected);
  for (Izv_layer* sub : subs_)
    if (Tzv_lr2d_layer* layer = zv_lr2d_cast(sub)) layer->set_selected_all(selected);
}

void Tzv_composite_layer_2d::selected_invert() {
  Tzv_lr_update_guard guard(this);
  Tzv_lr2d_layer::selected_invert();
  for (Izv_layer* sub : subs_)
    if (Tzv_lr2d_layer* layer = zv_lr2d_cast(sub)) layer->selected_invert();
}

bool Tzv_composite_layer_2d::add(Izv_layer* layer) {
  // Refuse the composite itself and any layer that holds it: the ownership
  // would become a cycle.
  for (Izv_entity* e = this; e; e = e->get_parent())
    if (e == static_cast<Izv_entity*>(layer)) return false;
  if (dynamic_cast<Tzv_composite_layer_2d*>(layer->get_parent())) return false;  // owned by a composite
  Tzv_lr_update_guard guard(this);
  layer->set_parent(this);
  subs_.push_back(layer);
  Tzv_lr2d_layer* sub = zv_lr2d_cast(layer);
  if (sub && !dst_pj4().empty()) sub->set_dst_pj4(dst_pj4());  // one without keeps its own
  announce(zv_lr2d_prop_sublayers);
  return true;
}

Izv_layer* Tzv_composite_layer_2d::extract(uint32_t i) {
  if (i >= subs_.size() || !subs_[i]) return nullptr;
  Tzv_lr_update_guard guard(this);
  Izv_layer* layer = subs_[i];
  subs_[i] = nullptr;
  layer->set_parent(nullptr);
  announce(zv_lr2d_prop_sublayers);
  return layer;
}

void Tzv_composite_layer_2d::assign_content(Tzv_lr2d_layer& src) {
  auto* group = dynamic_cast<Tzv_composite_layer_2d*>(&src);
  if (!group) return;
  clear_subs();
  for (Izv_layer* sub : group->subs_)
    if (Izv_layer* copy = sub ? clone_layer(sub) : nullptr) {
      copy->set_parent(this);
      subs_.push_back(copy);
    }
}

Tzv_lr2d_layer* zv_lr2d_cast(Izv_layer* layer) { return dynamic_cast<Tzv_lr2d_layer*>(layer); }

Tzv_lr2d_layer* zv_lr2d_make(char const* type) {
  if (!type || g_factory_budget == 0) return nullptr;
  for (auto const& entry : c_layer_types) {
    if (std::strcmp(entry.name, type) != 0) continue;
    zv_fault::layer_creation();
    if (g_factory_budget > 0) --g_factory_budget;
    return entry.make(entry.name);
  }
  return nullptr;
}

void zv_lr2d_set_factory_budget(int32_t n) { g_factory_budget = n < 0 ? -1 : n; }

int32_t zv_lr2d_live_count() { return g_live_layers; }
