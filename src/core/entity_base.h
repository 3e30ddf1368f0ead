// An extensible object that is an entity: a caption, a uuid registered with
// the entity storage, a group id, a marked flag, a valid state, a parent
// collection and an active member index. `I` is the interface it implements
// (an Izv_entity), `T` the element type when it is itself a collection.
#pragma once

#include <string>
#include <utility>

#include "core/caption_index.h"
#include "core/extensible_obj.h"
#include "core/string_adapters.h"
#include "core/update_guard.h"
#include "text/encodings.h"
#include "zv/sibling/entity.h"

template <class I, class T>
class Tzv_entity_base : public Tzv_extensible_obj, public I {
 public:
  Tzv_entity_base() : uuid_(zv_uuid_create()) {
    zv_uuid_generate(uuid_, 0);
    zv_entity_storage_add(self());
  }

  ~Tzv_entity_base() override {
    join_caption_index(nullptr);
    zv_entity_storage_remove(self());
    zv_uuid_destroy(uuid_);
  }

  // The history manager's bracket encloses the object's own; when the own
  // bracket fails to open, the history's closes again.
  void begin_update() override {
    Tzv_history_manager* history = zv_history_manager_get_instance();
    zv_history_manager_begin_update(history);
    zv::undo_on_failure([this] { Tzv_extensible_obj::begin_update(); },
                        [history] { zv_history_manager_end_update(history); });
  }

  // The history's bracket closes even when a listener throws while the own
  // bracket closes. An end without a begin is ignored, for the history too:
  // it must not close a bracket that someone else opened.
  void end_update() override {
    if (get_update_depth() == 0) return;
    zv::Tzv_finally close([] { zv_history_manager_end_update(zv_history_manager_get_instance()); });
    Tzv_extensible_obj::end_update();
  }

  Tzv_event_channel* get_update_event_channel() override { return Tzv_extensible_obj::get_update_event_channel(); }

  // The caption in the system ANSI code page; valid until the next call.
  char const* get_caption() override {
    narrow_caption_ = zv::text::wide_to_narrow(caption_, 0);
    return narrow_caption_.c_str();
  }

  void set_caption(char const* caption) override {
    std::wstring const wide = caption ? zv::text::narrow_to_wide(caption, 0) : std::wstring();
    set_wcaption(wide.c_str());
  }

  void get_wcaption(Izv_string_adp* adp) override { zv_string_adp_feed(adp, caption_.c_str()); }
  virtual wchar_t const* get_wcaption() { return caption_.c_str(); }

  // A caption that another member of the parent bears is refused silently.
  // An accepted caption is announced even when it did not change.
  void set_wcaption(wchar_t const* caption) override {
    if (Izv_entities* parent = parent_collection()) {
      if (!zv_entities_is_unique_wcaption(parent, caption ? caption : L"")) return;
    }
    store_wcaption(caption ? caption : L"");
  }

  Tzv_uuid_t* get_uuid() override { return uuid_; }

  void set_uuid(Tzv_uuid_t* uuid) override {
    if (uuid == nullptr) return;
    zv_entity_storage_remove(self());
    zv_uuid_assign(uuid_, uuid);
    zv_entity_storage_add(self());
  }

  void get_group_id(Izv_string_adp* adp) override { zv_string_adp_feed(adp, group_id_.c_str()); }

  void set_group_id(wchar_t const* id) override {
    if (id != nullptr) group_id_ = id;
  }

  bool get_marked() override { return marked_; }

  void set_marked(bool marked) override {
    if (marked == marked_) return;
    Tzv_update_guard bracket(this);
    marked_ = marked;
    broadcast_update_event(zv_prop_marked);
  }

  bool can_remove() override { return true; }
  int32_t is_occupied(Izv_string_adp*) override { return 0; }
  bool deoccupy(Izv_string_adp*) override { return true; }
  Tzv_valid_state validate() override { return valid_; }
  Tzv_valid_state is_valid() override { return valid_; }

  void set_valid(Tzv_valid_state state) override {
    if (state == valid_) return;
    Tzv_update_guard bracket(this);
    valid_ = state;
    broadcast_update_event(zv_prop_valid);
  }

  Izv_entity* get_parent() override { return parent_; }
  void set_parent(Izv_entity* parent) override { parent_ = parent; }

