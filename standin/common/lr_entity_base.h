// A compact entity for the layer stand-ins: caption, uuid registered in the
// entity storage, group id, marked and valid flags, parent, an update channel
// made on first use and an update bracket that gathers the properties
// announced inside it into one update event. Header-only; each layer module
// instantiates it for its own classes.
//
// Listeners may throw on the begin, update or end event. Every bracket that
// opened still closes (the depth returns to 0, and listeners that saw the
// begin event get the end event), the exception reaches the caller, and when
// a second exception meets one already on its way, the first wins.
#pragma once

#include <cstdint>
#include <string>
#include <utility>

#include "lr_text.h"
#include "zv/common/unwind.h"
#include "zv/sibling/basic/event_channel.h"
#include "zv/sibling/basic/update_events.h"
#include "zv/sibling/basic/uuid.h"
#include "zv/sibling/entity.h"

// An event value, initialised on construction and cleared on destruction,
// also when a listener throws during its broadcast.
template <class E, void (*Init)(E*), void (*Clear)(E*)>
struct Tzv_lr_event {
  Tzv_lr_event() { Init(&ev); }
  ~Tzv_lr_event() { Clear(&ev); }
  Tzv_lr_event(Tzv_lr_event const&) = delete;
  Tzv_lr_event& operator=(Tzv_lr_event const&) = delete;
  E ev;
};

using Tzv_lr_update_event = Tzv_lr_event<Tzv_update_event, &zv_update_event_init, &zv_update_event_clear>;
using Tzv_lr_begin_event =
    Tzv_lr_event<Tzv_begin_update_event, &zv_begin_update_event_init, &zv_begin_update_event_clear>;
using Tzv_lr_end_event = Tzv_lr_event<Tzv_end_update_event, &zv_end_update_event_init, &zv_end_update_event_clear>;

// Opens an object's update bracket for the lifetime of the guard. A bracket
// whose opening throws has closed itself again, so the guard then closes
// nothing. Closing broadcasts, and a listener's exception then reaches the
// caller, unless one from the bracket's body is already on its way.
class Tzv_lr_update_guard {
 public:
  explicit Tzv_lr_update_guard(Izv_updatable* obj) : close_(Tclose{open(obj)}) {}
  ~Tzv_lr_update_guard() noexcept(false) = default;

 private:
  struct Tclose {
    Izv_updatable* obj;
    void operator()() const { obj->end_update(); }
  };
  static Izv_updatable* open(Izv_updatable* obj) {
    obj->begin_update();
    return obj;
  }

  zv::Tzv_finally<Tclose> close_;
};

template <class I>
class Tzv_lr_entity_base : public I {
 public:
  Tzv_lr_entity_base() {
    zv_uuid_generate(&uuid_, 0);
    zv_update_event_init(&pending_);
    zv_entity_storage_add(this);
  }
  ~Tzv_lr_entity_base() override {
    zv_entity_storage_remove(this);
    if (channel_) zv_event_channel_del_client(channel_, nullptr, nullptr);
    zv_update_event_clear(&pending_);
  }
  Tzv_lr_entity_base(Tzv_lr_entity_base const&) = delete;
  Tzv_lr_entity_base& operator=(Tzv_lr_entity_base const&) = delete;

  // Marks an operation of the layer's own on the stack. The outermost one
  // carries out a destruction asked for meanwhile, as the last thing it does.
  class Tzv_busy {
   public:
    explicit Tzv_busy(Tzv_lr_entity_base* self) : self_(self) { ++self_->busy_; }
    ~Tzv_busy() {
      if (--self_->busy_ == 0 && self_->doomed_) delete self_;
    }
    Tzv_busy(Tzv_busy const&) = delete;
    Tzv_busy& operator=(Tzv_busy const&) = delete;

   private:
    Tzv_lr_entity_base* self_;
  };

  // Destroys the layer, or, while one of its own operations is on the stack
  // (a listener it called asked for it), when the outermost one returns.
  void destroy_when_idle() {
    if (busy_ > 0) doomed_ = true;
    else delete this;
  }

  // Izv_updatable
  void begin_update() override {
    Tzv_busy const busy(this);
    if (depth_++ > 0) return;
    // The begin broadcast threw: close again, so that the listeners that saw
    // the begin event get the end event and the depth returns to 0.
    zv::Tzv_finally close([this] { end_update(); });
    broadcast_new<Tzv_lr_begin_event>();
    close.release();
  }
  void end_update() override {
    Tzv_busy const busy(this);
    if (depth_ == 0 || --depth_ > 0) return;
    zv::Tzv_finally const end([this] { broadcast_new<Tzv_lr_end_event>(); });
    flush_pending();
  }
  Tzv_event_channel* get_update_event_channel() override {
    if (!channel_) channel_ = zv_event_channel_create();
    return channel_;
  }

