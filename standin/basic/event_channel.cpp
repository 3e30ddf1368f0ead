// Event channels and event queues.
//
// A queue is a Tzv_table with one row per event: item 0 the event kind
// (integer), item 1 a pointer to the event, or to the tuple of a generic
// event. Queues reference events, they never own them.
//
// Clients run in the order they were added. A client may add or remove
// clients, broadcast again, or have the owner release the channel while a
// broadcast runs: removed clients are only flagged until the outermost
// broadcast returns, clients added meanwhile sit beyond the range that the
// running broadcasts walk, and a released channel is freed by the outermost
// broadcast on its way out.

#include <cstddef>
#include <cstdint>
#include <vector>

#include "zv/sibling/basic/event_channel.h"
#include "zv/sibling/fault_hooks.h"

struct Tzv_event_channel {
  struct Tzv_client {
    Tzv_event_proc proc;
    void* data;
    bool live;
  };
  std::vector<Tzv_client> clients;  // in the order they were added
  int32_t live_count = 0;
  int32_t broadcast_depth = 0;
  bool has_removed = false;
  bool released = false;
};

namespace {

using zv_channel = Tzv_event_channel;
using Tzv_client = Tzv_event_channel::Tzv_client;

void zv_drop_removed(zv_channel* c) {
  std::erase_if(c->clients, [](Tzv_client const& cl) { return !cl.live; });
  c->has_removed = false;
}

void zv_release(zv_channel* c) {
  if (c->broadcast_depth > 0) {
    c->released = true;
    c->live_count = 0;
  } else {
    delete c;
  }
}

void zv_remove_client(zv_channel* c, Tzv_event_proc proc, void* data) {
  for (auto it = c->clients.begin(); it != c->clients.end(); ++it) {
    if (!it->live || it->proc != proc || it->data != data) continue;
    --c->live_count;
    if (c->broadcast_depth > 0) {
      it->live = false;
      c->has_removed = true;
    } else {
      c->clients.erase(it);
    }
    return;
  }
}

// Counts a running broadcast; the outermost one tidies up on its way out,
// also when a client throws.
class Tzv_broadcast_scope {
 public:
  explicit Tzv_broadcast_scope(zv_channel* c) : c_(c) { ++c_->broadcast_depth; }
  ~Tzv_broadcast_scope() {
    if (--c_->broadcast_depth > 0) return;
    if (c_->released) delete c_;
    else if (c_->has_removed) zv_drop_removed(c_);
  }
  Tzv_broadcast_scope(Tzv_broadcast_scope const&) = delete;
  Tzv_broadcast_scope& operator=(Tzv_broadcast_scope const&) = delete;

 private:
  zv_channel* c_;
};

void zv_deliver(zv_channel* c, Tzv_table* queue) {
  if (!c || c->live_count == 0) return;
  Tzv_broadcast_scope const scope(c);
  std::size_t const n = c->clients.size();
  for (std::size_t i = 0; i < n && !c->released; ++i) {
    Tzv_client const cl = c->clients[i];  // a copy: clients may grow meanwhile
    if (!cl.live) continue;
    cl.proc(queue, cl.data);
    zv_fault_point(zv_fault_listener, cl.data);  // a test may make this client throw once it has run
  }
}

// A queue of one event on the stack, valid during one broadcast.
struct Tzv_single_queue {
  Tzv_single_queue(int32_t kind, void const* event) {
    items[0].type = zv_any_integer;
    items[0].value.i = kind;
    items[1].type = zv_any_pointer;
    items[1].value.p = const_cast<void*>(event);
    row.count = 2;
    row.items = items;
    table.count = 1;
    table.rows = &row;
  }
  Tzv_any items[2];
  Tzv_tuple row;
  Tzv_table table;
};

bool zv_is_bracket_kind(int32_t kind) {
  return kind == zv_event_kind_update || kind == zv_event_kind_begin_update || kind == zv_event_kind_end_update;
}

// The event of row i when it is of that kind, else null.
void* zv_queue_event(Tzv_table const* q, int32_t i, int32_t kind) {
  if (!q || i < 0 || i >= q->count) return nullptr;
  Tzv_tuple const* const rows = q->rows;
  Tzv_tuple const& row = rows[i];
  if (row.count < 2) return nullptr;
  Tzv_any const* const items = row.items;
  if (items[0].type != zv_any_integer || items[0].value.i != kind || items[1].type != zv_any_pointer) return nullptr;
  return items[1].value.p;
}

void zv_queue_append(Tzv_table* q, int32_t kind, void const* event) {
  int32_t const n = q->count;
  table_resize(q, n + 1);
  Tzv_tuple* const rows = q->rows;
  tuple_resize(&rows[n], 2);
  Tzv_any* const items = rows[n].items;
  any_assign_integer(&items[0], kind);
  any_assign_pointer(&items[1], const_cast<void*>(event));
}

}  // namespace

