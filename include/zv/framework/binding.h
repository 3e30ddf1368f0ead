// The client side of the component-interface binding, generated from the
// catalogue: for every interface X the handle t_zv_X_interface, its contract
// t_zv_X_contract (slot 0 generalize, then the operations), the five generic
// functions zv_X_interface_{null,is_null,compare,generalize,specialize}, the
// entry points zvk_framework_X_<op> and the client value type zv::X.
//
// Every module carries its own copy of this binding (static library
// zv_framework); only handles cross module borders.
#pragma once

#include <cstdint>
#include <span>

#include "zv/framework/handles.h"

// Framework classes that a few interfaces pass as raw pointers between
// modules of the same framework.
struct Izv_scene;
struct Izv_entity;
struct Tzv_layer_builder;
struct Tzv_xml_node;

#define ZV_APPEND(...) __VA_OPT__(, __VA_ARGS__)
#define ZV_INTERFACE_NAME(X, N) "zv_" #X "_interface_" #N

namespace zv::detail {

// Handle type <-> client type, and the name of each versioned interface.
template <class H>
struct traits;

template <class T>
struct abi {
  using type = T;
};
template <class T>
using abi_t = typename abi<T>::type;

// A contract slot for an operation of type R(A...) as the object side sees it.
template <class C, class F>
struct slot;
template <class C, class R, class... A>
struct slot<C, R(A...)> {
  using type = abi_t<R> (*)(C const*, void*, abi_t<A>...);
};
template <class C, class F>
using slot_t = typename slot<C, F>::type;

template <class H>
inline bool is_null(H h) {
  return !h.contract || !h.self;
}

template <class H>
inline int compare(H a, H b) {
  auto const ac = reinterpret_cast<uintptr_t>(a.contract), bc = reinterpret_cast<uintptr_t>(b.contract);
  if (ac != bc) return ac < bc ? -1 : 1;
  auto const as = reinterpret_cast<uintptr_t>(a.self), bs = reinterpret_cast<uintptr_t>(b.self);
  if (as != bs) return as < bs ? -1 : 1;
  return 0;
}

template <class H>
inline t_zv_interface generalize(H h) {
  if (is_null(h)) return {};
  return h.contract->generalize(h.contract, h.self);
}

template <class H>
inline H specialize(t_zv_interface g) {
  H result{};
  if (is_null(g)) return result;
  void* contract = nullptr;
  void* self = nullptr;
  g.contract->specialize(g.contract, g.self, traits<H>::name, &contract, &self);
  if (contract && self) {
    result.contract = static_cast<typename traits<H>::contract const*>(contract);
    result.self = self;
  }
  return result;
}

template <class T>
inline abi_t<T> to_abi(T const& value) {
  return value;
}

// Calls one slot: the handle's words first, then the arguments as handles.
template <class R, class C, class... P, class... A>
inline R invoke(R (*fn)(C const*, void*, P...), C const* contract, void* self, A const&... args) {
  return fn(contract, self, to_abi(args)...);
}

template <class... A>
constexpr void unused(A const&...) {}

// What a client value type zv::X shares: the wrapped handle.
template <class H>
class client {
 public:
  using handle_type = H;
  client() = default;
  client(H handle) : handle_(handle) {}  // NOLINT: a handle is its client value
  operator H() const { return handle_; }
  H handle() const { return handle_; }
  bool is_null() const { return detail::is_null(handle_); }
  t_zv_interface generalize() const { return detail::generalize(handle_); }
  friend bool operator==(client const& a, client const& b) { return compare(a.handle_, b.handle_) == 0; }
  friend bool operator<(client const& a, client const& b) { return compare(a.handle_, b.handle_) < 0; }

 private:
  H handle_{};
};

}  // namespace zv::detail

// Pass 1: client types are declared and tied to their handles.
#define ZV_CLIENT_FWD(X, N, ...)                                 \
  namespace zv {                                                 \
  class X;                                                       \
  namespace detail {                                             \
  template <>                                                    \
  struct abi<X> {                                                \
    using type = t_zv_##X##_interface;                           \
  };                                                             \
  template <>                                                    \
  struct traits<t_zv_##X##_interface> {                          \
    using client_type = X;                                       \
    using contract = t_zv_##X##_contract;                        \
    static constexpr char const* name = ZV_INTERFACE_NAME(X, N); \
  };                                                             \
  }                                                              \
  }
#define ZV_I ZV_CLIENT_FWD
#define ZV_V ZV_CLIENT_FWD
#include "zv/framework/catalogue.def"
#undef ZV_I
#undef ZV_V
#undef ZV_CLIENT_FWD

