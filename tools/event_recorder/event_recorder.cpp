#include "event_recorder.h"

namespace {

std::string format_key(Tzv_any const* key) {
  if (key == nullptr) return "?";
  switch (key->type) {
    case zv_any_integer:
      return std::to_string(key->value.i);
    case zv_any_string:
      return key->value.s ? key->value.s : "";
    default:
      return "?";
  }
}

std::string format_prop(Tzv_update_event_prop const* prop) {
  std::string out = format_key(zv_update_event_prop_get_key(prop));
  if (!zv_update_event_prop_is_aggregated(prop)) return out;
  Tzv_update_event_prop_list const* child = zv_update_event_prop_get_child(prop);
  return out + "{" + (child ? Tzv_event_recorder::format_props(child) : "*") + "}";
}

std::string format_event(Tzv_table const* queue, int32_t i) {
  if (zv_event_queue_get_begin_update_event(queue, i)) return "B";
  if (zv_event_queue_get_end_update_event(queue, i)) return "E";
  if (Tzv_update_event const* u = zv_event_queue_get_update_event(queue, i)) {
    Tzv_update_event_prop_list const* details = zv_update_event_get_details(u);
    return details ? "U[" + Tzv_event_recorder::format_props(details) + "]" : "U";
  }
  if (Tzv_tuple const* g = zv_event_queue_get_generic_event(queue, i)) {
    Tzv_any const* items = g->items;
    return "G(" + (g->count > 0 ? format_key(&items[0]) : std::string()) + ")";
  }
  return "?";
}

void append(std::string& trace, std::string const& item) {
  if (item.empty()) return;
  if (!trace.empty()) trace += ' ';
  trace += item;
}

}  // namespace

Tzv_event_recorder::Tzv_event_recorder(Tzv_event_channel* channel) : channel_(channel) {
  zv_event_channel_add_client(channel_, &on_events, this);
}

Tzv_event_recorder::~Tzv_event_recorder() { detach(); }

void Tzv_event_recorder::detach() {
  if (channel_ != nullptr) zv_event_channel_del_client(channel_, &on_events, this);
  channel_ = nullptr;
}

std::string Tzv_event_recorder::take() {
  std::string out;
  out.swap(trace_);
  return out;
}

std::string Tzv_event_recorder::format_queue(Tzv_table const* queue) {
  std::string out;
  for (int32_t i = 0; i < zv_event_queue_get_size(queue); ++i) append(out, format_event(queue, i));
  return out;
}

std::string Tzv_event_recorder::format_props(Tzv_update_event_prop_list const* props) {
  std::string out;
  for (int32_t i = 0; i < zv_update_event_prop_list_get_size(props); ++i) {
    if (i > 0) out += ',';
    out += format_prop(zv_update_event_prop_list_get(props, i));
  }
  return out;
}

void Tzv_event_recorder::on_events(Tzv_table* queue, void* data) {
  auto* self = static_cast<Tzv_event_recorder*>(data);
  append(self->trace_, format_queue(queue));
}
