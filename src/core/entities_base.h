// An entity that holds an ordered list of member entities. Members removed
// from the list wait in a deferred-destruction list until the collection's
// end-update event has gone out. Out-of-range or repeated indexes are
// ignored.
//
// The collection listens to the members it makes (listen_to) and forwards
// their events as property 1 (on_member_update). A removed member is heard
// until it is destroyed, and none is destroyed while a member's bracket is
// open, so that a bracket opened before its member left still closes for
// the collection's listeners. No member is destroyed while the
// collection is handling an event that may have come from it, while the
// member itself is inside one of its operations, or while a walk over the
// members holds them (hold_members, recursive brackets).
#pragma once

#include <algorithm>
#include <cstddef>
#include <span>
#include <utility>
#include <vector>

#include "core/entity_base.h"
#include "core/pointer_set.h"
#include "core/prefetch.h"
#include "zv/common/unwind.h"

template <class I, class T>
class Tzv_entities_base : public Tzv_entity_base<I, T> {
  using Base = Tzv_entity_base<I, T>;

 public:
  // Members are destroyed by the concrete collection (clear() in its destructor).
  ~Tzv_entities_base() override = default;

  // Keeps removed members, and the collection itself, alive until the scope
  // ends (a walk over the members, a copy that reads them); then, outside
  // any bracket, those that may go are destroyed.
  class Tzv_member_hold {
   public:
    explicit Tzv_member_hold(Tzv_entities_base* owner) : owner_(owner) { ++owner_->holds_; }
    ~Tzv_member_hold() noexcept(false) {
      auto release = [this] { owner_->end_hold(); };
      zv::run_cleanup(release);
    }
    Tzv_member_hold(Tzv_member_hold const&) = delete;
    Tzv_member_hold& operator=(Tzv_member_hold const&) = delete;

   private:
    Tzv_entities_base* owner_;
  };
  Tzv_member_hold hold_members() { return Tzv_member_hold(this); }

  // Also busy while delivering a member's event or holding the members.
  bool idle() const override { return Base::idle() && delivering_ == 0 && holds_ == 0; }

  // The bracket of every member this call opens is closed by the matching
  // end_update_recursive, also when a listener removed the member meanwhile:
  // the members are recorded, and held alive until then.
  // A member whose begin throws leaves nothing open: the members opened
  // before it and the own bracket are closed again before the exception
  // passes on.
  void begin_update_recursive() override {
    this->begin_update();
    size_t const level = opened_.size();
    opened_.emplace_back();
    ++holds_;
    std::vector<T*> const members = members_;
    zv::undo_on_failure(
        [this, level, &members] {
          for (T* m : members) {
            m->begin_update_recursive();
            opened_[level].push_back(m);
          }
        },
        [this] { end_update_recursive(); });
  }

  // Closes the members opened by the last begin_update_recursive that are
  // still alive (members or waiting for destruction), last first, then the
  // own bracket, also when a listener throws.
  void end_update_recursive() override {
    if (opened_.empty()) return Base::end_update_recursive();
    std::vector<T*> const last_first(opened_.back().rbegin(), opened_.back().rend());
    opened_.pop_back();
    zv::Tzv_finally close([this] {
      --holds_;
      this->end_update();
    });
    std::vector<T*> alive = members_;
    for (Tzv_deferred const& d : deferred_) alive.push_back(d.member);
    zv::core::Tzv_pointer_set live(alive);
    zv::for_each_all(last_first, [&live](T* m) {
      if (live.take(m)) m->end_update_recursive();
    });
  }

  // Runs the plain end-update broadcast, then destroys the members removed
  // so far, also when a listener throws. Also runs for end-update events
  // forwarded from members.
  void broadcast_end_update_event() override {
    zv::Tzv_finally destroy([this] { destroy_deferred(); });
    Base::broadcast_end_update_event();
  }

  bool can_remove() override {
    return std::all_of(members_.begin(), members_.end(), [](T* m) { return m->can_remove(); });
  }

  // The bound entities are the stored members, read straight from the list:
  // walks over them (the active member, recursive brackets, the layer group
  // tree's verification) must not trigger a collection's own re-ordering.
  Izv_entity* get_bind_entity(uint32_t i) override { return i < members_.size() ? as_entity(members_[i]) : nullptr; }
  uint32_t get_bind_count() override { return static_cast<uint32_t>(members_.size()); }

  void create() override {}

