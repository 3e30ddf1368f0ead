// A client on an event channel for as long as the holder lives: added on
// construction, removed on destruction. Move-only; an empty holder (or a
// null channel) holds nothing.
#pragma once

#include <utility>

#include "zv/sibling/basic/event_channel.h"

namespace zv::core {

class Tzv_subscription {
 public:
  Tzv_subscription() = default;
  Tzv_subscription(Tzv_event_channel* channel, Tzv_event_proc proc, void* data)
      : channel_(channel), proc_(proc), data_(data) {
    zv_event_channel_add_client(channel_, proc_, data_);
  }
  ~Tzv_subscription() { reset(); }
  Tzv_subscription(Tzv_subscription&& o) noexcept
      : channel_(std::exchange(o.channel_, nullptr)), proc_(o.proc_), data_(o.data_) {}
  Tzv_subscription& operator=(Tzv_subscription&& o) noexcept {
    if (this != &o) {
      reset();
      channel_ = std::exchange(o.channel_, nullptr);
      proc_ = o.proc_;
      data_ = o.data_;
    }
    return *this;
  }
  Tzv_subscription(Tzv_subscription const&) = delete;
  Tzv_subscription& operator=(Tzv_subscription const&) = delete;

  // Removes the client now.
  void reset() {
    if (channel_ != nullptr) zv_event_channel_del_client(std::exchange(channel_, nullptr), proc_, data_);
  }

 private:
  Tzv_event_channel* channel_ = nullptr;
  Tzv_event_proc proc_ = nullptr;
  void* data_ = nullptr;
};

}  // namespace zv::core
