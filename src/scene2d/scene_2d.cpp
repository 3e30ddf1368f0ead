// The scene as a whole: construction and destruction, copy and comparison,
// caption, events, parameter objects and styles.
#include "scene2d/scene_2d.h"

#include "core/update_guard.h"
#include "zv/sibling/entity.h"
#include "zv/sibling/proj4_d2.h"

namespace {

// Colour of the current styles' defaults.
Tzv_color current_style_clr() { return zv_clr_init_rgb(128, 0, 128); }

}  // namespace

Tzv_scene_2d::Tzv_scene_2d()
    : box_(zv_box_d2_init_xy(0, 0, 1, 1)),
      prf_data_(static_cast<Tzv_extensible_obj*>(this)),
      legend_box_(zv_box_d2_init_xy(0, 0, 1, 1)),
      background_{255, 255, 255, 0},
      selected_clr_(zv_clr_init_int(0)),
      current_clr_(zv_clr_init_int(0)) {
  zv_clr_style_init_selected(&selected_clr_);
  group_.reset(zv_lr_group_create(this));
  group_events_ = zv::core::Tzv_subscription(
      zv_entities_get_update_event_channel(zv_lr_group_safe_upcast(group_.get())), &layer_group_update_proc, this);
}

// Layers first (each through destroy_entity), then the styles and the
// handles of the view parameters, then the tree after its listener. The
// parameter objects themselves go with the scene's other members.
Tzv_scene_2d::~Tzv_scene_2d() {
  clear_for_destruction();
  selected_pnt_.reset();
  selected_pln_.reset();
  selected_pgn_.reset();
  selected_text_.reset();
  current_pnt_.reset();
  current_pln_.reset();
  current_pgn_.reset();
  axes_.reset();
  meta_data_.reset();
  group_events_.reset();
  group_.reset();
}

// --- Copy and comparison ---------------------------------------------------------

void Tzv_scene_2d::assign(Tzv_basic_obj* other) { Tzv_extensible_obj::assign(other); }

bool Tzv_scene_2d::equal(Tzv_basic_obj* other) { return Tzv_extensible_obj::equal(other); }

// The source and its layers stay alive until the copy is over, whatever the
// listeners of either scene do meanwhile.
void Tzv_scene_2d::assign(Tzv_scene_2d* src) {
  if (src == nullptr) return;
  auto const reading = src->hold_members();
  assign(static_cast<Tzv_basic_obj*>(src));
  if (src != this) copy_wcaption(src->caption_ref());
  set_prf_data(src->prf_data_);
  set_margins(src->margins_);
  set_axes(*src->axes_.get());
  set_graticule_params(src->graticule_);
  set_scale_line_params(src->scale_line_);
  set_lookmarks(src->lookmarks_);
  set_extent_ind(src->extent_ind_);
  set_clip_params(src->clip_);
  legend_box_valid_ = src->legend_box_valid_;
  legend_box_ = src->legend_box_;
  background_ = src->background_;
  if (src != this) prj4_ = src->prj4_;
  if (src != this) assign_layers(*src);
  // Last: emptying the layers clears the marked flag, and the tree's copy
  // announces a new structure, which clears the box.
  set_marked_quietly(src->get_marked());
  box_valid_ = src->box_valid_;
  box_ = src->box_;
}

// The own layers go; each of the source's is made anew by type and copied,
// then the tree is copied over the new layers.
void Tzv_scene_2d::assign_layers(Tzv_scene_2d& src) {
  zv_lr_group_clear(group_.get());
  clear();
  uint32_t const n = src.get_count();
  for (uint32_t i = 0; i < n; ++i) {
    Izv_layer* from = src.get_entity(i);
    if (Izv_layer* copy = add_layer(zv_lr2d_get_lr_type(from))) zv_lr2d_assign(copy, from);
  }
  zv_lr_group_assign(group_.get(), src.group_.get());
  Izv_layer* own_background = get_background_layer();
  Izv_layer* src_background = src.get_background_layer();
  if (own_background != nullptr && src_background != nullptr) zv_lr2d_assign(own_background, src_background);
}

bool Tzv_scene_2d::equal(Tzv_scene_2d* other) {
  if (other == nullptr) return false;
  Tzv_extent_ind2d const& ind = extent_ind_;
  Tzv_extent_ind2d const& other_ind = other->extent_ind_;
  return Tzv_extensible_obj::equal(other) && caption_ref() == other->caption_ref() &&
         zv_clr_equal(&background_, &other->background_) && prj4_ == other->prj4_ &&
         prf_data_.equal(other->prf_data_) && margins_.equal(other->margins_) &&
         zv_axes_equal(axes_.get(), other->axes_.get()) && graticule_.equal(other->graticule_) &&
         scale_line_.get_visible() == other->scale_line_.get_visible() && lookmarks_.equal(other->lookmarks_) &&
         ind.get_visible() == other_ind.get_visible() && zv_pgn_style_equal(ind.get_style(), other_ind.get_style()) &&
         clip_.equal(other->clip_);
}

// --- Entity -----------------------------------------------------------------------

// One bracket over both: the scene is not done with itself until the root
// group shows the caption.
void Tzv_scene_2d::set_wcaption(wchar_t const* caption) {
  Tzv_update_guard bracket(this);
  std::wstring const unique = make_unique_caption(caption ? caption : L"", L"%ls(%d)");
  store_wcaption(unique);
  zv_lr_group_set_wcaption(group_.get(), unique.c_str());
}

