// In-process editor-extension services and scene editor filters written with
// the framework's adapters, as a plug-in module would write them. They write
// what the builder asks of them to one shared trace and can be told to throw.
#pragma once

#include <algorithm>
#include <functional>
#include <initializer_list>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "zv/framework/adapters.h"
#include "zv/framework/service_ids.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/service_registry.h"

// A list of source names for the builder, for the length of one call.
class Tzvt_name_list {
 public:
  Tzvt_name_list(std::initializer_list<wchar_t const*> names) {
    for (wchar_t const* n : names) zv_wstrings_add_str(list_, n);
  }
  ~Tzvt_name_list() { zv_wstrings_destroy(list_); }
  Tzvt_name_list(Tzvt_name_list const&) = delete;
  Tzvt_name_list& operator=(Tzvt_name_list const&) = delete;
  operator Tzv_wstrings_obj*() const { return list_; }

 private:
  Tzv_wstrings_obj* list_ = zv_wstrings_create();
};

// What the fakes were asked, in order, one entry per call: "f?x" filter f
// was asked whether it supports x, "f+x" f added x, "f:1" / "f:0" f was
// attached / let go.
class Tzvt_filter_trace {
 public:
  void add(std::wstring const& entry) {
    if (!text_.empty()) text_ += L' ';
    text_ += entry;
  }
  // The trace so far; starts a new one.
  std::wstring take() { return std::exchange(text_, {}); }

 private:
  std::wstring text_;
};

// What an armed fake throws; names the call that threw.
struct Tzvt_filter_error {
  std::wstring where;
};

// The calls a fake can be armed to throw from.
enum class Tzvt_filter_fault { attach, detach, supports, add, priority, with_filters };

// Throws when armed for a call.
class Tzvt_filter_faults {
 public:
  void arm(Tzvt_filter_fault f) { armed_.insert(f); }
  void disarm() { armed_.clear(); }
  void check(Tzvt_filter_fault f, std::wstring const& where) const {
    if (armed_.count(f) != 0) throw Tzvt_filter_error{where};
  }

 private:
  std::set<Tzvt_filter_fault> armed_;
};

// A filter that supports the names it is given ("*": every name) and on add
// runs what the test tells it to.
class Tzvt_filter final : public zv::scene_editor_filter_impl, public Tzvt_filter_faults {
 public:
  using add_fn = std::function<void(Tzv_layer_builder*, wchar_t const*)>;

  Tzvt_filter(Tzvt_filter_trace& trace, std::wstring name, std::set<std::wstring> names)
      : trace_(trace), name_(std::move(name)), names_(std::move(names)) {}
  Tzvt_filter(Tzvt_filter const&) = delete;
  Tzvt_filter& operator=(Tzvt_filter const&) = delete;

  void reattach(bool attached) override {
    trace_.add(name_ + (attached ? L":1" : L":0"));
    attached_ = attached;
    check(attached ? Tzvt_filter_fault::attach : Tzvt_filter_fault::detach, name_);
  }
  bool supports(wchar_t const* source) override {
    trace_.add(name_ + L"?" + source);
    check(Tzvt_filter_fault::supports, name_);
    return names_.count(L"*") != 0 || names_.count(source) != 0;
  }
  void add(Tzv_layer_builder* builder, wchar_t const* source) override {
    trace_.add(name_ + L"+" + source);
    builder_ = builder;
    check(Tzvt_filter_fault::add, name_ + L"+" + source);
    if (on_add_) on_add_(builder, source);
  }

  void on_add(add_fn f) { on_add_ = std::move(f); }
  bool attached() const { return attached_; }
  // The layer builder of the last add; null before.
  Tzv_layer_builder* builder() const { return builder_; }
  zv::scene_editor_filter handle() { return *this; }

 private:
  Tzvt_filter_trace& trace_;
  std::wstring name_;
  std::set<std::wstring> names_;
  add_fn on_add_;
  bool attached_ = false;
  Tzv_layer_builder* builder_ = nullptr;
};

// A scene editor-extension service with its referent in one polymorphic
// chain: delivers its filters and counts who holds it. Registered under the
// editor-extension identifier while it exists.
class Tzvt_extension_service final : public zv::polymorphic<zv::scene_2d_editor_extension_service_impl>,
                                     public zv::polymorphic<zv::referent_impl>,
                                     public Tzvt_filter_faults {
 public:
  Tzvt_extension_service(int priority, std::vector<zv::scene_editor_filter> filters)
      : priority_(priority), filters_(std::move(filters)) {
    zv_service_registry_register(ZV_SCENE_2D_EDITOR_EXTENSION_ID, generic());
  }
  Tzvt_extension_service(Tzvt_extension_service const&) = delete;
  Tzvt_extension_service& operator=(Tzvt_extension_service const&) = delete;
  ~Tzvt_extension_service() { unregister(); }

  void unregister() { zv_service_registry_unregister(ZV_SCENE_2D_EDITOR_EXTENSION_ID, generic()); }

  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  int priority() override {
    if (on_priority) on_priority();
    check(Tzvt_filter_fault::priority, L"priority");
    return priority_;
  }
  void with_filters(zv::scene_editor_filter_visitor visitor) override {
    for (zv::scene_editor_filter f : filters_) visitor.visit(f);
    check(Tzvt_filter_fault::with_filters, L"with_filters");
  }
  // Null referrers come from holders that keep an owner across a release.
  void retain(zv::referrer r) override {
    if (!r.is_null()) holders_.push_back(r);
  }
  void release(zv::referrer r) override {
    auto const it = std::find(holders_.begin(), holders_.end(), r);
    if (it != holders_.end()) holders_.erase(it);
  }

  int holder_count() const { return static_cast<int>(holders_.size()); }

  // Runs inside priority(), while the registry delivers the service.
  std::function<void()> on_priority;

 private:
  t_zv_interface generic() { return zv::generic_of<zv::scene_2d_editor_extension_service_impl>(*this); }

  int priority_;
  std::vector<zv::scene_editor_filter> filters_;
  std::vector<zv::referrer> holders_;
};
