// The scene's extents: the cached union of the layer boxes, and the boxes
// computed on demand (clipped, active layer or group, marked layers), plus
// the legend box kept for the host.
#include "scene2d/scene_2d.h"

namespace {

Tzv_box_d2 united(Tzv_box_d2 const& a, Tzv_box_d2 const& b) {
  Tzv_box_d2 u{};
  zv_box_d2_unite(&a, &b, &u);
  return u;
}

// Gathers the union of layer boxes into `out`: the first box is read
// straight into it, later ones into a local box and united. Until a layer
// answers, `out` holds what the failed reads left in it.
class Tzv_box_union {
 public:
  explicit Tzv_box_union(Tzv_box_d2& out) : out_(out) {}

  void add(Izv_layer* layer) {
    if (layer == nullptr) return;
    if (!found_) {
      found_ = zv_lr2d_get_box(layer, &out_);
      return;
    }
    Tzv_box_d2 b{};
    if (zv_lr2d_get_box(layer, &b)) out_ = united(out_, b);
  }
  bool found() const { return found_; }

 private:
  Tzv_box_d2& out_;
  bool found_ = false;
};

// The next slot of the depth-first walk over every slot, or over layer
// slots only.
Tzv_lr_group* next_slot(Tzv_lr_group* slot) { return zv_lr_group_get_next(slot, 0, 0, 0); }
Tzv_lr_group* next_layer_slot(Tzv_lr_group* slot) { return zv_lr_group_get_next(slot, 0, 1, 0); }

}  // namespace

void Tzv_scene_2d::calc_box() {
  box_valid_ = false;
  Tzv_box_d2 acc{};
  Tzv_box_union all(acc);
  visit_layers([&all](Izv_layer* layer) { all.add(layer); });
  // Without any layer box the old box stays, marked stale.
  if (!all.found()) return;
  box_ = acc;
  box_valid_ = true;
}

bool Tzv_scene_2d::get_box(Tzv_box_d2& out) {
  if (!box_valid_) calc_box();
  return try_get_box(out);
}

bool Tzv_scene_2d::try_get_box(Tzv_box_d2& out) const {
  out = box_;
  return box_valid_;
}

void Tzv_scene_2d::set_box(bool valid, Tzv_box_d2 const& box) {
  box_valid_ = valid;
  box_ = box;
}

bool Tzv_scene_2d::get_clipped_box(Tzv_box_d2& out) {
  Tzv_clip2d_params const& clip = *get_clip_params();
  if (clip.get_enabled()) {
    zv::scope<Tzv_op2d*, &zv_ov_d2_destroy> outline(zv_ov_d2_create());
    if (clip.eval_ov(prj4_.c_str(), *outline.get())) {
      out = zv_ov_d2_get_box(outline.get());
      return true;
    }
  }
  return get_box(out);
}

bool Tzv_scene_2d::get_active_lr2d_box(Tzv_box_d2& out) {
  if (Izv_layer* layer = zv_lr_safe_downcast(get_active())) return zv_lr2d_get_box(layer, &out);
  Tzv_lr_group* group = zv_lr_group_get_active(get_lr_group_ptr());
  if (group == nullptr || !zv_lr_group_is_group(group)) return false;
  Tzv_box_union inside(out);
  for (Tzv_lr_group* s = next_layer_slot(group); s != nullptr && zv_lr_group_is_parent(s, group);
       s = next_layer_slot(s)) {
    inside.add(zv_lr_group_get_lr_ptr(s));
  }
  return inside.found();
}

bool Tzv_scene_2d::get_marked_lr2d_box(Tzv_box_d2& out) {
  Tzv_box_union marked(out);
  Tzv_lr_group* tracked = nullptr;  // the outermost marked group around the walk
  for (Tzv_lr_group* s = next_slot(get_lr_group_ptr()); s != nullptr; s = next_slot(s)) {
    if (tracked != nullptr && !zv_lr_group_is_parent(s, tracked)) tracked = nullptr;
    if (zv_lr_group_is_group(s)) {
      if (tracked == nullptr && zv_lr_group_get_marked(s)) tracked = s;
    } else if (tracked != nullptr || zv_lr_group_get_marked(s)) {
      marked.add(zv_lr_group_get_lr_ptr(s));
    }
  }
  return marked.found();
}

bool Tzv_scene_2d::get_legend_box(Tzv_box_d2& out) const {
  out = legend_box_;
  return legend_box_valid_;
}

void Tzv_scene_2d::set_legend_box(bool valid, Tzv_box_d2 const& box) {
  legend_box_valid_ = valid;
  legend_box_ = box;
}
