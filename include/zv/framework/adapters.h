// The object side of the binding: the adapters zv::X_impl through which an
// object implements interface X, the polymorphic chain that lets one object
// answer specialisation for several interfaces, the reference `ref` that
// holds another module's service under the referrer/referent protocol, the
// string visitors, and the bundle and service-factory support.
#pragma once

#include <cstdint>
#include <list>
#include <string>

#include "zv/framework/binding.h"

// Adapters: virtual operations in slot order, each with a harmless default.
// The contract tables and the out-of-line members live in zv_framework.
#define ZV_ADAPTER_OP(X, op, R, P, A) \
  virtual R op P {                    \
    zv::detail::unused A;             \
    return R();                       \
  }
#define ZV_ADAPTER_CLASS(X, N, DECLS)                                                         \
  extern t_zv_##X##_contract const zv_##X##_contract_##N;                                     \
  namespace zv {                                                                              \
  class X##_impl {                                                                            \
   public:                                                                                    \
    using interface_type = t_zv_##X##_interface;                                              \
    using client_type = X;                                                                    \
    /* Writes X's contract and this sub-object when `name` is X's interface name. */          \
    virtual void specialize(char const* name, void** contract, void** self);                  \
    /* The generic handle of this sub-object. */                                              \
    virtual operator t_zv_interface();                                                        \
    DECLS                                                                                     \
    operator t_zv_##X##_interface() { return {&zv_##X##_contract_##N, this}; }                \
    operator X() { return X(static_cast<t_zv_##X##_interface>(*this)); }                      \
    /* The object behind a handle made by this module's table for X, else null. */            \
    static X##_impl* from_interface(t_zv_##X##_interface h) {                                 \
      return h.contract == &zv_##X##_contract_##N ? static_cast<X##_impl*>(h.self) : nullptr; \
    }                                                                                         \
                                                                                              \
   protected:                                                                                 \
    X##_impl() = default;                                                                     \
    X##_impl(X##_impl const&) = default;                                                      \
    X##_impl& operator=(X##_impl const&) = default;                                           \
    ~X##_impl() = default;                                                                    \
  };                                                                                          \
  }
#define ZV_ADAPTER_IF_1(M) M
#define ZV_ADAPTER_IF_0(M) ZV_ADAPTER_SKIP
#define ZV_ADAPTER_SKIP(...)
#define ZV_ADAPTER_I(X, N, A, OPS) ZV_ADAPTER_IF_##A(ZV_ADAPTER_CLASS)(X, N, OPS(ZV_ADAPTER_OP, X))
#define ZV_ADAPTER_V(X, N, A, Y) ZV_ADAPTER_IF_##A(ZV_ADAPTER_CLASS)(X, N, ZV_OPS_VISIT(ZV_ADAPTER_OP, X, Y))
#define ZV_I ZV_ADAPTER_I
#define ZV_V ZV_ADAPTER_V
#include "zv/framework/catalogue.def"
#undef ZV_I
#undef ZV_V
#undef ZV_ADAPTER_I
#undef ZV_ADAPTER_V
#undef ZV_ADAPTER_OP

namespace zv {

// The handle of interface I's sub-object of `object` (for objects with
// several adapters, where a plain conversion would be ambiguous).
template <class I, class T>
typename I::interface_type interface_of(T& object) {
  return static_cast<typename I::interface_type>(static_cast<I&>(object));
}
template <class I, class T>
t_zv_interface generic_of(T& object) {
  return static_cast<t_zv_interface>(static_cast<I&>(object));
}

// ---------------------------------------------------------------------------
// The specialize chain. All links of one object share one polymorphic_base;
// asking any link walks every link, so a handle of any of the object's
// interfaces specialises to any other.

class polymorphic_next {
 public:
  virtual void specialize_next(char const* name, void** contract, void** self);

 protected:
  polymorphic_next() = default;
  polymorphic_next(polymorphic_next const&) {}
  // Copies nothing: a link belongs to its own object.
  polymorphic_next& operator=(polymorphic_next const&) { return *this; }  // NOLINT(bugprone-unhandled-self-assignment)
  ~polymorphic_next() = default;

  polymorphic_next* next_ = nullptr;
  friend class polymorphic_base;
};

class polymorphic_base {
 public:
  virtual void specialize_base(char const* name, void** contract, void** self);

 protected:
  polymorphic_base() = default;
  polymorphic_base(polymorphic_base const&) {}
  polymorphic_base& operator=(polymorphic_base const&) { return *this; }  // NOLINT(bugprone-unhandled-self-assignment)
  ~polymorphic_base() = default;

  // Links are pushed at the front, so the chain runs from the last-built link.
  void push_link(polymorphic_next* link) {
    link->next_ = first_;
    first_ = link;
  }
  // Links are destroyed in reverse order of construction: the front goes first.
  void pop_link(polymorphic_next* link) {
    if (first_ == link) first_ = link->next_;
  }