Izv_scns2d* Tzv_scene_2d::get_parent_scenes() {
  return dynamic_cast<Izv_scns2d*>(zv_entities_safe_downcast(get_parent()));
}

void Tzv_scene_2d::set_meta_data(Tzv_meta_data_obj* m) {
  if (m != nullptr) zv_meta_data_assign(meta_data_.get(), m);
}

// --- Events -----------------------------------------------------------------------

void Tzv_scene_2d::broadcast_update_event() {
  order_stale();
  Base::broadcast_update_event();
}

void Tzv_scene_2d::broadcast_update_event(int id) {
  if (id == zv_prop_members) {
    if (!order_only_) zv_lr_group_verification_layer(group_.get());
    order_stale();
  }
  Base::broadcast_update_event(id);
}

void Tzv_scene_2d::changed() { broadcast_update_event(); }

void Tzv_scene_2d::layer_group_update_proc(Tzv_table* queue, void* scene) {
  if (queue != nullptr) static_cast<Tzv_scene_2d*>(scene)->on_layer_group_update(*queue);
}

void Tzv_scene_2d::on_layer_group_update(Tzv_table& queue) {
  int32_t const n = zv_event_queue_get_size(&queue);
  for (int32_t i = 0; i < n; ++i) {
    Tzv_update_event const* event = zv_event_queue_get_update_event(&queue, i);
    Tzv_update_event_prop_list const* details = event ? zv_update_event_get_details(event) : nullptr;
    if (details == nullptr || zv_update_event_prop_list_find_integer(details, zv_prop_layer_group) == nullptr) continue;
    box_valid_ = false;
    broadcast_update_event();
    return;
  }
}

// --- Source: a plain scene has none -----------------------------------------------

void Tzv_scene_2d::get_source(Izv_string_adp*) {}
void Tzv_scene_2d::set_source(wchar_t const*) {}

// --- Parameter objects ---------------------------------------------------------------

void Tzv_scene_2d::set_prf_data(Tzv_profil_data const& src) { prf_data_.assign(src); }
void Tzv_scene_2d::set_margins(Tzv_margins_obj const& src) { margins_.assign(src); }
void Tzv_scene_2d::set_axes(Tzv_axes_obj const& src) { zv_axes_assign(axes_.get(), &src); }
void Tzv_scene_2d::set_graticule_params(Tzv_graticule2d_params const& src) { graticule_.assign(src); }
void Tzv_scene_2d::set_scale_line_params(Tzv_scale_line2d_params const& src) { scale_line_.assign(src); }
void Tzv_scene_2d::set_lookmarks(Tzv_lookmarks2d const& src) { lookmarks_.assign(src); }
void Tzv_scene_2d::set_extent_ind(Tzv_extent_ind2d const& src) { extent_ind_.assign(src); }
void Tzv_scene_2d::set_clip_params(Tzv_clip2d_params const& src) { clip_.assign(src); }

bool Tzv_scene_2d::get_izotropic() const { return prf_data_.get_axes_scale() != zv_prf_axes_scale_none; }

void Tzv_scene_2d::set_izotropic(bool izotropic) {
  Tzv_entity_update_guard bracket(this);
  broadcast_update_event(zv_prop_view_geometry);
  prf_data_.set_axes_scale(izotropic ? zv_prf_axes_scale_izotropic : zv_prf_axes_scale_none);
}

bool Tzv_scene_2d::can_show_graticule() const { return !prf_data_.get_is_profil() && zv_pj4_is_valid_w(prj4_.c_str()); }

// --- Styles ----------------------------------------------------------------------------

void Tzv_scene_2d::init_current_pln(Tzv_pln_style* style) {
  Tzv_bpln_style* line = zv_pln_style_get_bpln_style_ptr(style);
  zv_bpln_style_set_width(line, 1.0);
  zv_bpln_style_set_color(line, current_style_clr());
}

void Tzv_scene_2d::init_current_pnt(Tzv_pnt_style* style) {
  Tzv_bpnt_style* point = zv_pnt_style_get_bpnt_style_ptr(style);
  zv_bpnt_style_set_size(point, 3.0);
  zv_bpnt_style_set_color(point, current_style_clr());
}

void Tzv_scene_2d::init_current_pgn(Tzv_pgn_style* style) {
  zv_bpgn_style_set_color(zv_pgn_style_get_bpgn_style_ptr(style), current_style_clr());
  Tzv_bpln_style* outline = zv_pgn_style_get_bpln_style_ptr(style);
  zv_bpln_style_set_width(outline, 0.1);
  zv_bpln_style_set_color(outline, current_style_clr());
}

void Tzv_scene_2d::init_current_style_pln() { init_current_pln(current_pln_.get()); }
void Tzv_scene_2d::init_current_style_pnt() { init_current_pnt(current_pnt_.get()); }
void Tzv_scene_2d::init_current_style_pgn() { init_current_pgn(current_pgn_.get()); }

void Tzv_scene_2d::init_extent_ind_style() {
  Tzv_pgn_style* style = extent_ind_.get_style();
  zv_pgn_style_set_pgn_visible(style, false);
  zv_pgn_style_set_pln_visible(style, true);
  Tzv_bpln_style* outline = zv_pgn_style_get_bpln_style_ptr(style);
  zv_bpln_style_set_width(outline, 1.0);
  zv_bpln_style_set_color(outline, zv_clr_init_int(255));
}
