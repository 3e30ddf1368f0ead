// Stand-in of the host's service registry: services by identifier, delivered
// to visitors through the framework binding.
#include "zv/sibling/service_registry.h"

#include <algorithm>
#include <string>
#include <vector>

#include "zv/framework/binding.h"

namespace {

struct Tzv_registration {
  std::wstring identifier;
  t_zv_interface service;

  bool matches(std::wstring_view id, t_zv_interface s) const {
    return identifier == id && zv::detail::compare(service, s) == 0;
  }
};

std::vector<Tzv_registration>& registrations() {
  static std::vector<Tzv_registration> all;
  return all;
}

std::vector<t_zv_interface> services_under(std::wstring_view identifier) {
  std::vector<t_zv_interface> found;
  for (auto const& r : registrations())
    if (r.identifier == identifier) found.push_back(r.service);
  return found;
}

}  // namespace

int32_t zv_service_registry_with_services(wchar_t const* identifier, t_zv_service_visitor_interface visitor) {
  if (!identifier || zv::detail::is_null(visitor)) return 0;
  t_zv_interface const generic = zv::detail::generalize(visitor);
  int32_t visits = 0;
  // A copy: visitors may register or unregister services while they are visited.
  for (t_zv_interface service : services_under(identifier)) visits += zv::framework::deliver(generic, service);
  return visits;
}

void zv_service_registry_register(wchar_t const* identifier, t_zv_interface service) {
  if (!identifier || zv::detail::is_null(service)) return;
  auto& all = registrations();
  if (std::none_of(all.begin(), all.end(), [&](auto const& r) { return r.matches(identifier, service); }))
    all.push_back({identifier, service});
}

bool zv_service_registry_unregister(wchar_t const* identifier, t_zv_interface service) {
  if (!identifier) return false;
  auto& all = registrations();
  auto const removed = std::erase_if(all, [&](auto const& r) { return r.matches(identifier, service); });
  return removed != 0;
}

void zv_service_registry_clear(void) { registrations().clear(); }

int32_t zv_service_registry_get_count(wchar_t const* identifier) {
  return identifier ? static_cast<int32_t>(services_under(identifier).size()) : 0;
}
