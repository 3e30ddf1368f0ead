// What the plug-in's services and objects share: the provider side of the
// lifetime protocol, and the store of objects handed to the library.
#pragma once

#include <algorithm>
#include <memory>
#include <utility>
#include <vector>

#include "zv/framework/adapters.h"

// A service's referent: remembers the referrers that retained it, and tells
// them all when the service goes away. Retains with a null referrer (an
// owner held across a release) are not remembered.
class Tzv_sample_referent : public zv::polymorphic<zv::referent_impl> {
 public:
  void retain(zv::referrer r) override {
    if (!r.is_null()) referrers_.push_back(r);
  }
  void release(zv::referrer r) override {
    auto const it = std::find(referrers_.begin(), referrers_.end(), r);
    if (it != referrers_.end()) referrers_.erase(it);
  }
  // Each referrer forgets the service and will not release it.
  void invalidate_referrers() {
    std::vector<zv::referrer> const gone = std::exchange(referrers_, {});
    for (zv::referrer r : gone) r.invalidate(zv::interface_of<zv::referent_impl>(*this));
  }

 protected:
  Tzv_sample_referent() = default;
  ~Tzv_sample_referent() = default;

 private:
  std::vector<zv::referrer> referrers_;
};

// Objects that the plug-in hands to the library. The library tells an object
// through reattach(null) that it let it go; the object then leaves the pool.
// Objects never let go live until the module is unloaded.
template <class T>
class Tzv_sample_pool {
 public:
  T& make() { return *items_.emplace_back(std::make_unique<T>(*this)); }
  void drop(T const* item) {
    std::erase_if(items_, [item](std::unique_ptr<T> const& p) { return p.get() == item; });
  }

 private:
  std::vector<std::unique_ptr<T>> items_;
};