  void clear() override {
    for (T* m : members_) defer(m);
    members_.clear();
    Tzv_update_guard bracket(this);
    Base::active_index_ref() = zv_no_index;
    Base::set_marked_quietly(false);
    this->broadcast_update_event(zv_prop_members);
    this->broadcast_update_event(zv_prop_active);
  }

  uint32_t get_count() override { return static_cast<uint32_t>(members_.size()); }

  virtual void set_count(uint32_t n) {
    Tzv_update_guard bracket(this);
    uint32_t const old = get_count();
    if (n < old) {
      for (uint32_t i = n; i < old; ++i) defer(members_[i]);
      members_.resize(n);
      uint32_t& active = Base::active_index_ref();
      if (n <= active) {  // also when none is active
        active = zv_no_index;
        this->broadcast_update_event(zv_prop_active);
      }
    }
    for (uint32_t i = old; i < n; ++i) adopt(create_entity(), get_count());
    this->broadcast_update_event(zv_prop_members);
  }

  T* get_entity(uint32_t i) override { return i < members_.size() ? members_[i] : nullptr; }
  virtual T* get_first() { return members_.empty() ? nullptr : members_.front(); }
  virtual T* get_last() { return members_.empty() ? nullptr : members_.back(); }

  T* add_entity() override {
    Tzv_update_guard bracket(this);
    T* e = create_entity();
    if (e != nullptr) adopt(e, get_count());
    this->broadcast_update_event(zv_prop_members);
    return e;
  }

  virtual void add_entity_internal(T* e) { insert_at(get_count(), e); }

  // Inserts before index i; i equal to the count appends.
  virtual void insert_entity(uint32_t i, T* e) { insert_at(i, e); }

  // Takes member i out without destroying it; it keeps its parent.
  virtual T* extract_entity(uint32_t i) {
    if (i >= get_count()) return nullptr;
    Tzv_update_guard bracket(this);
    T* e = remove_entity_internal(i);
    this->broadcast_update_event(zv_prop_members);
    return e;
  }

  void remove_entity(Izv_entity* e) override {
    Tzv_update_guard bracket(this);
    uint32_t const i = get_entity_index(e);
    if (i != zv_no_index) remove_entity(i);
  }

  void remove_entity(uint32_t i) override {
    if (i >= get_count()) return;
    Tzv_update_guard bracket(this);
    defer(remove_entity_internal(i));
    this->broadcast_update_event(zv_prop_members);
  }

  void remove_entity_range(uint32_t n, uint32_t* indices) override {
    if (indices == nullptr) n = 0;
    Tzv_update_guard bracket(this);
    for (uint32_t k = 0; k < n; ++k) take_slot(indices[k], true);
    squeeze();
    this->broadcast_update_event(zv_prop_members);
  }

  void remove_marked() override {
    Tzv_update_guard bracket(this);
    Izv_entity* active = this->get_active();
    bool const active_marked = active != nullptr && active->get_marked();
    // The active index is kept here, so set_active below sees the change.
    // The size is read anew at every step: a member's get_marked is foreign
    // code.
    for (uint32_t i = 0; i < members_.size(); ++i) {
      zv::core::prefetch_for(members_, i);
      if (members_[i]->get_marked()) take_slot(i, false);
    }
    squeeze();
    this->set_active(active_marked ? nullptr : active);
    this->broadcast_update_event(zv_prop_members);
  }

  // The first member, in index order, whose caption is exactly `caption`.
  T* find_entity(wchar_t const* caption) override {
    if (caption == nullptr) return nullptr;
    for (T* m : members_) {
      Tzv_match_any_wstring_adapter match(caption);
      m->get_wcaption(match.adapter());
      if (match.matched()) return m;
    }
    return nullptr;
  }

  // Marks `e` and unmarks every other member; null unmarks all.
  void set_marked_entity(Izv_entity* e) override {
    Tzv_update_guard bracket(this);
    for (uint32_t i = 0; i < get_count(); ++i) {
      if (T* m = get_entity(i)) m->set_marked(as_entity(m) == e);
    }
  }

  void set_marked_entity_index(uint32_t i) override {
    Tzv_update_guard bracket(this);
    set_marked_entity(i < get_count() ? as_entity(get_entity(i)) : nullptr);
  }

  uint32_t get_entity_index(Izv_entity* e) override {
    if (e == nullptr) return zv_no_index;
    for (uint32_t i = 0; i < members_.size(); ++i) {
      if (as_entity(members_[i]) == e) return i;
    }
    return zv_no_index;
  }

