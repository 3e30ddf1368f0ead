// Contract tables of this module: for every interface with an adapter, the
// table of X (slot 0 generalize, then one forwarding function per operation)
// and the generic table of the adapter class. The tables are constants, set
// up before any code of the module runs, and never change.
#include <cstring>

#include "zv/framework/adapters.h"

namespace zv::detail {
namespace {

bool same_name(char const* a, char const* b) { return a && std::strcmp(a, b) == 0; }

// Slot 0 of X's table: the object's generic handle.
template <class Impl, class C>
t_zv_interface generalize_slot(C const*, void* self) {
  return static_cast<t_zv_interface>(*static_cast<Impl*>(self));
}

// Slot 0 of an adapter's generic table: both results cleared, then the
// object's own (possibly chained) specialize.
template <class Impl>
void specialize_slot(t_zv_contract const*, void* self, char const* name, void** contract, void** result_self) {
  if (!contract || !result_self) return;
  *contract = nullptr;
  *result_self = nullptr;
  static_cast<Impl*>(self)->specialize(name, contract, result_self);
}

// Slot k of X's table: the adapter's k-th virtual operation.
template <class M>
struct method;
template <class Impl, class R, class... A>
struct method<R (Impl::*)(A...)> {
  template <R (Impl::*M)(A...), class C>
  static abi_t<R> call(C const*, void* self, abi_t<A>... args) {
    return (static_cast<Impl*>(self)->*M)(args...);
  }
};
template <auto M, class C>
constexpr auto operation_slot = &method<decltype(M)>::template call<M, C>;

}  // namespace
}  // namespace zv::detail

#define ZV_TABLE_SLOT(X, op, R, P, A) , zv::detail::operation_slot<&zv::X##_impl::op, t_zv_##X##_contract>
#define ZV_TABLE(X, N, SLOTS)                                                                   \
  t_zv_##X##_contract const zv_##X##_contract_##N = {                                           \
      &zv::detail::generalize_slot<zv::X##_impl, t_zv_##X##_contract> SLOTS};                   \
  namespace {                                                                                   \
  t_zv_contract const zv_##X##_generic_contract = {&zv::detail::specialize_slot<zv::X##_impl>}; \
  }                                                                                             \
  void zv::X##_impl::specialize(char const* name, void** contract, void** self) {               \
    if (!contract || !self || !zv::detail::same_name(name, ZV_INTERFACE_NAME(X, N))) return;    \
    *contract = const_cast<t_zv_##X##_contract*>(&zv_##X##_contract_##N);                       \
    *self = this;                                                                               \
  }                                                                                             \
  zv::X##_impl::operator t_zv_interface() { return {&zv_##X##_generic_contract, this}; }
#define ZV_TABLE_IF_1(M) M
#define ZV_TABLE_IF_0(M) ZV_TABLE_SKIP
#define ZV_TABLE_SKIP(...)
#define ZV_TABLE_I(X, N, A, OPS) ZV_TABLE_IF_##A(ZV_TABLE)(X, N, OPS(ZV_TABLE_SLOT, X))
#define ZV_TABLE_V(X, N, A, Y) ZV_TABLE_IF_##A(ZV_TABLE)(X, N, ZV_OPS_VISIT(ZV_TABLE_SLOT, X, Y))
#define ZV_I ZV_TABLE_I
#define ZV_V ZV_TABLE_V
#include "zv/framework/catalogue.def"
#undef ZV_I
#undef ZV_V

namespace zv {

void polymorphic_next::specialize_next(char const*, void**, void**) {}

void polymorphic_base::specialize_base(char const* name, void** contract, void** self) {
  for (polymorphic_next* link = first_; link; link = link->next_) link->specialize_next(name, contract, self);
}

}  // namespace zv
