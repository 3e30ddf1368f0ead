// The generic functions of every interface, and the catalogue as data.
#include "zv/framework/binding.h"

#define ZV_GENERIC_FUNCTIONS(X, ...)                                                                                   \
  extern "C" {                                                                                                         \
  t_zv_##X##_interface zv_##X##_interface_null(void) { return {}; }                                                    \
  int zv_##X##_interface_is_null(t_zv_##X##_interface h) { return zv::detail::is_null(h) ? 1 : 0; }                    \
  int zv_##X##_interface_compare(t_zv_##X##_interface a, t_zv_##X##_interface b) { return zv::detail::compare(a, b); } \
  t_zv_interface zv_##X##_interface_generalize(t_zv_##X##_interface h) { return zv::detail::generalize(h); }           \
  t_zv_##X##_interface zv_##X##_interface_specialize(t_zv_interface g) {                                               \
    return zv::detail::specialize<t_zv_##X##_interface>(g);                                                            \
  }                                                                                                                    \
  }
#define ZV_I ZV_GENERIC_FUNCTIONS
#define ZV_V ZV_GENERIC_FUNCTIONS
#include "zv/framework/catalogue.def"
#undef ZV_I
#undef ZV_V

namespace zv::framework {
namespace {

template <class V, class Y>
bool deliver_visit(t_zv_interface visitor, t_zv_interface object) {
  auto const v = detail::specialize<V>(visitor);
  if (detail::is_null(v)) return false;
  auto const y = detail::specialize<Y>(object);
  if (detail::is_null(y)) return false;
  typename detail::traits<V>::client_type(v).visit(y);
  return true;
}

#define ZV_COUNT_OP(...) +1
#define ZV_ENTRY_I(X, N, A, OPS) {#X, N, A != 0, ZV_INTERFACE_NAME(X, N), 0 OPS(ZV_COUNT_OP, X), nullptr, nullptr},
#define ZV_ENTRY_V(X, N, A, Y) \
  {#X, N, A != 0, ZV_INTERFACE_NAME(X, N), 1, #Y, &deliver_visit<t_zv_##X##_interface, t_zv_##Y##_interface>},
#define ZV_I ZV_ENTRY_I
#define ZV_V ZV_ENTRY_V
constexpr catalogue_entry entries[] = {
#include "zv/framework/catalogue.def"
};
#undef ZV_I
#undef ZV_V

}  // namespace

std::span<catalogue_entry const> catalogue() { return entries; }

int deliver(t_zv_interface visitor, t_zv_interface object) {
  if (detail::is_null(visitor) || detail::is_null(object)) return 0;
  int visits = 0;
  for (auto const& entry : entries)
    if (entry.deliver && entry.deliver(visitor, object)) ++visits;
  return visits;
}

}  // namespace zv::framework