  // Moves member `from` to index `to`; the active member stays active.
  void move(uint32_t from, uint32_t to) override {
    uint32_t const n = get_count();
    if (from >= n || to >= n) return;
    Tzv_update_guard bracket(this);
    Izv_entity* active = this->get_active();
    auto const first = members_.begin();
    if (from < to) {
      std::rotate(first + from, first + from + 1, first + to + 1);
    } else if (to < from) {
      std::rotate(first + to, first + from, first + from + 1);
    }
    this->set_active(active);
    this->broadcast_update_event(zv_prop_members);
  }

  // Unmarked members before `pos`, then every marked member, then the rest,
  // each run in its former order.
  void move_marked(uint32_t pos) override {
    Tzv_update_guard bracket(this);
    Izv_entity* active = this->get_active();
    std::vector<T*> before, marked, after;
    for (uint32_t i = 0; i < members_.size(); ++i) {
      zv::core::prefetch_for(members_, i);
      T* m = members_[i];
      (m->get_marked() ? marked : (i < pos ? before : after)).push_back(m);
    }
    members_.clear();
    for (auto* run : {&before, &marked, &after}) members_.insert(members_.end(), run->begin(), run->end());
    this->set_active(active);
    this->broadcast_update_event(zv_prop_members);
  }

  // Takes member i out with no bracket and no announcement.
  virtual T* remove_entity_internal(uint32_t i) {
    if (i >= get_count()) return nullptr;
    T* e = members_[i];
    members_.erase(members_.begin() + i);
    index_caption(e, nullptr);
    forget_active(i);
    return e;
  }

  virtual T* create_entity() = 0;
  // Frees a member; the collection has stopped hearing it already.
  virtual void destroy_entity(T* e) = 0;

  // Members waiting for destruction (tests, diagnostics).
  uint32_t get_deferred_count() const { return static_cast<uint32_t>(deferred_.size()); }

 protected:
  static Izv_entity* as_entity(T* e) { return e; }

  std::vector<T*>& members() { return members_; }

  // The members' captions, counted while they are in the list, when the
  // members are entities of this library (see Tzv_caption_index).
  Tzv_caption_index& captions() { return captions_; }

  // The collection hears `member`'s changes through on_member_update until
  // stop_listening, or until the member leaves the list for destruction.
  void listen_to(T* member) {
    if (member != nullptr) zv_event_channel_add_client(member->get_update_event_channel(), &member_update_proc, this);
  }
  void stop_listening(T* member) {
    if (member != nullptr) zv_event_channel_del_client(member->get_update_event_channel(), &member_update_proc, this);
  }

  // A member's events; forwarded as property 1 unless a collection says
  // otherwise.
  virtual void on_member_update(Tzv_table& queue) { this->broadcast_update_event(zv_prop_members, queue); }

  // clear() for a concrete collection's destructor: every member is
  // destroyed, and an exception from a listener stops there.
  // A member still inside one of its own operations (one of its listeners
  // destroys the collection) is released: it goes when that operation returns.
  void clear_for_destruction() noexcept {
    try {
      clear();
    } catch (...) {  // a destructor cannot pass it on; the members are gone already
    }
    for (Tzv_deferred const& d : std::exchange(deferred_, {})) orphan(d.member);
  }

 private:
  void insert_at(uint32_t i, T* e) {
    if (e == nullptr || i > get_count()) return;
    Tzv_update_guard bracket(this);
    adopt(e, i);
    this->broadcast_update_event(zv_prop_members);
  }

  void adopt(T* e, uint32_t i) {
    if (e == nullptr) return;
    e->set_parent(this->self());
    members_.insert(members_.begin() + i, e);
    index_caption(e, &captions_);
  }

  static void index_caption(T* e, Tzv_caption_index* index) {
    if constexpr (requires { e->join_caption_index(index); }) e->join_caption_index(index);
  }

  // Taking out the active member leaves no active member, unannounced.
  void forget_active(uint32_t i) {
    uint32_t& active = Base::active_index_ref();
    if (active == i) active = zv_no_index;
  }

  // Sends member i to the deferred list and leaves an empty slot.
  void take_slot(uint32_t i, bool forget) {
    if (i >= members_.size() || members_[i] == nullptr) return;
    defer(members_[i]);
    members_[i] = nullptr;
    if (forget) forget_active(i);
  }

