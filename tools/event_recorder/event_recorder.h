// Records the events that a channel delivers as a compact trace, e.g.
// "B U[1,3] E": begin, update with properties 1 and 3, end. Aggregated
// properties show their child list in braces ("U[1{2}]", "1{*}" when the
// child changed as a whole); an update without details is "U"; a generic
// event is "G(id)". Tests and the demo read traces through it.
#pragma once

#include <string>

#include "zv/sibling/basic.h"

class Tzv_event_recorder {
 public:
  // Subscribes to `channel`, which must outlive the recorder or be detached
  // from it with detach() first.
  explicit Tzv_event_recorder(Tzv_event_channel* channel);
  ~Tzv_event_recorder();
  Tzv_event_recorder(Tzv_event_recorder const&) = delete;
  Tzv_event_recorder& operator=(Tzv_event_recorder const&) = delete;

  // The trace so far, events separated by single spaces.
  std::string const& trace() const { return trace_; }
  // The trace so far, and a fresh start.
  std::string take();
  void clear() { trace_.clear(); }
  void detach();

  static std::string format_queue(Tzv_table const* queue);
  static std::string format_props(Tzv_update_event_prop_list const* props);

 private:
  static void on_events(Tzv_table* queue, void* data);

  Tzv_event_channel* channel_;
  std::string trace_;
};
