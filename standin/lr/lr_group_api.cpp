// Exported functions of the layer group tree. A null node is ignored; a node
// reaches its tree through its `tree` link.
#include "lr_group.h"
#include "zv/sibling/lr.h"

namespace {

Tzv_lr_group* root_only(Tzv_lr_group* group) { return Tzv_lr_tree::is_root(group) ? group : nullptr; }

bool same_tree(Tzv_lr_group* a, Tzv_lr_group* b) { return a && b && a->tree == b->tree; }

}  // namespace

extern "C" {

ZV_LR_API Tzv_lr_group* zv_lr_group_create(Izv_scene* scene) { return (new Tzv_lr_tree(scene))->root(); }

ZV_LR_API void zv_lr_group_destroy(Tzv_lr_group* group) {
  if (root_only(group)) delete group->tree;
}

ZV_LR_API void zv_lr_group_clear(Tzv_lr_group* group) {
  if (group) group->tree->clear(group);
}

ZV_LR_API void zv_lr_group_assign(Tzv_lr_group* dst, Tzv_lr_group* src) {
  if (root_only(dst) && root_only(src)) dst->tree->assign(*src->tree);
}

ZV_LR_API Izv_entities* zv_lr_group_safe_upcast(Tzv_lr_group* group) {
  return root_only(group) ? group->tree : nullptr;
}

ZV_LR_API Tzv_lr_group* zv_lr_group_get_root(Tzv_lr_group* slot) { return slot ? slot->tree->root() : nullptr; }

ZV_LR_API Tzv_lr_group* zv_lr_group_add_slot(Tzv_lr_group* group) {
  return group ? group->tree->add_slot(group, false) : nullptr;
}

ZV_LR_API Tzv_lr_group* zv_lr_group_add_group(Tzv_lr_group* parent, wchar_t const* caption) {
  return parent ? parent->tree->add_slot(parent, true, zv_lr_text::or_empty(caption)) : nullptr;
}

ZV_LR_API void zv_lr_group_remove(Tzv_lr_group* slot) {
  if (slot) slot->tree->remove(slot);
}

ZV_LR_API void zv_lr_group_set_group_id(Tzv_lr_group* slot, wchar_t const* id) {
  if (slot) slot->tree->set_slot_group_id(slot, id ? id : L"");
}

ZV_LR_API void zv_lr_group_get_group_id(Tzv_lr_group* slot, Izv_string_adp* adp) {
  if (slot) zv_lr_text::feed(adp, slot->group_id.text());
}

ZV_LR_API void zv_lr_group_set_wcaption(Tzv_lr_group* group, wchar_t const* caption) {
  if (root_only(group)) group->tree->set_wcaption(caption);
  else if (group) group->own_part().caption = zv_lr_text::or_empty(caption);
}

ZV_LR_API void zv_lr_group_get_wcaption(Tzv_lr_group* group, Izv_string_adp* adp) {
  if (root_only(group)) group->tree->get_wcaption(adp);
  else if (group) zv_lr_text::feed(adp, group->part ? group->part->caption : std::wstring());
}

ZV_LR_API void zv_lr_group_verification_layer(Tzv_lr_group* group) {
  if (group) group->tree->verify();
}

ZV_LR_API Tzv_lr_group* zv_lr_group_get_child_by_layer(Tzv_lr_group* group, Izv_layer* layer) {
  Tzv_lr_group* slot = group ? group->tree->slot_of(layer) : nullptr;
  return slot && (Tzv_lr_tree::is_root(group) || Tzv_lr_tree::is_below(slot, group)) ? slot : nullptr;
}

ZV_LR_API void zv_lr_group_set_active(Tzv_lr_group* group, Tzv_lr_group* slot) {
  if (group && (!slot || same_tree(group, slot)))
    group->tree->set_active_slot(Tzv_lr_tree::is_root(slot) ? nullptr : slot);
}

ZV_LR_API Tzv_lr_group* zv_lr_group_get_active(Tzv_lr_group* group) {
  return group ? group->tree->active_slot() : nullptr;
}

ZV_LR_API Tzv_lr_group* zv_lr_group_get_next(Tzv_lr_group* slot, int32_t skip_children, int32_t layers_only,
                                             int32_t /*reserved*/) {
  return slot ? Tzv_lr_tree::next(slot, skip_children != 0, layers_only != 0) : nullptr;
}

ZV_LR_API bool zv_lr_group_is_group(Tzv_lr_group* slot) { return slot && slot->is_group; }

ZV_LR_API bool zv_lr_group_is_parent(Tzv_lr_group* slot, Tzv_lr_group* ancestor) {
  return same_tree(slot, ancestor) && Tzv_lr_tree::is_below(slot, ancestor);
}

ZV_LR_API Tzv_lr_group* zv_lr_group_get_parent(Tzv_lr_group* slot) { return slot ? slot->parent : nullptr; }

ZV_LR_API bool zv_lr_group_get_marked(Tzv_lr_group* slot) { return slot && slot->tree->slot_marked(slot); }

ZV_LR_API void zv_lr_group_set_marked(Tzv_lr_group* slot, bool marked) {
  if (Tzv_lr_tree::is_root(slot)) slot->tree->set_marked(marked);
  else if (slot && slot->is_group) slot->own_part().marked = marked;
  else if (slot && slot->layer) slot->layer->set_marked(marked);
}

ZV_LR_API Izv_layer* zv_lr_group_get_lr_ptr(Tzv_lr_group* slot) { return slot ? slot->layer : nullptr; }

ZV_LR_API void zv_lr_group_move(Tzv_lr_group* target, Tzv_lr_group* moved, int32_t dir) {
  if (moved && (!target || same_tree(target, moved))) moved->tree->move(target, moved, dir);
}

ZV_LR_API void zv_lr_group_move_marked(Tzv_lr_group* anchor, int32_t dir) {
  if (anchor) anchor->tree->move_marked(anchor, dir);
}

ZV_LR_API void zv_lr_group_move_to_active(Tzv_lr_group* group, Tzv_lr_group* slot) {
  if (same_tree(group, slot)) group->tree->move_to_active(slot);
}

// ---------------------------------------------------------------------------
// Layers seen through the layer library.

ZV_LR_API Izv_layer* zv_lr_safe_downcast(Izv_entity* entity) { return dynamic_cast<Izv_layer*>(entity); }

ZV_LR_API void zv_lr_set_group_id(Izv_layer* layer, wchar_t const* id) {
  if (layer) layer->set_group_id(id ? id : L"");
}

ZV_LR_API void zv_lr_get_group_id(Izv_layer* layer, Izv_string_adp* adp) {
  if (layer && adp) layer->get_group_id(adp);
}

ZV_LR_API Tzv_event_channel* zv_lr_get_update_event_channel(Izv_layer* layer) {
  return layer ? layer->get_update_event_channel() : nullptr;
}

}  // extern "C"
