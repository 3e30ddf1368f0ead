// The 2D map scene: an ordered, grouped list of layers shown in one
// projection, with the view parameters of a map view and two sets of drawing
// styles. It is an entity of a scene collection and itself the collection of
// its layers. The layer vector follows the layer group tree, which is the
// master of the order: the vector is re-ordered from a walk over the tree
// whenever it is read after a change.
//
// The class is defined over several files, one per concern:
//   scene_2d.cpp          construction, copy and comparison, caption, events,
//                         parameter objects and plain fields
//   scene_layers.cpp      the layer list, groups, activation, moves, selection
//   scene_projection.cpp  the projection text and the layers' projections
//   scene_extents.cpp     the cached box and the boxes computed on demand
//   scene_occupancy.cpp   occupancy of the marked layers
#pragma once

#include <string>

#include "core/entities_base.h"
#include "core/prefetch.h"
#include "core/scope.h"
#include "core/subscription.h"
#include "params/clip_params.h"
#include "params/extent_ind.h"
#include "params/graticule.h"
#include "params/lazy_scope.h"
#include "params/lookmarks.h"
#include "params/margins.h"
#include "params/profile_data.h"
#include "params/scale_line.h"
#include "zv/izv_scene.h"
#include "zv/sibling/axis2d.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"
#include "zv/sibling/prg.h"
#include "zv/sibling/styles.h"

// The text thrown by collection operations that a scene does not support.
inline constexpr char const* zv_not_supported = "Not Supported Exception";

class Tzv_scene_2d : public Tzv_entities_base<Izv_scene, Izv_layer> {
  using Base = Tzv_entities_base<Izv_scene, Izv_layer>;

 public:
  Tzv_scene_2d();
  ~Tzv_scene_2d() override;

  // --- Copy and comparison ---------------------------------------------------
  // The extensible part only (extras); derived scenes may widen it.
  void assign(Tzv_basic_obj* other) override;
  bool equal(Tzv_basic_obj* other) override;
  // The whole scene: fields, parameter objects, layers and tree. Not copied:
  // uuid, group id, meta data, styles and their colours, redraw done, active
  // index. A null source copies nothing.
  virtual void assign(Tzv_scene_2d* src);
  // Extras, caption, background, projection and the parameter objects; not
  // layers, boxes, styles or meta data. Null is unequal.
  virtual bool equal(Tzv_scene_2d* other);

  // --- Entity -----------------------------------------------------------------
  char const* get_meta_id() override { return "Scene2DMetaID"; }
  // Made unique among the siblings with "%ls(%d)"; the root group shows it.
  void set_wcaption(wchar_t const* caption) override;
  // Occupancy of the marked layers (scene_occupancy.cpp): the largest level
  // among them, and a report naming each occupied one.
  int32_t is_occupied(Izv_string_adp* adp) override;
  // Releases the occupied marked layers; the report names each that failed.
  bool deoccupy(Izv_string_adp* adp) override;
  Tzv_meta_data_obj* get_meta_data_ptr() override { return meta_data_.get(); }
  // Copies into the scene's own meta data; null is ignored.
  void set_meta_data(Tzv_meta_data_obj* m) override;

  // --- Events -----------------------------------------------------------------
  using Base::broadcast_update_event;
  // A plain update: the layer vector is re-read from the tree.
  void broadcast_update_event() override;
  // Property 1 first brings the tree in line with the layers. A layer's own
  // events, forwarded with their queue, leave the order as it is: only the
  // tree (property 9) and the scene's own list changes re-order it.
  void broadcast_update_event(int id) override;
  // Announces a plain update event.
  virtual void changed();

  // --- Source (derived scenes have one) ---------------------------------------
  virtual void get_source(Izv_string_adp* adp);
  virtual void set_source(wchar_t const* source);

  // --- Layer list (scene_layers.cpp) -------------------------------------------
  // Layers are made by type name only: these three throw zv_not_supported.
  Izv_layer* add_entity() override;
  Izv_layer* create_entity() override;
  void set_count(uint32_t n) override;

