#include "core/extensible_obj.h"

#include <cstdarg>
#include <cstring>
#include <vector>

#include "zv/common/unwind.h"

namespace {

// Item 0 of an extras row holds the name as a narrow string. Rows that are
// not a name and a value (a caller may have set any table) never match.
bool row_has_name(Tzv_tuple const& row, char const* name) {
  if (row.count < 1) return false;
  Tzv_any const* items = row.items;
  if (items[0].type != zv_any_string) return false;
  char const* row_name = items[0].value.s;
  return row_name != nullptr && std::strcmp(row_name, name) == 0;
}

// Clears an event value on scope exit, also when a listener throws.
template <class Event, void (*Clear)(Event*)>
class Tzv_event_value {
 public:
  template <void (*Init)(Event*)>
  static Tzv_event_value make() {
    Tzv_event_value v;
    Init(&v.event_);
    return v;
  }
  Tzv_event_value(Tzv_event_value&& o) noexcept : event_(o.event_) { o.live_ = false; }
  ~Tzv_event_value() {
    if (live_) Clear(&event_);
  }
  Event* get() { return &event_; }

 private:
  Tzv_event_value() = default;
  Event event_{};
  bool live_ = true;
};

using Tzv_update_value = Tzv_event_value<Tzv_update_event, &zv_update_event_clear>;
using Tzv_begin_value = Tzv_event_value<Tzv_begin_update_event, &zv_begin_update_event_clear>;
using Tzv_end_value = Tzv_event_value<Tzv_end_update_event, &zv_end_update_event_clear>;

// Clears a tuple on scope exit.
struct Tzv_tuple_value {
  Tzv_tuple tuple;
  Tzv_tuple_value() { tuple_init(&tuple); }
  ~Tzv_tuple_value() { tuple_clear(&tuple); }
  Tzv_tuple_value(Tzv_tuple_value const&) = delete;
  Tzv_tuple_value& operator=(Tzv_tuple_value const&) = delete;
};

// One criterion of find_update.
struct Tzv_criterion {
  int32_t code;
  void const* value;
  int32_t id;
};

bool details_have(Tzv_update_event_prop_list const* details, Tzv_criterion const& c) {
  switch (c.code) {
    case Tzv_extensible_obj::zv_find_name:
      return zv_update_event_prop_list_find_string(details, static_cast<char const*>(c.value)) != nullptr;
    case Tzv_extensible_obj::zv_find_id:
      return zv_update_event_prop_list_find_integer(details, c.id) != nullptr;
    default:  // zv_find_key
      return zv_update_event_prop_list_find(details, static_cast<Tzv_any const*>(c.value)) != nullptr;
  }
}

bool event_matches(Tzv_update_event const* event, std::vector<Tzv_criterion> const& criteria) {
  Tzv_update_event_prop_list const* details = zv_update_event_get_details(event);
  if (details == nullptr) return true;
  if (criteria.empty()) return false;
  for (auto const& c : criteria) {
    if (!details_have(details, c)) return false;
  }
  return true;
}

}  // namespace

// Counts the broadcast while it runs, also when a listener throws.
template <class Event>
void Tzv_extensible_obj::deliver(Event const* event) {
  ++broadcasting_;
  zv::Tzv_finally done([this] { --broadcasting_; });
  zv_event_channel_broadcast(get_update_event_channel(), event);
}

Tzv_extensible_obj::Tzv_extensible_obj() : extras_(table_create()) { zv_update_event_init(&pending_); }

Tzv_extensible_obj::~Tzv_extensible_obj() {
  if (channel_ != nullptr) zv_event_channel_del_client(channel_, nullptr, nullptr);
  table_destroy(extras_);
  zv_update_event_clear(&pending_);
}

void Tzv_extensible_obj::assign(Tzv_basic_obj* other) {
  auto* src = dynamic_cast<Tzv_extensible_obj*>(other);
  if (src != nullptr && src != this) table_assign(extras_, src->extras_);
}

bool Tzv_extensible_obj::equal(Tzv_basic_obj* other) {
  auto* src = dynamic_cast<Tzv_extensible_obj*>(other);
  return src != nullptr && table_compare(extras_, src->extras_) == 0;
}

