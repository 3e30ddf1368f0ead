// Clean-up that must run when a scope ends, also when an exception passes,
// with one rule for exceptions that meet: the first one wins. A clean-up that
// throws while an earlier exception is unwinding is dropped; one that throws
// on a normal exit reaches the caller.
#pragma once

#include <exception>
#include <utility>

namespace zv::core {

// Runs `f`; while an exception is already unwinding (more than `unwinding`
// are in flight), an exception from `f` is dropped.
template <class F>
void run_cleanup(int unwinding, F& f) {
  if (std::uncaught_exceptions() > unwinding) {
    try {
      f();
    } catch (...) {  // the exception already in flight wins
    }
  } else {
    f();
  }
}

// Runs an action when the scope ends, however it ends.
template <class F>
class Tzv_finally {
 public:
  explicit Tzv_finally(F f) : f_(std::move(f)) {}
  ~Tzv_finally() noexcept(false) { run_cleanup(unwinding_, f_); }
  Tzv_finally(Tzv_finally const&) = delete;
  Tzv_finally& operator=(Tzv_finally const&) = delete;

 private:
  F f_;
  int unwinding_ = std::uncaught_exceptions();
};

// Runs an action only when the scope is left by an exception (undoing a
// half-done step); its own exception is dropped.
template <class F>
class Tzv_on_failure {
 public:
  explicit Tzv_on_failure(F f) : f_(std::move(f)) {}
  ~Tzv_on_failure() {
    if (std::uncaught_exceptions() <= unwinding_) return;
    try {
      f_();
    } catch (...) {  // the exception already in flight wins
    }
  }
  Tzv_on_failure(Tzv_on_failure const&) = delete;
  Tzv_on_failure& operator=(Tzv_on_failure const&) = delete;

 private:
  F f_;
  int unwinding_ = std::uncaught_exceptions();
};

// Calls `f` on every element, also when a call throws; the first exception
// is passed on after the last element.
template <class Range, class F>
void for_each_all(Range&& range, F&& f) {
  std::exception_ptr first;
  for (auto&& e : range) {
    try {
      f(e);
    } catch (...) {
      if (!first) first = std::current_exception();
    }
  }
  if (first) std::rethrow_exception(first);
}

}  // namespace zv::core