  // A new layer of that type, not yet heard; null for an unknown type.
  virtual Izv_layer* create_entity(char const* type);
  void destroy_entity(Izv_layer* layer) override;
  // A new layer at the end: caption "Layer", the scene's projection as its
  // drawing projection, a slot in the tree tied by a fresh group id.
  Izv_layer* add_layer(char const* type) override;
  // The same without a slot: the tree's verification gives it one.
  virtual Izv_layer* add_layer_ex_slot(char const* type);
  // The marked layers gathered into a composite at the first one's place.
  virtual Tzv_composite_layer_2d* create_layer_group();
  // The composite dissolved; its sub-layers stand at the active index.
  virtual void destroy_layer_group(Tzv_composite_layer_2d* group);
  virtual Izv_layer* get_background_layer();

  Izv_layer* get_entity(uint32_t i) override;
  // Every operation that takes or gives an index, or a first or last layer,
  // brings the vector in line with the tree first.
  Izv_layer* get_first() override;
  Izv_layer* get_last() override;
  uint32_t get_entity_index(Izv_entity* e) override;
  Izv_layer* find_entity(wchar_t const* caption) override;
  Izv_layer* extract_entity(uint32_t i) override;
  void insert_entity(uint32_t i, Izv_layer* e) override;
  using Base::remove_entity;
  void remove_entity(uint32_t i) override;
  void remove_entity_range(uint32_t n, uint32_t* indices) override;
  void set_marked_entity_index(uint32_t i) override;
  Izv_entity* get_active() override;
  void set_active(Izv_entity* e) override;
  uint32_t get_active_index() override;
  void set_active_index(uint32_t i) override;
  // Re-orders the vector to the tree's walk when it is stale; the vector is
  // kept as it is when the walk does not yield exactly the scene's layers.
  // `with_flatness`: the walk also tells whether every layer slot lies in
  // the root, and runs for that alone when it is not known yet.
  void update_layer_list(bool with_flatness = false);
  void init_layer_list(Izv_layer_list* list) override;

  void move(uint32_t from, uint32_t to) override;
  void move_marked(uint32_t pos) override;
  void move_layer_to_active_group(Izv_layer* layer) override;
  void set_selected_all(bool selected);
  void selected_invert();
  Tzv_lr_group* get_lr_group_ptr() override { return group_.get(); }

  // --- Projection (scene_projection.cpp) ---------------------------------------
  void get_prj4(Izv_string_adp* adp) const override;
  // Stores the text, hands it to every layer as drawing projection and
  // announces a plain update; an equal text changes nothing.
  void set_prj4(wchar_t const* prj4) override;
  // Adopts the layer's projection when the scene has none.
  void try_set_prj4(Izv_layer* layer);
  // Appends the distinct projections of the layers and their short names.
  void get_pj_list_uniq_short(Tzv_wstrings_obj* short_texts, Tzv_wstrings_obj* full_texts);
  std::wstring const& prj4() const { return prj4_; }

  // --- Extents (scene_extents.cpp) ----------------------------------------------
  // The union of the layers' boxes; the flag tells whether any layer had one.
  void calc_box() override;
  bool get_box(Tzv_box_d2& out);
  bool try_get_box(Tzv_box_d2& out) const;
  void set_box(bool valid, Tzv_box_d2 const& box);
  bool get_clipped_box(Tzv_box_d2& out);
  bool get_active_lr2d_box(Tzv_box_d2& out);
  bool get_marked_lr2d_box(Tzv_box_d2& out);

