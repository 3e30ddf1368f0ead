// Forwarding from an exported function to a member operation. A null handle
// makes the call do nothing and yield a zero value.
#pragma once

#include <type_traits>
#include <utility>

namespace zv::api {

template <class T, class Member, class... Args>
decltype(auto) call(T* obj, Member member, Args&&... args) {
  using R = decltype((obj->*member)(std::forward<Args>(args)...));
  if (obj == nullptr) {
    if constexpr (std::is_void_v<R>) {
      return;
    } else {
      return std::remove_cvref_t<R>{};
    }
  } else {
    return (obj->*member)(std::forward<Args>(args)...);
  }
}

// Two-handle operations (assign, equal): nothing unless both are given.
template <class T, class Member>
decltype(auto) call2(T* a, T* b, Member member) {
  using R = decltype((a->*member)(*b));
  if (a == nullptr || b == nullptr) {
    if constexpr (std::is_void_v<R>) {
      return;
    } else {
      return R{};
    }
  } else {
    return (a->*member)(*b);
  }
}

}  // namespace zv::api