// --- Channels ------------------------------------------------------------------

Tzv_event_channel* zv_event_channel_create() { return new Tzv_event_channel; }

void zv_event_channel_add_client(Tzv_event_channel* c, Tzv_event_proc proc, void* data) {
  if (!c || !proc || c->released) return;
  c->clients.push_back({proc, data, true});
  ++c->live_count;
}

void zv_event_channel_del_client(Tzv_event_channel* c, Tzv_event_proc proc, void* data) {
  if (!c || c->released) return;
  if (!proc && !data) zv_release(c);
  else zv_remove_client(c, proc, data);
}

int32_t zv_event_channel_get_client_count(Tzv_event_channel const* c) { return c ? c->live_count : 0; }

void zv_event_channel_broadcast_event(Tzv_event_channel* c, Tzv_event const* e) {
  if (!e || !zv_is_bracket_kind(e->kind)) return;
  Tzv_single_queue q(e->kind, e);
  zv_deliver(c, &q.table);
}

void zv_event_channel_broadcast_tuple(Tzv_event_channel* c, Tzv_tuple const* t) {
  if (!t) return;
  Tzv_single_queue q(zv_event_kind_generic, t);
  zv_deliver(c, &q.table);
}

// --- Queues --------------------------------------------------------------------

int32_t zv_event_queue_get_size(Tzv_table const* q) { return q ? q->count : 0; }

int32_t zv_event_queue_count_update_events(Tzv_table const* q) {
  int32_t n = 0;
  for (int32_t i = 0; i < zv_event_queue_get_size(q); ++i)
    if (zv_queue_event(q, i, zv_event_kind_update)) ++n;
  return n;
}

// Bracketed events begin with their Tzv_event header, so the stored header
// pointer is the event's own address.
Tzv_update_event* zv_event_queue_get_update_event(Tzv_table const* q, int32_t i) {
  return static_cast<Tzv_update_event*>(zv_queue_event(q, i, zv_event_kind_update));
}

Tzv_begin_update_event* zv_event_queue_get_begin_update_event(Tzv_table const* q, int32_t i) {
  return static_cast<Tzv_begin_update_event*>(zv_queue_event(q, i, zv_event_kind_begin_update));
}

Tzv_end_update_event* zv_event_queue_get_end_update_event(Tzv_table const* q, int32_t i) {
  return static_cast<Tzv_end_update_event*>(zv_queue_event(q, i, zv_event_kind_end_update));
}

Tzv_tuple* zv_event_queue_get_generic_event(Tzv_table const* q, int32_t i) {
  return static_cast<Tzv_tuple*>(zv_queue_event(q, i, zv_event_kind_generic));
}

Tzv_table* zv_event_queue_create() { return table_create(); }

void zv_event_queue_push(Tzv_table* q, Tzv_event const* e) {
  if (q && e && zv_is_bracket_kind(e->kind)) zv_queue_append(q, e->kind, e);
}

void zv_event_queue_push_tuple(Tzv_table* q, Tzv_tuple const* t) {
  if (q && t) zv_queue_append(q, zv_event_kind_generic, t);
}

void zv_event_queue_destroy(Tzv_table* q) { table_destroy(q); }