  // --- Parameter objects: the scene's own, never freed by the caller -----------
  // They live inside the scene object, so a new scene is one block of the
  // heap rather than one per object.
  Tzv_profil_data* get_prf_data_ptr() { return &prf_data_; }
  Tzv_margins_obj* get_margins_ptr() { return &margins_; }
  // Made on first use, as are the styles below: most scenes never read them.
  Tzv_axes_obj* get_axes_ptr() const { return axes_.get(); }
  Tzv_graticule2d_params* get_graticule_params_ptr() { return &graticule_; }
  Tzv_scale_line2d_params* get_scale_line_params_ptr() { return &scale_line_; }
  Tzv_lookmarks2d* get_lookmarks_ptr() { return &lookmarks_; }
  Tzv_extent_ind2d* get_extent_ind_ptr() { return &extent_ind_; }
  Tzv_clip2d_params* get_clip_params() { return &clip_; }

  // Setters copy into the own object, each by its own rules.
  void set_prf_data(Tzv_profil_data const& src);
  void set_margins(Tzv_margins_obj const& src);
  void set_axes(Tzv_axes_obj const& src);
  void set_graticule_params(Tzv_graticule2d_params const& src);
  void set_scale_line_params(Tzv_scale_line2d_params const& src);
  void set_lookmarks(Tzv_lookmarks2d const& src);
  void set_extent_ind(Tzv_extent_ind2d const& src);
  void set_clip_params(Tzv_clip2d_params const& src);

  // Isotropy is the profile data's axes scale: not 0 means isotropic.
  bool get_izotropic() const;
  // Announces property 8 once, after the value is stored.
  void set_izotropic(bool izotropic);
  bool can_show_graticule() const;

  // --- Plain fields ---------------------------------------------------------------
  bool get_redraw_done() const { return redraw_done_; }
  void set_redraw_done(bool done) { redraw_done_ = done; }
  Tzv_color get_background_clr() const { return background_; }
  void set_background_clr(Tzv_color c) { background_ = c; }
  Tzv_color get_selected_style_clr() const { return selected_clr_; }
  void set_selected_style_clr(Tzv_color c) { selected_clr_ = c; }
  Tzv_color get_current_style_clr() const { return current_clr_; }
  void set_current_style_clr(Tzv_color c) { current_clr_ = c; }
  bool get_legend_box(Tzv_box_d2& out) const;
  void set_legend_box(bool valid, Tzv_box_d2 const& box);

  // The seven owned styles, each made with its defaults when first asked for.
  Tzv_pnt_style* get_selected_style_pnt() const { return selected_pnt_.get(); }
  Tzv_pln_style* get_selected_style_pln() const { return selected_pln_.get(); }
  Tzv_pgn_style* get_selected_style_pgn() const { return selected_pgn_.get(); }
  Tzv_pln_style* get_selected_style_text() const { return selected_text_.get(); }
  Tzv_pnt_style* get_current_style_pnt() const { return current_pnt_.get(); }
  Tzv_pln_style* get_current_style_pln() const { return current_pln_.get(); }
  Tzv_pgn_style* get_current_style_pgn() const { return current_pgn_.get(); }
  void init_current_style_pln();
  void init_current_style_pnt();
  void init_current_style_pgn();
  void init_extent_ind_style();

  // --- Shapes of the flat interface ------------------------------------------------
  Izv_scene* scene_handle() { return this; }
  // The collection that holds the scene, or null.
  Izv_scns2d* get_parent_scenes();
  Izv_layer* get_active_lr2d() { return zv_lr_safe_downcast(get_active()); }
  // The flag last, as the flat interface takes it.
  void set_legend_box(Tzv_box_d2 const& box, bool valid) { set_legend_box(valid, box); }

  // State read by tests and derived scenes.
  bool is_layer_list_valid() const { return layer_list_valid_; }
  bool is_box_valid() const { return box_valid_; }

 protected:
  // A layer's events: re-announced as property 1 inside one bracket per
  // begin event of the queue.
  void on_member_update(Tzv_table& queue) override;
  void on_layer_update(Tzv_table& queue);
  // A tree event with property 9: the box and the layer order are stale.
  void on_layer_group_update(Tzv_table& queue);

  bool layer_list_valid_ = false;
  bool box_valid_ = false;
  Tzv_box_d2 box_;