  uint32_t get_index() override {
    Izv_entities* parent = parent_collection();
    return parent ? zv_entities_get_entity_index(parent, self()) : 0;
  }

  Izv_entity* get_bind_entity(uint32_t) override { return nullptr; }
  uint32_t get_bind_count() override { return 0; }

  Izv_entity* get_active() override {
    return active_index_ < get_bind_count() ? get_bind_entity(active_index_) : nullptr;
  }

  // A null or foreign entity leaves no active member.
  void set_active(Izv_entity* e) override {
    Tzv_update_guard bracket(this);
    uint32_t const old = active_index_;
    active_index_ = zv_no_index;
    if (e != nullptr) active_index_ = bound_index_of(e);
    if (active_index_ != old) broadcast_update_event(zv_prop_active);
  }

  uint32_t get_active_index() override { return active_index_; }

  void set_active_index(uint32_t i) override {
    Tzv_update_guard bracket(this);
    uint32_t const old = active_index_;
    active_index_ = i < get_bind_count() ? i : zv_no_index;
    if (active_index_ != old) broadcast_update_event(zv_prop_active);
  }

  Tzv_meta_data_obj* get_meta_data_ptr() override { return nullptr; }
  void set_meta_data(Tzv_meta_data_obj*) override {}

  void begin_update_recursive() override {
    begin_update();
    for (uint32_t i = 0; i < get_bind_count(); ++i) {
      if (Izv_entity* e = get_bind_entity(i)) e->begin_update_recursive();
    }
  }

  void end_update_recursive() override {
    for (uint32_t i = get_bind_count(); i-- > 0;) {
      if (Izv_entity* e = get_bind_entity(i)) e->end_update_recursive();
    }
    end_update();
  }

  // The collection that holds this entity counts its caption in `index`
  // (null: in none); every later caption change is counted there too.
  void join_caption_index(Tzv_caption_index* index) {
    if (index == caption_index_) return;
    if (caption_index_ != nullptr) caption_index_->remove(caption_);
    caption_index_ = index;
    if (caption_index_ != nullptr) caption_index_->add(caption_);
  }

  // `caption`, or a caption made unique among the parent's members with
  // `format` ("%ls(%d)" for scenes); the entity's own caption is no clash.
  std::wstring make_unique_caption(std::wstring const& caption, wchar_t const* format) {
    Izv_entities* parent = parent_collection();
    if (parent == nullptr) return caption;
    std::wstring result;
    Tzv_std_wstring_adapter sink(&result);
    zv_entities_unique_wcaption_ex(parent, caption.c_str(), format, 0, sink, self());
    return result;
  }

 protected:
  Izv_entity* self() { return static_cast<Izv_entity*>(this); }

  Izv_entities* parent_collection() const { return parent_ ? zv_entities_safe_downcast(parent_) : nullptr; }

  // Stores the caption and announces it, with no check against the parent.
  void store_wcaption(std::wstring caption) {
    Tzv_update_guard bracket(this);
    replace_caption(std::move(caption));
    broadcast_update_event(zv_prop_caption);
  }
  // Copies a caption in without an announcement (a whole object's copy).
  void copy_wcaption(std::wstring const& caption) { replace_caption(caption); }

  // The active index itself, for collections that keep it in step with
  // their members without announcing.
  uint32_t& active_index_ref() { return active_index_; }
  void set_marked_quietly(bool marked) { marked_ = marked; }
  std::wstring const& caption_ref() const { return caption_; }

 private:
  void replace_caption(std::wstring caption) {
    if (caption_index_ != nullptr) {
      caption_index_->add(caption);
      caption_index_->remove(caption_);
    }
    caption_ = std::move(caption);
  }

  uint32_t bound_index_of(Izv_entity* e) {
    for (uint32_t i = 0; i < get_bind_count(); ++i) {
      if (get_bind_entity(i) == e) return i;
    }
    return zv_no_index;
  }

  Izv_entity* parent_ = nullptr;
  uint32_t active_index_ = zv_no_index;
  std::wstring caption_;
  Tzv_caption_index* caption_index_ = nullptr;  // the holding collection's, when it keeps one
  std::wstring group_id_;
  Tzv_uuid_t* uuid_;
  bool marked_ = false;
  Tzv_valid_state valid_ = 0;
  std::string narrow_caption_;
};
