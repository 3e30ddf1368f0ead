// A compact entity for the layer stand-ins: caption, uuid registered in the
// entity storage, group id, marked and valid flags, parent, an update channel
// made on first use and an update bracket that gathers the properties
// announced inside it into one update event. Header-only; each layer module
// instantiates it for its own classes.
#pragma once

#include <cstdint>
#include <string>

#include "zv/sibling/basic.h"
#include "zv/sibling/entity.h"

namespace zv_lr_text {

inline void append_utf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

inline void append_wide(std::wstring& out, uint32_t cp) {
  if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 | (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 | (cp & 0x3FF));
  } else {
    out += static_cast<wchar_t>(cp);
  }
}

// Wide text to UTF-8, joining surrogate pairs where wchar_t is 16 bit.
inline std::string to_narrow(std::wstring const& w) {
  std::string out;
  for (size_t i = 0; i < w.size(); ++i) {
    uint32_t cp = static_cast<uint32_t>(w[i]) & (sizeof(wchar_t) == 2 ? 0xFFFFu : 0xFFFFFFFFu);
    if (sizeof(wchar_t) == 2 && cp >= 0xD800 && cp < 0xDC00 && i + 1 < w.size()) {
      uint32_t lo = static_cast<uint32_t>(w[i + 1]) & 0xFFFFu;
      if (lo >= 0xDC00 && lo < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
        ++i;
      }
    }
    append_utf8(out, cp > 0x10FFFF ? 0xFFFD : cp);
  }
  return out;
}

// UTF-8 to wide text; a malformed sequence becomes U+FFFD. Null gives "".
inline std::wstring to_wide(char const* s) {
  std::wstring out;
  if (!s) return out;
  auto const* p = reinterpret_cast<unsigned char const*>(s);
  while (*p) {
    unsigned lead = *p++;
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    uint32_t cp = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
    for (int k = 0; k < extra && cp != 0xFFFD; ++k) {
      if ((*p & 0xC0) != 0x80) cp = 0xFFFD;
      else cp = (cp << 6) | (*p++ & 0x3F);
    }
    append_wide(out, extra < 0 || cp > 0x10FFFF ? 0xFFFD : cp);
  }
  return out;
}

inline std::wstring or_empty(wchar_t const* s) { return s ? std::wstring(s) : std::wstring(); }

inline void feed(Izv_string_adp* adp, std::wstring const& s) {
  if (adp) zv_string_adp_feed(adp, s.c_str());
}

// Runs `produce(adapter)` and returns the text it fed (the last one fed).
template <class F>
std::wstring read(F&& produce) {
  std::wstring out;
  Izv_string_adp* adp = zv_string_adp_create(
      [](char const* s, void* d) { *static_cast<std::wstring*>(d) = to_wide(s); },
      [](wchar_t const* s, void* d) { *static_cast<std::wstring*>(d) = or_empty(s); }, &out);
  produce(adp);
  zv_string_adp_destroy(adp);
  return out;
}

}  // namespace zv_lr_text

// Opens an object's update bracket for the lifetime of the guard.
class Tzv_lr_update_guard {
 public:
  explicit Tzv_lr_update_guard(Izv_updatable* obj) : obj_(obj) { obj_->begin_update(); }
  ~Tzv_lr_update_guard() { obj_->end_update(); }
  Tzv_lr_update_guard(Tzv_lr_update_guard const&) = delete;
  Tzv_lr_update_guard& operator=(Tzv_lr_update_guard const&) = delete;

 private:
  Izv_updatable* obj_;
};

template <class I>
class Tzv_lr_entity_base : public I {
 public:
  Tzv_lr_entity_base() : uuid_(zv_uuid_create()) {
    zv_uuid_generate(uuid_, 0);
    zv_update_event_init(&pending_);
    zv_entity_storage_add(this);
  }
  ~Tzv_lr_entity_base() override {
    zv_entity_storage_remove(this);
    zv_uuid_destroy(uuid_);
    if (channel_) zv_event_channel_del_client(channel_, nullptr, nullptr);
    zv_update_event_clear(&pending_);
  }
  Tzv_lr_entity_base(Tzv_lr_entity_base const&) = delete;
  Tzv_lr_entity_base& operator=(Tzv_lr_entity_base const&) = delete;

  // Izv_updatable
  void begin_update() override {
    if (depth_++ == 0) broadcast_bracket(zv_event_kind_begin_update);
  }
  void end_update() override {
    if (depth_ == 0 || --depth_ > 0) return;
    if (has_pending_) {
      Tzv_update_event ev = pending_;
      zv_update_event_init(&pending_);
      has_pending_ = false;
      broadcast(&ev.header);
      zv_update_event_clear(&ev);
    }
    broadcast_bracket(zv_event_kind_end_update);
  }
  Tzv_event_channel* get_update_event_channel() override {
    if (!channel_) channel_ = zv_event_channel_create();
    return channel_;
  }

  // Announces property `id`: at once outside a bracket, else into the
  // bracket's pending event.
  void announce(int32_t id) {
    if (depth_ > 0) {
      zv_update_event_add_prop_integer(&pending_, id);
      has_pending_ = true;
      return;
    }
    Tzv_update_event ev;
    zv_update_event_init(&ev);
    zv_update_event_add_prop_integer(&ev, id);
    broadcast(&ev.header);
    zv_update_event_clear(&ev);
  }
  uint32_t get_update_depth() const { return depth_; }

