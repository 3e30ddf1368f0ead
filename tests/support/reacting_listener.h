// A listener that acts: it runs an action on the first event of one kind
// that it hears (begin, update or end), and only that once, as a host's
// event handler that removes, clears or destroys would. Shared by the
// robustness tests and the scene fuzzer.
#pragma once

#include <cstdint>
#include <functional>
#include <utility>

#include "zv/sibling/basic.h"

// A client that runs `act` on the first event of kind `kind` it hears, and
// only that once (acting again on the events its own action causes would
// recurse without end). It leaves the channel on destruction unless
// forget() was called (its channel went with its owner).
class Tzv_reacting_listener {
 public:
  Tzv_reacting_listener(Tzv_event_channel* channel, int32_t kind, std::function<void()> act)
      : channel_(channel), kind_(kind), act_(std::move(act)) {
    zv_event_channel_add_client(channel_, &on_events, this);
  }
  ~Tzv_reacting_listener() { leave(); }
  Tzv_reacting_listener(Tzv_reacting_listener const&) = delete;
  Tzv_reacting_listener& operator=(Tzv_reacting_listener const&) = delete;

  void leave() {
    if (channel_ != nullptr) zv_event_channel_del_client(channel_, &on_events, this);
    channel_ = nullptr;
  }
  void forget() { channel_ = nullptr; }
  bool acted() const { return acted_; }
  int heard() const { return heard_; }

 private:
  static bool is_kind(Tzv_table const* q, int32_t kind) {
    switch (kind) {
      case zv_event_kind_begin_update:
        return zv_event_queue_get_begin_update_event(q, 0) != nullptr;
      case zv_event_kind_end_update:
        return zv_event_queue_get_end_update_event(q, 0) != nullptr;
      default:
        return zv_event_queue_get_update_event(q, 0) != nullptr;
    }
  }
  static void on_events(Tzv_table* queue, void* data) {
    auto* self = static_cast<Tzv_reacting_listener*>(data);
    ++self->heard_;
    if (self->acted_ || !is_kind(queue, self->kind_)) return;
    self->acted_ = true;
    self->act_();
  }

  Tzv_event_channel* channel_;
  int32_t kind_;
  std::function<void()> act_;
  bool acted_ = false;
  int heard_ = 0;
};