  // Announces property `id`: at once outside a bracket, else into the
  // bracket's pending event.
  void announce(int32_t id) {
    Tzv_lr_update_event e;
    zv_update_event_add_prop_integer(depth_ > 0 ? &pending_ : &e.ev, id);
    if (depth_ > 0) has_pending_ = true;
    else broadcast(e.ev.header);
  }
  uint32_t get_update_depth() const { return depth_; }

  // Izv_entity
  char const* get_caption() override {
    narrow_caption_ = zv_lr_text::to_narrow(caption_);
    return narrow_caption_.c_str();
  }
  void set_caption(char const* caption) override { this->set_wcaption(zv_lr_text::to_wide(caption).c_str()); }
  void get_wcaption(Izv_string_adp* adp) override { zv_lr_text::feed(adp, caption_); }
  // Captions need not be unique among siblings; one is announced when it
  // changes.
  void set_wcaption(wchar_t const* caption) override {
    set_announced(caption_, zv_lr_text::or_empty(caption), zv_prop_caption);
  }
  std::wstring const& wcaption() const { return caption_; }
  Tzv_uuid_t* get_uuid() override { return &uuid_; }
  void set_uuid(Tzv_uuid_t* uuid) override {
    if (!uuid) return;
    zv_entity_storage_remove(this);
    zv_uuid_assign(&uuid_, uuid);
    zv_entity_storage_add(this);
  }
  void get_group_id(Izv_string_adp* adp) override { zv_lr_text::feed(adp, group_id_.text()); }
  void set_group_id(wchar_t const* id) override { group_id_ = Tzv_lr_group_id(id ? id : L""); }
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
  // Opens this bracket, then those of the bound entities in order. When one
  // throws, the brackets already opened close again.
  // A destruction asked for by a listener meanwhile waits until the walk is
  // over: the walk still reads the bound entities after the begin. (The
  // optimiser cannot see that the outer guard keeps the inner one from
  // deleting, hence the local silence.)
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wuse-after-free"
#endif
  void begin_update_recursive() override {
    Tzv_busy const busy(this);
    this->begin_update();
    uint32_t opened = 0;
    zv::Tzv_finally undo([this, &opened] { end_update_first(opened); });
    for (uint32_t n = this->get_bind_count(); opened < n; ++opened)
      if (Izv_entity* e = this->get_bind_entity(opened)) e->begin_update_recursive();
    undo.release();
  }
#if defined(__GNUC__) && !defined(__clang__) && __GNUC__ >= 12
#pragma GCC diagnostic pop
#endif
  void end_update_recursive() override { end_update_first(this->get_bind_count()); }

 protected:
  // Stores `value` into `field` and announces `id`, when it differs.
  template <class T>
  void set_announced(T& field, T value, int32_t id) {
    if (field == value) return;
    Tzv_busy const busy(this);
    Tzv_lr_update_guard guard(this);
    field = value;
    announce(id);
  }

 private:
  void set_active_raw(uint32_t idx) { set_announced(active_, idx, zv_prop_active); }

  // Closes the brackets of the first `n` bound entities, last first, and then
  // this one's. Each closes even when an earlier one throws; the first
  // exception reaches the caller.
  void end_update_first(uint32_t n) {
    zv::Tzv_finally const close_self([this] { this->end_update(); });
    end_bound(n);
  }
  void end_bound(uint32_t n) {
    // Left at a throw, the rest still close (nesting only as deep as the
    // number of entities that throw).
    zv::Tzv_finally const rest([this, &n] {
      if (n > 0) end_bound(n - 1);
    });
    for (; n > 0; --n)
      if (Izv_entity* e = this->get_bind_entity(n - 1)) e->end_update_recursive();
  }

  // Broadcasts what the bracket gathered. The pending event is detached
  // first, so changes that a listener makes meanwhile are announced at once.
  void flush_pending() {
    if (!has_pending_) return;
    Tzv_lr_update_event e;
    std::swap(e.ev, pending_);
    has_pending_ = false;
    broadcast(e.ev.header);
  }
  template <class Event>
  void broadcast_new() {
    Event e;
    broadcast(e.ev.header);
  }
  void broadcast(Tzv_event const& e) {
    Tzv_busy const busy(this);
    if (channel_) zv_event_channel_broadcast_event(channel_, &e);
  }

  Tzv_event_channel* channel_ = nullptr;
  Izv_entity* parent_ = nullptr;
  uint32_t depth_ = 0;
  uint32_t busy_ = 0;  // own operations on the stack
  uint32_t active_ = zv_no_index;
  Tzv_valid_state valid_ = 0;
  bool marked_ = false;
  bool doomed_ = false;  // destroy when the last of them returns
  bool has_pending_ = false;
  Tzv_update_event pending_;
  Tzv_uuid_t uuid_{};
  std::wstring caption_;
  Tzv_lr_group_id group_id_;
  std::string narrow_caption_;
};
