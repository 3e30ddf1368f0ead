// The 2D layers of the stand-in: a plain layer (vector and raster types), the
// layout page and the composite layer, plus the factory by type name.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "lr_entity_base.h"
#include "zv/sibling/lr2d.h"

class Tzv_lr2d_layer : public Tzv_lr_entity_base<Izv_layer> {
 public:
  explicit Tzv_lr2d_layer(char const* type);
  ~Tzv_lr2d_layer() override;

  char const* get_meta_id() override { return "Layer2DMetaID"; }
  int32_t is_occupied(Izv_string_adp* adp) override;
  bool deoccupy(Izv_string_adp* adp) override;

  char const* type() const { return type_; }
  Izv_scene* scene() const { return scene_; }
  void set_scene(Izv_scene* scene) { scene_ = scene; }
  std::wstring const& dst_pj4() const { return dst_pj4_; }
  // The drawing projection is the owner's (the scene's), handed down by the
  // owner, which announces its own change: the layer stores it without an
  // event, which would only come back to the owner as a change of the layer.
  virtual void set_dst_pj4(std::wstring_view pj4);
  std::wstring const& own_pj4() const { return own_pj4_; }
  void set_own_pj4(std::wstring const& pj4) { own_pj4_ = pj4, drawn_.reset(); }
  void set_box(std::optional<Tzv_box_d2> box);
  void set_occupied(int32_t level, std::wstring const& error) { level_ = level, release_error_ = error; }
  int32_t occupied_level() const { return level_; }
  void set_mode(int32_t a, int32_t b, int32_t c) { mode_[0] = a, mode_[1] = b, mode_[2] = c; }
  int32_t mode(int i) const { return mode_[i]; }
  bool selected_all() const { return selected_; }

  // The box in the drawing projection.
  virtual bool get_box(Tzv_box_d2* out);
  virtual void calc_box() {}
  virtual void set_selected_all(bool selected);
  virtual void selected_invert();
  // Copies the content of `src` into this layer, in one update bracket.
  void assign(Tzv_lr2d_layer& src);

 protected:
  // The part of assign that differs between layer types.
  virtual void assign_content(Tzv_lr2d_layer&) {}
  std::optional<Tzv_box_d2> const& own_box() const { return box_; }

 private:
  std::optional<Tzv_box_d2> const& drawn_box();

  char const* type_;
  Izv_scene* scene_ = nullptr;
  std::wstring dst_pj4_;
  std::wstring own_pj4_;
  std::optional<Tzv_box_d2> box_;                   // in the own projection
  std::optional<std::optional<Tzv_box_d2>> drawn_;  // box_ in dst_pj4_, once worked out
  bool selected_ = false;
  int32_t mode_[3] = {0, 0, 0};
  int32_t level_ = 0;
  std::wstring release_error_;
};

// The sheet of a print layout: its box is the page box.
class Tzv_lr2d_page final : public Tzv_lr2d_layer {
 public:
  Tzv_lr2d_page();
  void calc_box() override { set_box(page_box_); }
  void set_page_box(std::optional<Tzv_box_d2> box) { page_box_ = box, set_box(box); }
  std::optional<Tzv_box_d2> const& page_box() const { return page_box_; }

 protected:
  void assign_content(Tzv_lr2d_layer& src) override;

 private:
  std::optional<Tzv_box_d2> page_box_;
};

struct Tzv_composite_layer_2d final : Tzv_lr2d_layer {
  Tzv_composite_layer_2d();
  ~Tzv_composite_layer_2d() override;

  bool get_box(Tzv_box_d2* out) override;
  void calc_box() override;
  // Sub-layers draw in the composite's projection.
  void set_dst_pj4(std::wstring_view pj4) override;
  void set_selected_all(bool selected) override;
  void selected_invert() override;

  bool add(Izv_layer* layer);
  Izv_layer* extract(uint32_t i);
  std::vector<Izv_layer*> const& sublayers() const { return subs_; }

 protected:
  void assign_content(Tzv_lr2d_layer& src) override;

 private:
  void clear_subs();
  std::vector<Izv_layer*> subs_;  // a null place was extracted
};

// The stand-in's own layer behind an interface pointer, or null.
Tzv_lr2d_layer* zv_lr2d_cast(Izv_layer* layer);
// A new layer of that type (null when unknown or when the factory is made to fail).
Tzv_lr2d_layer* zv_lr2d_make(char const* type);
// `box`, given in `src`, as bounds in `dst`; as it is when either system is
// empty or both are one; none when the reprojection fails.
std::optional<Tzv_box_d2> zv_lr2d_box_in(Tzv_box_d2 const& box, std::wstring const& src, std::wstring const& dst);
void zv_lr2d_set_factory_budget(int32_t n);
int32_t zv_lr2d_live_count();
