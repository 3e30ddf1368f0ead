// A channel client that throws on the kinds of event it is armed for; the
// exception names the kind, so a test sees which one reached it.
#pragma once

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "zv/sibling/basic.h"

struct Tzv_listener_error {
  int32_t kind;
};

class Tzv_throwing_listener {
 public:
  Tzv_throwing_listener(Tzv_event_channel* channel, std::vector<int32_t> kinds)
      : channel_(channel), kinds_(std::move(kinds)) {
    zv_event_channel_add_client(channel_, &on_events, this);
  }
  ~Tzv_throwing_listener() { zv_event_channel_del_client(channel_, &on_events, this); }
  Tzv_throwing_listener(Tzv_throwing_listener const&) = delete;
  Tzv_throwing_listener& operator=(Tzv_throwing_listener const&) = delete;

  void disarm() { kinds_.clear(); }

 private:
  static int32_t kind_of(Tzv_table const* queue) {
    if (zv_event_queue_get_begin_update_event(queue, 0)) return zv_event_kind_begin_update;
    if (zv_event_queue_get_end_update_event(queue, 0)) return zv_event_kind_end_update;
    if (zv_event_queue_get_update_event(queue, 0)) return zv_event_kind_update;
    return zv_event_kind_generic;
  }
  static void on_events(Tzv_table* queue, void* data) {
    auto const& kinds = static_cast<Tzv_throwing_listener*>(data)->kinds_;
    int32_t const kind = kind_of(queue);
    if (std::find(kinds.begin(), kinds.end(), kind) != kinds.end()) throw Tzv_listener_error{kind};
  }

  Tzv_event_channel* channel_;
  std::vector<int32_t> kinds_;
};
