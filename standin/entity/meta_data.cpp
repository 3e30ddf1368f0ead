// Meta data: a named bag of values kept as a table of name/value rows.

#include "zv/sibling/entity.h"

struct Tzv_meta_data_obj {
  Tzv_meta_data_obj() : table(table_create()) {}
  ~Tzv_meta_data_obj() { table_destroy(table); }
  Tzv_meta_data_obj(Tzv_meta_data_obj const&) = delete;
  Tzv_meta_data_obj& operator=(Tzv_meta_data_obj const&) = delete;

  Tzv_table* table;
};

Tzv_meta_data_obj* zv_meta_data_create() { return new Tzv_meta_data_obj; }

void zv_meta_data_assign(Tzv_meta_data_obj* dst, Tzv_meta_data_obj const* src) {
  if (dst && src) table_assign(dst->table, src->table);
}

bool zv_meta_data_equal(Tzv_meta_data_obj const* a, Tzv_meta_data_obj const* b) {
  return a && b && table_compare(a->table, b->table) == 0;
}

void zv_meta_data_destroy(Tzv_meta_data_obj* m) { delete m; }

Tzv_table* zv_meta_data_get_table(Tzv_meta_data_obj* m) { return m ? m->table : nullptr; }
