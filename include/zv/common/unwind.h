// Clean-up that must run when a scope ends, also when an exception passes,
// with one rule for exceptions that meet: the first one wins. The library and
// the modules beside it (the stand-ins of its sibling libraries) share it. A clean-up that
// throws while an earlier exception is unwinding is dropped; one that throws
// on a normal exit reaches the caller. Nothing here asks whether an exception
// is unwinding until a clean-up step has thrown: the question costs a lookup
// of thread-local state, and brackets close on every change.
#pragma once

#include <exception>
#include <utility>

namespace zv {

// Runs `f`; an exception from `f` is dropped while another one is unwinding.
template <class F>
void run_cleanup(F& f) {
  try {
    f();
  } catch (...) {
    if (std::uncaught_exceptions() > 0) return;  // the exception already in flight wins
    throw;
  }
}

// Runs an action when the scope ends, however it ends, unless released
// first (the step it would undo went through).
template <class F>
class [[nodiscard]] Tzv_finally {
 public:
  explicit Tzv_finally(F f) : f_(std::move(f)) {}
  ~Tzv_finally() noexcept(false) {
    if (armed_) run_cleanup(f_);
  }
  Tzv_finally(Tzv_finally const&) = delete;
  Tzv_finally& operator=(Tzv_finally const&) = delete;

  void release() { armed_ = false; }

 private:
  F f_;
  bool armed_ = true;
};

// Runs `f`; when it throws, runs `undo` (undoing a half-done step, its own
// exception dropped) and passes the exception on.
template <class F, class Undo>
decltype(auto) undo_on_failure(F&& f, Undo&& undo) {
  try {
    return std::forward<F>(f)();
  } catch (...) {
    try {
      undo();
    } catch (...) {  // the exception already in flight wins
    }
    throw;
  }
}

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

}  // namespace zv