Tzv_any* Tzv_extensible_obj::get_extra(char const* name) {
  if (name == nullptr) name = "";
  for (int32_t i = 0; i < extras_->count; ++i) {
    Tzv_tuple* rows = extras_->rows;
    if (!row_has_name(rows[i], name)) continue;
    // A row that holds only its name is repaired with an empty value.
    if (rows[i].count < 2) tuple_resize(&rows[i], 2);
    return &rows[i].items[1];
  }
  int32_t const row = extras_->count;
  table_resize(extras_, row + 1);
  Tzv_tuple* rows = extras_->rows;
  tuple_resize(&rows[row], 2);
  any_assign_string(&rows[row].items[0], name);
  return &rows[row].items[1];
}

Tzv_table* Tzv_extensible_obj::get_table_extra() { return extras_; }

void Tzv_extensible_obj::set_table_extra(Tzv_table& table) {
  if (&table != extras_) table_assign(extras_, &table);
}

void Tzv_extensible_obj::set_extra(char const* name, Tzv_any* value) {
  Tzv_any* slot = get_extra(name);
  if (value != nullptr && slot != value) any_assign(slot, value);
}

Tzv_event_channel* Tzv_extensible_obj::get_update_event_channel() {
  if (channel_ == nullptr) channel_ = zv_event_channel_create();
  return channel_;
}

Tzv_update_event* Tzv_extensible_obj::init_update_event() {
  if (pending_ptr_ == nullptr) {
    zv_update_event_clear(&pending_);
    zv_update_event_init(&pending_);
    pending_ptr_ = &pending_;
  }
  zv_update_event_init_details(pending_ptr_);
  return pending_ptr_;
}

// At depth 0 a fresh event carrying the property goes out at once; inside a
// bracket the property joins the pending event.
template <class AddProp>
void Tzv_extensible_obj::broadcast_property(AddProp&& add) {
  if (update_depth_ > 0) {
    add(init_update_event());
    return;
  }
  auto event = Tzv_update_value::make<&zv_update_event_init>();
  zv_update_event_init_details(event.get());
  add(event.get());
  deliver(event.get());
}

void Tzv_extensible_obj::broadcast_update_event() {
  broadcast_property([](Tzv_update_event*) {});
}

void Tzv_extensible_obj::broadcast_update_event(int id) {
  broadcast_property([id](Tzv_update_event* e) { zv_update_event_add_prop_integer(e, id); });
}

void Tzv_extensible_obj::broadcast_update_event(char const* name) {
  broadcast_property([name](Tzv_update_event* e) { zv_update_event_add_prop_string(e, name); });
}

void Tzv_extensible_obj::broadcast_begin_update_event() {
  if (update_depth_ != 0) return;
  auto event = Tzv_begin_value::make<&zv_begin_update_event_init>();
  deliver(event.get());
}

void Tzv_extensible_obj::broadcast_end_update_event() {
  if (update_depth_ != 0) return;
  auto event = Tzv_end_value::make<&zv_end_update_event_init>();
  deliver(event.get());
}

// Forwards a child's queue: its bracket events become this object's bracket
// events, its update events become aggregated properties. The queue size is
// read anew at every step, since listeners may act on the queue's owner.
template <class AggrProp>
void Tzv_extensible_obj::broadcast_aggregated(Tzv_table& queue, AggrProp&& aggr) {
  for (int32_t i = 0; i < zv_event_queue_get_size(&queue); ++i) {
    if (zv_event_queue_get_begin_update_event(&queue, i) != nullptr) broadcast_begin_update_event();
  }
  if (update_depth_ == 0) {
    auto event = Tzv_update_value::make<&zv_update_event_init>();
    zv_update_event_init_details(event.get());
    bool found = false;
    for (int32_t i = 0; i < zv_event_queue_get_size(&queue); ++i) {
      if (Tzv_update_event* child = zv_event_queue_get_update_event(&queue, i)) {
        aggr(event.get(), zv_update_event_get_details(child));
        found = true;
      }
    }
    if (found) deliver(event.get());
  } else {
    for (int32_t i = 0; i < zv_event_queue_get_size(&queue); ++i) {
      if (Tzv_update_event* child = zv_event_queue_get_update_event(&queue, i)) {
        aggr(init_update_event(), zv_update_event_get_details(child));
      }
    }
  }
  for (int32_t i = 0; i < zv_event_queue_get_size(&queue); ++i) {
    if (zv_event_queue_get_end_update_event(&queue, i) != nullptr) broadcast_end_update_event();
  }
}

