#include "test_module.h"

#include <algorithm>
#include <vector>

#include "zv/framework/adapters.h"
#include "zv/sibling/service_registry.h"

namespace {

class Tzvt_scene_service final : public zv::polymorphic<zv::scene_2d_service_impl>,
                                 public zv::polymorphic<zv::referent_impl> {
 public:
  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  void with_meta_id(zv::string_visitor visitor) override { visitor.visit(L"ModuleScene"); }
  void with_collection_caption(zv::string_visitor visitor) override { visitor.visit(L"Module scenes"); }

  void retain(zv::referrer r) override {
    if (!r.is_null()) referrers_.push_back(r);
  }
  void release(zv::referrer r) override { std::erase(referrers_, r); }

  int32_t referrer_count() const { return static_cast<int32_t>(referrers_.size()); }
  void invalidate_referrers() {
    auto const gone = std::move(referrers_);
    referrers_.clear();
    for (zv::referrer r : gone) r.invalidate(as_referent());
  }

 private:
  std::vector<zv::referrer> referrers_;
};

Tzvt_scene_service& service() {
  static Tzvt_scene_service instance;
  return instance;
}

}  // namespace

t_zv_scene_2d_service_interface zvt_module_scene_service(void) {
  return zv::interface_of<zv::scene_2d_service_impl>(service());
}

bool zvt_module_owns(t_zv_scene_2d_service_interface handle) {
  return zv::scene_2d_service_impl::from_interface(handle) != nullptr;
}

void zvt_module_register(wchar_t const* identifier) {
  zv_service_registry_register(identifier, zv::generic_of<zv::scene_2d_service_impl>(service()));
}

int32_t zvt_module_referrer_count(void) { return service().referrer_count(); }

void zvt_module_invalidate_referrers(void) { service().invalidate_referrers(); }
