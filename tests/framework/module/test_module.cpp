#include "test_module.h"

#include <algorithm>
#include <utility>
#include <vector>

#include "zv/framework/adapters.h"

namespace {

class Tzvt_scene_service final : public zv::polymorphic<zv::scene_2d_service_impl>,
                                 public zv::polymorphic<zv::referent_impl> {
 public:
  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  void with_meta_id(zv::string_visitor visitor) override { visitor.visit(L"ModuleScene"); }
  void retain(zv::referrer r) override {
    if (!r.is_null()) referrers.push_back(r);
  }
  void release(zv::referrer r) override { std::erase(referrers, r); }
  std::vector<zv::referrer> referrers;
} service;

}  // namespace

t_zv_scene_2d_service_interface zvt_module_scene_service(void) {
  return zv::interface_of<zv::scene_2d_service_impl>(service);
}

bool zvt_module_owns(t_zv_scene_2d_service_interface handle) {
  return zv::scene_2d_service_impl::from_interface(handle) != nullptr;
}

int32_t zvt_module_referrer_count(void) { return static_cast<int32_t>(service.referrers.size()); }

void zvt_module_invalidate_referrers(void) {
  for (zv::referrer r : std::exchange(service.referrers, {})) r.invalidate(service.as_referent());
}