void Tzv_extensible_obj::broadcast_update_event(int id, Tzv_table& queue) {
  broadcast_aggregated(queue, [id](Tzv_update_event* e, Tzv_update_event_prop_list const* child) {
    zv_update_event_aggr_prop_integer(e, id, child);
  });
}

void Tzv_extensible_obj::broadcast_update_event(char const* name, Tzv_table& queue) {
  broadcast_aggregated(queue, [name](Tzv_update_event* e, Tzv_update_event_prop_list const* child) {
    zv_update_event_aggr_prop_string(e, name, child);
  });
}

void Tzv_extensible_obj::broadcast_event(int id) {
  Tzv_tuple_value data;
  broadcast_event(id, data.tuple);
}

void Tzv_extensible_obj::broadcast_event(int id, Tzv_tuple& data) {
  Tzv_tuple_value event;
  tuple_resize(&event.tuple, 2);
  any_assign_integer(&event.tuple.items[0], id);
  if (data.count > 0) any_assign_tuple(&event.tuple.items[1], &data);
  deliver(&event.tuple);
}

// When a listener throws on the begin-update event, the bracket does not
// open: the listeners that heard the begin hear the end as well, and the
// exception reaches the caller.
void Tzv_extensible_obj::begin_update() {
  if (update_depth_ == 0) {
    zv::undo_on_failure([this] { broadcast_begin_update_event(); }, [this] { broadcast_end_update_event(); });
  }
  ++update_depth_;
}

// The end-update event goes out even when a listener throws on the pending
// update event.
void Tzv_extensible_obj::end_update() {
  if (update_depth_ == 0) return;
  if (--update_depth_ > 0) return;
  zv::Tzv_finally release([this] { release_if_idle(); });
  zv::Tzv_finally close([this] { broadcast_end_update_event(); });
  broadcast_pending();
}

void Tzv_extensible_obj::broadcast_pending() {
  if (pending_ptr_ == nullptr) return;
  // Detach first: changes made by listeners during this broadcast go out on
  // their own instead of joining the event being delivered.
  auto event = Tzv_update_value::make<&zv_update_event_init>();
  *event.get() = pending_;
  zv_update_event_init(&pending_);
  pending_ptr_ = nullptr;
  deliver(event.get());
}

void Tzv_extensible_obj::release_when_idle() {
  released_ = true;
  release_if_idle();
}

void Tzv_extensible_obj::release_if_idle() {
  if (!released_ || !idle()) return;
  released_ = false;  // the destructor's own brackets must not release it again
  delete this;
}

bool Tzv_extensible_obj::find_update(Tzv_table* queue, ...) {
  std::vector<Tzv_criterion> criteria;
  va_list args;
  va_start(args, queue);
  for (;;) {
    int32_t const code = va_arg(args, int32_t);
    if (code == zv_find_id) {
      criteria.push_back({code, nullptr, va_arg(args, int32_t)});
      continue;
    }
    void const* value = va_arg(args, void const*);
    if (code == zv_find_end && value == nullptr) break;
    // Unknown codes carry no criterion; a string criterion needs its name.
    if ((code == zv_find_name || code == zv_find_key) && value != nullptr) criteria.push_back({code, value, 0});
  }
  va_end(args);
  if (queue == nullptr) return false;
  for (int32_t i = 0; i < zv_event_queue_get_size(queue); ++i) {
    Tzv_update_event const* event = zv_event_queue_get_update_event(queue, i);
    if (event != nullptr && event_matches(event, criteria)) return true;
  }
  return false;
}
