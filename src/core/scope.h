// zv::scope<T, &destroy>: the single owner of a sibling library's handle,
// which it releases through that library's destroy function. Move-only.
#pragma once

#include <utility>

namespace zv {

template <class T, auto Destroy>
class scope {
 public:
  scope() = default;
  explicit scope(T handle) : handle_(handle) {}
  ~scope() { release(); }

  scope(scope const&) = delete;
  scope& operator=(scope const&) = delete;
  scope(scope&& other) noexcept : handle_(std::exchange(other.handle_, T{})) {}
  scope& operator=(scope&& other) noexcept {
    if (this != &other) reset(std::exchange(other.handle_, T{}));
    return *this;
  }

  T get() const { return handle_; }
  T operator->() const { return handle_; }
  explicit operator bool() const { return handle_ != T{}; }

  // Takes over `handle`, releasing the one held before.
  void reset(T handle = T{}) {
    release();
    handle_ = handle;
  }
  // Gives up ownership without releasing.
  [[nodiscard]] T detach() { return std::exchange(handle_, T{}); }

 private:
  void release() {
    if (handle_ != T{}) Destroy(handle_);
  }

  T handle_{};
};

}  // namespace zv
