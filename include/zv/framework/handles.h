// Interface handles: two machine words, the contract and the implementing
// object. One handle type per interface of the catalogue, plus the generic
// handle whose contract has the single slot `specialize`.
#pragma once

#include "zv/flat.h"
#include "zv/framework/catalogue.h"

ZV_BEGIN_C

ZV_DECLARE_STRUCT(t_zv_contract);

ZV_DECLARE_STRUCT(t_zv_interface);
struct t_zv_interface {
  t_zv_contract const* contract;
  void* self;
};

// Slot 0 of the generic contract: on a match writes the contract and self of
// the interface named `name` ("zv_<X>_interface_<N>"), else leaves them.
struct t_zv_contract {
  void (*specialize)(t_zv_contract const* contract, void* self, char const* name, void** result_contract,
                     void** result_self);
};

#define ZV_HANDLE_DECL(X, N, A, ...)       \
  ZV_DECLARE_STRUCT(t_zv_##X##_contract);  \
  ZV_DECLARE_STRUCT(t_zv_##X##_interface); \
  struct t_zv_##X##_interface {            \
    t_zv_##X##_contract const* contract;   \
    void* self;                            \
  };
#define ZV_I ZV_HANDLE_DECL
#define ZV_V ZV_HANDLE_DECL
#include "zv/framework/catalogue.def"
#undef ZV_I
#undef ZV_V
#undef ZV_HANDLE_DECL

ZV_END_C

static_assert(sizeof(t_zv_interface) == 2 * sizeof(void*), "a handle is two machine words");