 private:
  polymorphic_next* first_ = nullptr;
};

template <class I>
class polymorphic_impl : public I, public polymorphic_next, public virtual polymorphic_base {
 public:
  void specialize(char const* name, void** contract, void** self) override { specialize_base(name, contract, self); }
  void specialize_next(char const* name, void** contract, void** self) override { I::specialize(name, contract, self); }

 protected:
  polymorphic_impl() { push_link(this); }
  polymorphic_impl(polymorphic_impl const& other) : polymorphic_base(other), I(other), polymorphic_next(other) {
    push_link(this);
  }
  polymorphic_impl& operator=(polymorphic_impl const& other) {
    I::operator=(other);
    return *this;
  }
  ~polymorphic_impl() { pop_link(this); }
};

template <class I>
class polymorphic : public polymorphic_impl<I> {
 protected:
  polymorphic() = default;
  polymorphic(polymorphic const&) = default;
  polymorphic& operator=(polymorphic const&) = default;
  ~polymorphic() = default;
};

// ---------------------------------------------------------------------------
// References to other modules' services.

// Names the service type and how to reach its referent.
template <class T>
struct reftraits {
  using service_type = T;
  static referent referent_of(T const& service) { return service.as_referent(); }
};

// Holds a service as a referrer: attach() retains it with the service's
// referent, detach() (also on destruction) releases it, holding the
// referent's owner across the release. A provider that goes away calls
// invalidate(), and the reference forgets the handle. Each retain is matched
// by exactly one release.
template <class T, bool Strong = false, class Traits = reftraits<T>>
class ref final : public referrer_impl {
 public:
  explicit ref(T service = T()) : service_(service) {}
  ref(ref const&) = delete;
  ref& operator=(ref const&) = delete;
  ~ref() { detach(); }

  T const& get() const { return service_; }
  bool is_null() const { return service_.is_null(); }
  bool attached() const { return attached_; }

  void attach() {
    if (attached_ || service_.is_null()) return;
    referent const target = Traits::referent_of(service_);
    if (target.is_null()) return;
    target.retain(me());
    attached_ = true;  // only now: a retain that threw is not released
  }

  void detach() {
    if (!attached_ || service_.is_null()) return;
    attached_ = false;
    referent const target = Traits::referent_of(service_);
    if (target.is_null()) return;
    referent const owner = target.owner();
    if (!owner.is_null()) owner.retain(referrer());
    target.release(me());
    if (!owner.is_null()) owner.release(referrer());
  }

  void invalidate(referent) override {
    service_ = T();
    attached_ = false;
  }
  bool reachable() override { return true; }

 private:
  referrer me() { return static_cast<referrer>(static_cast<referrer_impl&>(*this)); }

  T service_;
  bool attached_ = false;
};

// ---------------------------------------------------------------------------
// String visitors: short-lived objects on the caller's stack.

// The target becomes a copy of the visited text (empty for null).
class stdwstring_visitor final : public string_visitor_impl {
 public:
  explicit stdwstring_visitor(std::wstring* target) : target_(target) {}
  void visit(wchar_t const* text) override;

 private:
  std::wstring* target_;
};

// The target becomes the visited text converted to the code page of a row of
// the encoding table (empty for null text or a failed conversion).
class stdstring_visitor final : public string_visitor_impl {
 public:
  stdstring_visitor(std::string* target, uint32_t encoding) : target_(target), encoding_(encoding) {}
  void visit(wchar_t const* text) override;

 private:
  std::string* target_;
  uint32_t encoding_;
};

// ---------------------------------------------------------------------------
// Bundle and service-factory support for modules that offer services.

class basic_service_factory_impl : public service_factory_impl {
 public:
  using factory_list = std::list<basic_service_factory_impl*>;

  explicit basic_service_factory_impl(wchar_t const* category) : category_(category ? category : L"") {}
  virtual ~basic_service_factory_impl() = default;

  std::wstring const& category() const { return category_; }

  // The module's registered factories, created on first use.
  static factory_list& get_list();
  // visit(category, factory) once per registered factory, in list order.
  static void with_service_categories(service_category_visitor visitor);

 private:
  std::wstring category_;
};

// A factory that is listed while it exists.
class custom_service_factory_impl : public basic_service_factory_impl {
 public:
  explicit custom_service_factory_impl(wchar_t const* category);
  custom_service_factory_impl(custom_service_factory_impl const&) = delete;
  custom_service_factory_impl& operator=(custom_service_factory_impl const&) = delete;
  ~custom_service_factory_impl() override;
};

class custom_client_factory_impl : public basic_service_factory_impl {
 public:
  explicit custom_client_factory_impl(wchar_t const* category);
  custom_client_factory_impl(custom_client_factory_impl const&) = delete;
  custom_client_factory_impl& operator=(custom_client_factory_impl const&) = delete;
  ~custom_client_factory_impl() override;
};

}  // namespace zv

extern "C" {
// A bundle handle over `p` whose with_service_categories lists this module's
// factories; install, uninstall, initialize and finalize do nothing, and its
// generic handle answers no specialisation. Null for a null `p`.
t_zv_bundle_interface zv_bundle_interface_to_custom_pointer(void* p);
}
