// Event channels. A broadcast hands every client a queue (a Tzv_table of
// events, valid during the call). Clients may add or remove clients, and an
// owner may release the channel, during a broadcast.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"
#include "zv/sibling/basic/update_events.h"
#include "zv/sibling/basic/values.h"

ZV_BEGIN_C

ZV_DECLARE_STRUCT(Tzv_event_channel);
typedef void (*Tzv_event_proc)(Tzv_table* queue, void* data);

ZV_BASIC_API Tzv_event_channel* zv_event_channel_create();
ZV_BASIC_API void zv_event_channel_add_client(Tzv_event_channel* c, Tzv_event_proc proc, void* data);
// Removes the client (proc, data). Null proc and data: the owner releases the
// channel, which is freed (after the running broadcast, if any).
ZV_BASIC_API void zv_event_channel_del_client(Tzv_event_channel* c, Tzv_event_proc proc, void* data);
ZV_BASIC_API int32_t zv_event_channel_get_client_count(Tzv_event_channel const* c);
// Delivers one event of any kind. The caller keeps and clears the event.
ZV_BASIC_API void zv_event_channel_broadcast_event(Tzv_event_channel* c, Tzv_event const* e);
// Delivers a generic event: a tuple (item 0 an integer id, item 1 the data).
ZV_BASIC_API void zv_event_channel_broadcast_tuple(Tzv_event_channel* c, Tzv_tuple const* t);

// Event queues: counts are signed 32-bit; getters yield the i-th event when it
// is of that kind, else null (also for i out of range).
ZV_BASIC_API int32_t zv_event_queue_get_size(Tzv_table const* q);
ZV_BASIC_API int32_t zv_event_queue_count_update_events(Tzv_table const* q);
ZV_BASIC_API Tzv_update_event* zv_event_queue_get_update_event(Tzv_table const* q, int32_t i);
ZV_BASIC_API Tzv_begin_update_event* zv_event_queue_get_begin_update_event(Tzv_table const* q, int32_t i);
ZV_BASIC_API Tzv_end_update_event* zv_event_queue_get_end_update_event(Tzv_table const* q, int32_t i);
ZV_BASIC_API Tzv_tuple* zv_event_queue_get_generic_event(Tzv_table const* q, int32_t i);
// Building queues by hand (forwarding tests). Events are referenced, not copied.
ZV_BASIC_API Tzv_table* zv_event_queue_create();
ZV_BASIC_API void zv_event_queue_push(Tzv_table* q, Tzv_event const* e);
ZV_BASIC_API void zv_event_queue_push_tuple(Tzv_table* q, Tzv_tuple const* t);
ZV_BASIC_API void zv_event_queue_destroy(Tzv_table* q);

ZV_END_C

#ifdef __cplusplus
// Typed broadcasts for C++ callers.
inline void zv_event_channel_broadcast(Tzv_event_channel* c, Tzv_update_event const* e) {
  zv_event_channel_broadcast_event(c, &e->header);
}
inline void zv_event_channel_broadcast(Tzv_event_channel* c, Tzv_begin_update_event const* e) {
  zv_event_channel_broadcast_event(c, &e->header);
}
inline void zv_event_channel_broadcast(Tzv_event_channel* c, Tzv_end_update_event const* e) {
  zv_event_channel_broadcast_event(c, &e->header);
}
inline void zv_event_channel_broadcast(Tzv_event_channel* c, Tzv_tuple const* t) {
  zv_event_channel_broadcast_tuple(c, t);
}
#endif