 private:
  static void layer_group_update_proc(Tzv_table* queue, void* scene);
  // The current styles' defaults.
  static void init_current_pnt(Tzv_pnt_style* style);
  static void init_current_pln(Tzv_pln_style* style);
  static void init_current_pgn(Tzv_pgn_style* style);
  // A new layer at the end, tied to the scene, with a slot when `with_slot`.
  Izv_layer* append_layer(char const* type, bool with_slot);
  // The body of update_layer_list, once the flag is set.
  void reorder_layer_list(bool with_flatness);
  // A style made with the defaults that `Init` gives it, when first read.
  template <auto Init>
  using Tpnt_style = zv::lazy_scope<Tzv_pnt_style*, &zv_pnt_style_create, &zv_pnt_style_destroy, Init>;
  template <auto Init>
  using Tpln_style = zv::lazy_scope<Tzv_pln_style*, &zv_pln_style_create, &zv_pln_style_destroy, Init>;
  template <auto Init>
  using Tpgn_style = zv::lazy_scope<Tzv_pgn_style*, &zv_pgn_style_create, &zv_pgn_style_destroy, Init>;

  // Runs a move of the vector that keeps the same layers (see order_only_),
  // then the same move of the tree; the vector stays in tree order when
  // `keeps_order` and nothing else changed the order meanwhile.
  template <class Move, class Tree_move>
  void move_members(bool keeps_order, Move&& move, Tree_move&& tree_move);
  // The order went stale: the next read walks the tree.
  void order_stale() {
    layer_list_valid_ = false;
    ++order_epoch_;
  }
  // Copies the layers and the tree of `src` (assign's last part).
  void assign_layers(Tzv_scene_2d& src);
  // Takes the place of layer i's vector entry (create_layer_group).
  std::vector<Izv_layer*>& layer_vector() { return members(); }
  // Runs `op` on every layer in index order, the order first brought in line
  // with the tree; the layer a few places ahead is asked for early.
  template <class Op>
  void visit_layers(Op&& op) {
    update_layer_list();
    std::vector<Izv_layer*> const& layers = layer_vector();
    for (size_t i = 0; i < layers.size(); ++i) {
      zv::core::prefetch_for(layers, i);
      op(layers[i]);
    }
  }

  bool order_only_ = false;  // the vector is being re-ordered, not changed
  // Whether every layer slot lies in the root, as the last walk that looked
  // found it; moves that keep it so keep it known.
  enum class Tflatness : uint8_t { unknown, flat, nested };
  Tflatness flatness_ = Tflatness::unknown;
  uint64_t order_epoch_ = 0;  // times the order went stale
  bool redraw_done_ = true;
  std::wstring prj4_;
  Tzv_profil_data prf_data_;
  Tzv_margins_obj margins_;
  zv::lazy_scope<Tzv_axes_obj*, &zv_axes_create, &zv_axes_destroy> axes_;
  Tzv_graticule2d_params graticule_;
  Tzv_scale_line2d_params scale_line_;
  Tzv_lookmarks2d lookmarks_;
  Tzv_extent_ind2d extent_ind_;
  zv::lazy_scope<Tzv_meta_data_obj*, &zv_meta_data_create, &zv_meta_data_destroy> meta_data_;
  Tzv_clip2d_params clip_;
  bool legend_box_valid_ = false;
  Tzv_box_d2 legend_box_;
  Tzv_color background_;
  Tzv_color selected_clr_;
  Tpnt_style<&zv_pnt_style_init_selected> selected_pnt_;
  Tpln_style<&zv_pln_style_init_selected> selected_pln_;
  Tpgn_style<&zv_pgn_style_init_selected> selected_pgn_;
  Tpln_style<&zv_pln_style_init_selected> selected_text_;
  Tzv_color current_clr_;
  Tpnt_style<&init_current_pnt> current_pnt_;
  Tpln_style<&init_current_pln> current_pln_;
  Tpgn_style<&init_current_pgn> current_pgn_;
  zv::scope<Tzv_lr_group*, &zv_lr_group_destroy> group_;
  zv::core::Tzv_subscription group_events_;
};