// Pass 2: client value types with their operations declared.
#define ZV_CLIENT_OP_DECL(X, op, R, P, A) R op P const;
#define ZV_CLIENT_CLASS(X, DECLS)                                                                 \
  namespace zv {                                                                                  \
  class X : public detail::client<t_zv_##X##_interface> {                                         \
   public:                                                                                        \
    using client::client;                                                                         \
    static X specialize(t_zv_interface g) { return detail::specialize<t_zv_##X##_interface>(g); } \
    DECLS                                                                                         \
  };                                                                                              \
  }
#define ZV_CLIENT_I(X, N, A, OPS) ZV_CLIENT_CLASS(X, OPS(ZV_CLIENT_OP_DECL, X))
#define ZV_CLIENT_V(X, N, A, Y) ZV_CLIENT_CLASS(X, ZV_OPS_VISIT(ZV_CLIENT_OP_DECL, X, Y))
#define ZV_I ZV_CLIENT_I
#define ZV_V ZV_CLIENT_V
#include "zv/framework/catalogue.def"
#undef ZV_I
#undef ZV_V
#undef ZV_CLIENT_I
#undef ZV_CLIENT_V
#undef ZV_CLIENT_CLASS
#undef ZV_CLIENT_OP_DECL

// Pass 3: contracts and the generic functions.
#define ZV_CONTRACT_SLOT(X, op, R, P, A) zv::detail::slot_t<t_zv_##X##_contract, R P> op;
#define ZV_CONTRACT_STRUCT(X, SLOTS)                                               \
  extern "C" {                                                                     \
  struct t_zv_##X##_contract {                                                     \
    t_zv_interface (*generalize)(t_zv_##X##_contract const* contract, void* self); \
    SLOTS                                                                          \
  };                                                                               \
  t_zv_##X##_interface zv_##X##_interface_null(void);                              \
  int zv_##X##_interface_is_null(t_zv_##X##_interface h);                          \
  int zv_##X##_interface_compare(t_zv_##X##_interface a, t_zv_##X##_interface b);  \
  t_zv_interface zv_##X##_interface_generalize(t_zv_##X##_interface h);            \
  t_zv_##X##_interface zv_##X##_interface_specialize(t_zv_interface g);            \
  }
#define ZV_CONTRACT_I(X, N, A, OPS) ZV_CONTRACT_STRUCT(X, OPS(ZV_CONTRACT_SLOT, X))
#define ZV_CONTRACT_V(X, N, A, Y) ZV_CONTRACT_STRUCT(X, ZV_OPS_VISIT(ZV_CONTRACT_SLOT, X, Y))
#define ZV_I ZV_CONTRACT_I
#define ZV_V ZV_CONTRACT_V
#include "zv/framework/catalogue.def"
#undef ZV_I
#undef ZV_V
#undef ZV_CONTRACT_I
#undef ZV_CONTRACT_V
#undef ZV_CONTRACT_STRUCT
#undef ZV_CONTRACT_SLOT

// Pass 4: entry points (one test of the two words, one indirect call) and the
// operations of the client value types, which forward to them.
#define ZV_ENTRY(X, op, R, P, A)                                                             \
  inline zv::detail::abi_t<R> zvk_framework_##X##_##op(t_zv_##X##_interface h ZV_APPEND P) { \
    if (!h.contract || !h.self) return zv::detail::abi_t<R>();                               \
    return zv::detail::invoke(h.contract->op, h.contract, h.self ZV_APPEND A);               \
  }                                                                                          \
  inline R zv::X::op P const { return R(zvk_framework_##X##_##op(handle() ZV_APPEND A)); }
#define ZV_ENTRY_I(X, N, A, OPS) OPS(ZV_ENTRY, X)
#define ZV_ENTRY_V(X, N, A, Y) ZV_OPS_VISIT(ZV_ENTRY, X, Y)
#define ZV_I ZV_ENTRY_I
#define ZV_V ZV_ENTRY_V
#include "zv/framework/catalogue.def"
#undef ZV_I
#undef ZV_V
#undef ZV_ENTRY_I
#undef ZV_ENTRY_V
#undef ZV_ENTRY

namespace zv::framework {

// One row of the catalogue, as data.
struct catalogue_entry {
  char const* name;            // X
  int version;                 // N
  bool has_adapter;            // zv::X_impl exists
  char const* interface_name;  // "zv_X_interface_N"
  int operation_count;         // slots after generalize whose signatures are fixed
  char const* visited;         // for a visitor of one kind: the visited interface Y, else null
  // For such a visitor: specialises `visitor` to X and `object` to Y and,
  // when both answer, calls visit; true when it did.
  bool (*deliver)(t_zv_interface visitor, t_zv_interface object);
};

std::span<catalogue_entry const> catalogue();

// Hands `object` to `visitor` through every visitor interface of one kind
// that both understand; the number of visits made.
int deliver(t_zv_interface visitor, t_zv_interface object);

}  // namespace zv::framework
