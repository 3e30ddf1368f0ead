// Bundle and service-factory support: the module's list of factories and the
// bundle handle that offers them.
#include "zv/framework/adapters.h"

namespace zv {

basic_service_factory_impl::factory_list& basic_service_factory_impl::get_list() {
  static factory_list factories;
  return factories;
}

void basic_service_factory_impl::with_service_categories(service_category_visitor visitor) {
  for (basic_service_factory_impl* factory : get_list())
    visitor.visit(factory->category().c_str(), static_cast<service_factory>(*factory));
}

custom_service_factory_impl::custom_service_factory_impl(wchar_t const* category)
    : basic_service_factory_impl(category) {
  get_list().push_back(this);
}
custom_service_factory_impl::~custom_service_factory_impl() { get_list().remove(this); }

custom_client_factory_impl::custom_client_factory_impl(wchar_t const* category) : basic_service_factory_impl(category) {
  get_list().push_back(this);
}
custom_client_factory_impl::~custom_client_factory_impl() { get_list().remove(this); }

}  // namespace zv

namespace {

void answer_nothing(t_zv_contract const*, void*, char const*, void**, void**) {}
t_zv_contract const silent_generic_contract = {&answer_nothing};

void do_nothing(t_zv_bundle_contract const*, void*) {}

t_zv_bundle_contract const custom_bundle_contract = {
    .generalize = [](t_zv_bundle_contract const*, void* self) -> t_zv_interface {
      return {&silent_generic_contract, self};
    },
    .with_service_categories =
        [](t_zv_bundle_contract const*, void*, t_zv_service_category_visitor_interface visitor) {
          zv::basic_service_factory_impl::with_service_categories(visitor);
        },
    .install = &do_nothing,
    .uninstall = &do_nothing,
    .initialize = &do_nothing,
    .finalize = &do_nothing,
};

}  // namespace

t_zv_bundle_interface zv_bundle_interface_to_custom_pointer(void* p) {
  if (!p) return {};
  return {&custom_bundle_contract, p};
}
