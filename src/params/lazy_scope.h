// zv::lazy_scope<T, &create, &destroy, &init>: the single owner of a sibling
// library's handle, like zv::scope, but the handle is made (by `create`, then
// set up by `init` when one is given) only when it is first asked for. An
// object that owns many such handles which most of its users never read (the
// styles of a scene) stays small, while every reader still sees the same
// defaults as if the handle had been made with the object. Move-only.
#pragma once

#include <type_traits>

#include "core/scope.h"

namespace zv {

template <class T, auto Create, auto Destroy, auto Init = nullptr>
class lazy_scope {
 public:
  // The handle, made on the first call. Reading it is no change of the
  // owner's value, so a const owner may make it.
  T get() const {
    if (!handle_) handle_ = make();
    return handle_.get();
  }
  // Releases the handle; the next get makes a new one.
  void reset() { handle_.reset(); }

 private:
  // Set up before it is kept, so an exception from `init` leaves none.
  static scope<T, Destroy> make() {
    scope<T, Destroy> made(Create());
    if constexpr (!std::is_null_pointer_v<decltype(Init)>) Init(made.get());
    return made;
  }

  mutable scope<T, Destroy> handle_;
};

}  // namespace zv
