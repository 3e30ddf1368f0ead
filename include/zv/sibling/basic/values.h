// Values. Tzv_any, Tzv_tuple and Tzv_table are packed to 12 bytes each and
// read field by field by their users. Copies are deep: a string item owns its
// bytes, a tuple item owns its tuple.
// Part of the basic services library (zvk_basic).
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"

ZV_BEGIN_C

enum ZV_ENUM_TYPE(int32_t) {
  zv_any_empty = 0,
  zv_any_integer = 1,
  zv_any_string = 2,
  zv_any_tuple = 3,
  zv_any_double = 4,
  zv_any_pointer = 5,  // not owned
};

ZV_DECLARE_STRUCT(Tzv_tuple);

#pragma pack(push, 4)
union Tzv_any_value {
  int64_t i;
  double d;
  char* s;
  Tzv_tuple* t;
  void* p;
};
#ifndef __cplusplus
typedef union Tzv_any_value Tzv_any_value;
#endif
ZV_DECLARE_STRUCT(Tzv_any);
struct Tzv_any {
  int32_t type;
  Tzv_any_value value;
};
struct Tzv_tuple {
  int32_t count;
  Tzv_any* items;
};
ZV_DECLARE_STRUCT(Tzv_table);
struct Tzv_table {
  int32_t count;
  Tzv_tuple* rows;
};
#pragma pack(pop)

static_assert(sizeof(Tzv_any) == 12, "Tzv_any is packed to 12 bytes");
static_assert(sizeof(Tzv_tuple) == 12, "Tzv_tuple is packed to 12 bytes");
static_assert(sizeof(Tzv_table) == 12, "Tzv_table is packed to 12 bytes");

ZV_BASIC_API Tzv_table* table_create();
ZV_BASIC_API void table_destroy(Tzv_table* t);  // null accepted
ZV_BASIC_API void table_assign(Tzv_table* dst, Tzv_table const* src);
ZV_BASIC_API int table_compare(Tzv_table const* a, Tzv_table const* b);  // 0 when equal
ZV_BASIC_API void table_resize(Tzv_table* t, int32_t rows);              // appends empty rows / drops the tail
ZV_BASIC_API void table_clear(Tzv_table* t);

ZV_BASIC_API void tuple_init(Tzv_tuple* tp);               // empty tuple; nothing to free before
ZV_BASIC_API void tuple_resize(Tzv_tuple* tp, int32_t n);  // appends empty items / drops the tail
ZV_BASIC_API void tuple_clear(Tzv_tuple* tp);              // frees the items, count 0
ZV_BASIC_API void tuple_assign(Tzv_tuple* dst, Tzv_tuple const* src);
ZV_BASIC_API int tuple_compare(Tzv_tuple const* a, Tzv_tuple const* b);

ZV_BASIC_API void any_init(Tzv_any* a);   // empty; nothing to free before
ZV_BASIC_API void any_clear(Tzv_any* a);  // frees what it owns, becomes empty
ZV_BASIC_API void any_assign(Tzv_any* dst, Tzv_any const* src);
ZV_BASIC_API void any_assign_integer(Tzv_any* a, int64_t v);
ZV_BASIC_API void any_assign_double(Tzv_any* a, double v);
ZV_BASIC_API void any_assign_string(Tzv_any* a, char const* s);  // null: empty string
ZV_BASIC_API void any_assign_tuple(Tzv_any* a, Tzv_tuple const* t);
ZV_BASIC_API void any_assign_pointer(Tzv_any* a, void* p);
ZV_BASIC_API int any_compare(Tzv_any const* a, Tzv_any const* b);  // 0 when equal

ZV_END_C
