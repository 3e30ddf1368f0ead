// The one way an exported function reaches the library: it turns its handle
// back into the object and forwards to one member operation.
//
//   ZV_SCN_2D_API bool zv_margins_get_visible(Tzv_margins_obj* m) {
//     return zv::api::fwd<&Tzv_margins_obj::get_visible>(m); }
//
// The null rule: a null handle, or a null pointer passed where the member
// takes a reference (an object it needs: the source of an assign, an output,
// an adapter), makes the call do nothing and answer the operation's zero
// value, or the fallback named as second template argument
// (fwd<&T::find, -1>). Pointers that the member takes as pointers reach it
// unchanged: there null has a meaning of its own.
#pragma once

#include <cstddef>
#include <tuple>
#include <type_traits>
#include <typeinfo>
#include <utility>

#include "core/extensible_obj.h"

namespace zv::api {

// The class, result and parameters of a member operation.
template <class M>
struct member_traits;

#define ZV_API_MEMBER_TRAITS(CV, NOEXCEPT)                   \
  template <class C, class R, class... P>                    \
  struct member_traits<R (C::*)(P...) CV NOEXCEPT> {         \
    using object = C CV;                                     \
    using result = R;                                        \
    template <std::size_t I>                                 \
    using param = std::tuple_element_t<I, std::tuple<P...>>; \
  };
ZV_API_MEMBER_TRAITS(, )
ZV_API_MEMBER_TRAITS(const, )
ZV_API_MEMBER_TRAITS(, noexcept)
ZV_API_MEMBER_TRAITS(const, noexcept)
#undef ZV_API_MEMBER_TRAITS

// Marks "no fallback given": the result's value-initialised zero.
struct zero_t {};
inline constexpr zero_t zero{};

// A pointer argument to the object that the member takes by reference.
template <class P, class A>
inline constexpr bool needs_object =
    std::is_reference_v<P>&& std::is_pointer_v<std::remove_cvref_t<A>>&&
        std::is_convertible_v<std::remove_cvref_t<A>, std::remove_reference_t<P>*>;

template <class P, class A>
bool present(A const& a) {
  if constexpr (needs_object<P, A>) {
    return a != nullptr;
  } else {
    return true;
  }
}

template <class P, class A>
decltype(auto) pass(A&& a) {
  if constexpr (needs_object<P, A>) {
    return *a;
  } else {
    return std::forward<A>(a);
  }
}

// The handle as the member's class: a static conversion where the class is
// the handle's own or a base of it, a checked one across interfaces. A
// handle whose object is exactly of that class (the common case, a scene of
// this library) is converted without the search of a dynamic_cast.
template <class C, class H>
C* object_of(H* h) {
  if constexpr (std::is_convertible_v<H*, C*>) {
    return h;
  } else {
    if constexpr (requires { static_cast<C*>(h); }) {
      if (h != nullptr && typeid(*h) == typeid(C)) return static_cast<C*>(h);
    }
    return dynamic_cast<C*>(h);
  }
}

// Exports answer by value.
template <class R>
using answer_t = std::conditional_t<std::is_reference_v<R>, std::remove_cvref_t<R>, R>;

template <class R, auto None>
answer_t<R> none() {
  if constexpr (std::is_void_v<R>) {
    return;
  } else if constexpr (std::is_same_v<std::remove_cv_t<decltype(None)>, zero_t>) {
    return std::remove_cvref_t<R>{};
  } else {
    return static_cast<std::remove_cvref_t<R>>(None);
  }
}

template <auto Member, auto None, class H, class... A, std::size_t... I>
auto fwd_each(H* h, std::index_sequence<I...>, A&&... a)
    -> answer_t<typename member_traits<decltype(Member)>::result> {
  using Tr = member_traits<decltype(Member)>;
  using R = typename Tr::result;
  auto* obj = object_of<typename Tr::object>(h);
  if (obj == nullptr || !(present<typename Tr::template param<I>>(a) && ...)) return none<R, None>();
  using Obj = std::remove_pointer_t<decltype(obj)>;
  if constexpr (std::is_base_of_v<Tzv_extensible_obj, Obj> && !std::is_const_v<Obj>) {
    Tzv_extensible_obj::Tzv_operation const call(obj);
    return (obj->*Member)(pass<typename Tr::template param<I>>(std::forward<A>(a))...);
  } else {
    return (obj->*Member)(pass<typename Tr::template param<I>>(std::forward<A>(a))...);
  }
}

// Forwards to `Member` under the null rule above.
template <auto Member, auto None = zero, class H, class... A>
auto fwd(H* h, A&&... a) {
  return fwd_each<Member, None>(h, std::index_sequence_for<A...>{}, std::forward<A>(a)...);
}

// A new object for the caller, ended by the family's destroy.
template <class T, class... A>
T* create(A&&... a) {
  return new T(std::forward<A>(a)...);
}

// Ends an object made by create; null is accepted. An object of this library
// that is inside one of its own operations (a listener destroys what is
// announcing to it) goes when that operation returns.
template <class T>
void destroy(T* obj) {
  if constexpr (std::is_polymorphic_v<T>) {
    if (auto* own = dynamic_cast<Tzv_extensible_obj*>(obj)) return own->release_when_idle();
  }
  delete obj;
}

}  // namespace zv::api
