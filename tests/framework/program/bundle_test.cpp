// Bundle and service-factory support: the module's factory list and the
// bundle handle over it, called through entry points of an interface that
// has no adapter.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "zv/framework/adapters.h"

namespace {

class Recording_categories final : public zv::service_category_visitor_impl {
 public:
  void visit(wchar_t const* category, zv::service_factory factory) override { seen.emplace_back(category, factory); }
  std::vector<std::pair<std::wstring, zv::service_factory>> seen;
};

TEST(ServiceFactories, CustomFactoriesAreListedWhileTheyLive) {
  Recording_categories visitor;
  zv::basic_service_factory_impl::with_service_categories(visitor);
  EXPECT_TRUE(visitor.seen.empty());
  {
    zv::custom_service_factory_impl scenes(L"/scene/2d");
    zv::custom_client_factory_impl no_category(nullptr);
    zv::basic_service_factory_impl::with_service_categories(visitor);
    ASSERT_EQ(visitor.seen.size(), 2u);
    EXPECT_EQ(visitor.seen[0].first, L"/scene/2d");
    EXPECT_EQ(zv::service_factory_impl::from_interface(visitor.seen[0].second), &scenes);
    EXPECT_EQ(visitor.seen[1].first, L"");
  }
  EXPECT_TRUE(zv::basic_service_factory_impl::get_list().empty());
}

TEST(Bundle, CustomPointerBundleOffersTheFactoriesAndNothingElse) {
  int module_data = 0;
  zv::bundle const bundle = zv_bundle_interface_to_custom_pointer(&module_data);
  ASSERT_FALSE(bundle.is_null());
  EXPECT_EQ(bundle.handle().self, &module_data);

  zv::custom_service_factory_impl factory(L"/layer/2d");
  Recording_categories visitor;
  bundle.with_service_categories(visitor);
  ASSERT_EQ(visitor.seen.size(), 1u);
  EXPECT_EQ(visitor.seen[0].first, L"/layer/2d");

  bundle.install();
  bundle.initialize();
  bundle.finalize();
  bundle.uninstall();
  t_zv_interface const g = bundle.generalize();
  EXPECT_FALSE(zv::detail::is_null(g));
  EXPECT_TRUE(zv::bundle::specialize(g).is_null());
  EXPECT_TRUE(zv::service_visitor::specialize(g).is_null());

  EXPECT_EQ(zv_bundle_interface_is_null(zv_bundle_interface_to_custom_pointer(nullptr)), 1);
}

}  // namespace