  void squeeze() { members_.erase(std::remove(members_.begin(), members_.end(), nullptr), members_.end()); }

  // A member that left the list waits for destruction, still heard. One
  // that left while a member's event was being handled may be that event's
  // sender, so it waits until no such event is on the stack.
  void defer(T* e) {
    if (e == nullptr) return;
    index_caption(e, nullptr);
    deferred_.push_back({e, delivering_ > 0});
  }

  // A member still inside one of its own operations (a listener on its
  // channel removed it while it broadcast) waits as well, when it can tell.
  static bool member_is_busy(T* e) {
    if constexpr (requires { e->release_when_idle(); }) {
      return !e->idle();
    } else {
      return false;
    }
  }

  // A member left behind by a collection that goes away: no longer heard,
  // parentless, and destroyed when idle (at once when it can tell no more).
  void orphan(T* e) {
    stop_listening(e);
    e->set_parent(nullptr);
    if constexpr (requires { e->release_when_idle(); }) {
      e->release_when_idle();
    } else {
      destroy_entity(e);
    }
  }

  // The last hold lets the removed members go, and the collection itself
  // when it was released meanwhile.
  void end_hold() {
    if (--holds_ != 0) return;
    zv::Tzv_finally release([this] { this->release_if_idle(); });
    if (this->get_update_depth() == 0) destroy_deferred();
  }

  // The members that may go are destroyed from deferred_'s own buffer, which
  // goes back to deferred_ for the next bracket (unless it outgrew the member
  // list by far). A bracket that removed many members then frees no large
  // block: freeing one makes the allocator merge every small block freed
  // before it (the members' own), inside this call.
  void destroy_deferred() {
    auto const keep = std::stable_partition(deferred_.begin(), deferred_.end(), [this](Tzv_deferred const& d) {
      return holds_ > 0 || members_open_ > 0 || (d.left_during_delivery && delivering_ > 0) || member_is_busy(d.member);
    });
    auto const kept = static_cast<size_t>(keep - deferred_.begin());
    if (kept == deferred_.size()) return;
    std::vector<Tzv_deferred> waiting(deferred_.begin(), keep);  // may throw: nothing has moved yet
    std::vector<Tzv_deferred> doomed;
    doomed.swap(deferred_);
    deferred_.swap(waiting);
    zv::Tzv_finally recycle([this, &doomed] {
      if (!deferred_.empty() || doomed.capacity() > 2 * members_.capacity()) return;  // kept, or removed meanwhile
      doomed.clear();
      deferred_.swap(doomed);
    });
    std::span<Tzv_deferred const> const gone(doomed.data() + kept, doomed.size() - kept);
    zv::for_each_all(gone, [this, gone](Tzv_deferred const& d) {
      zv::core::prefetch_for(gone, static_cast<size_t>(&d - gone.data()), &Tzv_deferred::member);
      stop_listening(d.member);
      destroy_entity(d.member);
    });
  }

  // Counts the members' brackets that the forwarded events opened and
  // closed; an end without a seen begin counts nothing.
  void count_member_brackets(Tzv_table const& queue) {
    for (int32_t i = 0; i < zv_event_queue_get_size(&queue); ++i) {
      if (zv_event_queue_get_begin_update_event(&queue, i) != nullptr) ++members_open_;
      if (zv_event_queue_get_end_update_event(&queue, i) != nullptr && members_open_ > 0) --members_open_;
    }
  }

  static void member_update_proc(Tzv_table* queue, void* data) {
    auto* self = static_cast<Tzv_entities_base*>(data);
    if (queue == nullptr) return;
    self->count_member_brackets(*queue);
    ++self->delivering_;
    zv::Tzv_finally done([self] {
      --self->delivering_;
      self->release_if_idle();
    });
    self->on_member_update(*queue);
  }

  struct Tzv_deferred {
    T* member;
    bool left_during_delivery;
  };

  std::vector<T*> members_;
  Tzv_caption_index captions_;
  std::vector<Tzv_deferred> deferred_;
  std::vector<std::vector<T*>> opened_;  // members opened per open recursive bracket
  uint32_t delivering_ = 0;
  uint32_t holds_ = 0;  // walks and recursive brackets that keep removed members alive
  // Members' brackets open as their forwarded events showed. Removed members
  // wait while any is open: the one whose bracket it is must still be heard
  // when it closes, so that the collection's listeners hear the end.
  uint32_t members_open_ = 0;
};
