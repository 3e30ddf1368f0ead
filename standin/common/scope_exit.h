// Runs an action when a scope ends, however it ends, with one rule for
// exceptions that meet: the first one wins. An action that throws while an
// earlier exception is unwinding is dropped; one that throws on a normal
// exit reaches the caller. The stand-ins' brackets and their clean-up steps
// are built on it instead of hand-written try/catch.
#pragma once

#include <exception>
#include <utility>

template <class F>
class [[nodiscard]] Tzv_scope_exit {
 public:
  explicit Tzv_scope_exit(F f) : f_(std::move(f)) {}
  // Whether an exception is unwinding is asked only once the action threw:
  // the question costs a lookup of thread-local state.
  ~Tzv_scope_exit() noexcept(false) {
    if (!armed_) return;
    try {
      f_();
    } catch (...) {
      if (std::uncaught_exceptions() > 0) return;  // the exception already on its way wins
      throw;
    }
  }
  Tzv_scope_exit(Tzv_scope_exit const&) = delete;
  Tzv_scope_exit& operator=(Tzv_scope_exit const&) = delete;

  // The action will not run: the step it would have undone went through.
  void release() { armed_ = false; }

 private:
  F f_;
  bool armed_ = true;
};