  // Izv_entity
  char const* get_caption() override {
    narrow_caption_ = zv_lr_text::to_narrow(caption_);
    return narrow_caption_.c_str();
  }
  void set_caption(char const* caption) override { this->set_wcaption(zv_lr_text::to_wide(caption).c_str()); }
  void get_wcaption(Izv_string_adp* adp) override { zv_lr_text::feed(adp, caption_); }
  void set_wcaption(wchar_t const* caption) override {
    Izv_entities* parent = parent_ ? zv_entities_safe_downcast(parent_) : nullptr;
    if (parent && caption && !zv_entities_is_unique_wcaption(parent, caption)) return;
    Tzv_lr_update_guard guard(this);
    caption_ = zv_lr_text::or_empty(caption);
    announce(zv_prop_caption);
  }
  std::wstring const& wcaption() const { return caption_; }
  Tzv_uuid_t* get_uuid() override { return uuid_; }
  void set_uuid(Tzv_uuid_t* uuid) override {
    if (!uuid) return;
    zv_entity_storage_remove(this);
    zv_uuid_assign(uuid_, uuid);
    zv_entity_storage_add(this);
  }
  void get_group_id(Izv_string_adp* adp) override { zv_lr_text::feed(adp, group_id_); }
  void set_group_id(wchar_t const* id) override { group_id_ = zv_lr_text::or_empty(id); }
  bool get_marked() override { return marked_; }
  void set_marked(bool marked) override { set_announced(marked_, marked, zv_prop_marked); }
  bool can_remove() override { return true; }
  int32_t is_occupied(Izv_string_adp*) override { return 0; }
  bool deoccupy(Izv_string_adp*) override { return true; }
  Tzv_valid_state validate() override { return valid_; }
  Tzv_valid_state is_valid() override { return valid_; }
  void set_valid(Tzv_valid_state state) override { set_announced(valid_, state, zv_prop_valid); }
  Izv_entity* get_parent() override { return parent_; }
  void set_parent(Izv_entity* parent) override { parent_ = parent; }
  uint32_t get_index() override {
    Izv_entities* parent = parent_ ? zv_entities_safe_downcast(parent_) : nullptr;
    return parent ? zv_entities_get_entity_index(parent, this) : 0;
  }
  Izv_entity* get_bind_entity(uint32_t) override { return nullptr; }
  uint32_t get_bind_count() override { return 0; }
  Izv_entity* get_active() override {
    return active_ < this->get_bind_count() ? this->get_bind_entity(active_) : nullptr;
  }
  void set_active(Izv_entity* e) override {
    uint32_t idx = zv_no_index;
    for (uint32_t i = 0, n = e ? this->get_bind_count() : 0; i < n && idx == zv_no_index; ++i)
      if (this->get_bind_entity(i) == e) idx = i;
    set_active_raw(idx);
  }
  uint32_t get_active_index() override { return active_; }
  void set_active_index(uint32_t i) override { set_active_raw(i < this->get_bind_count() ? i : zv_no_index); }
  Tzv_meta_data_obj* get_meta_data_ptr() override { return nullptr; }
  void set_meta_data(Tzv_meta_data_obj*) override {}
  void begin_update_recursive() override {
    this->begin_update();
    for (uint32_t i = 0, n = this->get_bind_count(); i < n; ++i)
      if (Izv_entity* e = this->get_bind_entity(i)) e->begin_update_recursive();
  }
  void end_update_recursive() override {
    for (uint32_t i = this->get_bind_count(); i-- > 0;)
      if (Izv_entity* e = this->get_bind_entity(i)) e->end_update_recursive();
    this->end_update();
  }

 protected:
  // Stores `value` into `field` and announces `id`, when it differs.
  template <class T>
  void set_announced(T& field, T value, int32_t id) {
    if (field == value) return;
    Tzv_lr_update_guard guard(this);
    field = value;
    announce(id);
  }

 private:
  void set_active_raw(uint32_t idx) { set_announced(active_, idx, zv_prop_active); }

  void broadcast(Tzv_event const* e) {
    if (channel_) zv_event_channel_broadcast_event(channel_, e);
  }
  void broadcast_bracket(int32_t kind) {
    if (!channel_) return;
    if (kind == zv_event_kind_begin_update) {
      Tzv_begin_update_event ev;
      zv_begin_update_event_init(&ev);
      zv_event_channel_broadcast(channel_, &ev);
      zv_begin_update_event_clear(&ev);
    } else {
      Tzv_end_update_event ev;
      zv_end_update_event_init(&ev);
      zv_event_channel_broadcast(channel_, &ev);
      zv_end_update_event_clear(&ev);
    }
  }

  Izv_entity* parent_ = nullptr;
  uint32_t active_ = zv_no_index;
  std::wstring caption_;
  std::wstring group_id_;
  Tzv_uuid_t* uuid_;
  bool marked_ = false;
  Tzv_valid_state valid_ = 0;
  std::string narrow_caption_;
  Tzv_event_channel* channel_ = nullptr;
  uint32_t depth_ = 0;
  Tzv_update_event pending_;
  bool has_pending_ = false;
};
