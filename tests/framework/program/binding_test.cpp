// The binding as data, the string visitors called through their handles as
// another module would, and the bundle over the module's service factories.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "zv/framework/adapters.h"
#include "zv/framework/string_adp_visitor.h"

namespace {

TEST(Catalogue, CountsNamesAndVisitedInterfaces) {
  auto const rows = zv::framework::catalogue();
  EXPECT_EQ(rows.size(), 293u);
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](auto const& e) { return e.has_adapter; }), 277);
  std::map<int, int> per_version;
  std::map<std::string, char const*> visited;
  for (auto const& e : rows) {
    ++per_version[e.version];
    EXPECT_EQ(std::string(e.interface_name), "zv_" + std::string(e.name) + "_interface_" + std::to_string(e.version));
    visited[e.name] = e.visited;
  }
  EXPECT_EQ(per_version[0], 83);
  EXPECT_EQ(per_version.rbegin()->first, 102);
  EXPECT_EQ(zv::detail::traits<t_zv_main_form_interface>::name, std::string("zv_main_form_interface_92"));
  // Visitors of one kind name what they visit; element and value visitors do not.
  EXPECT_STREQ(visited["scene_2d_service_visitor"], "scene_2d_service");
  EXPECT_STREQ(visited["scene_editor_filter_visitor"], "scene_editor_filter");
  EXPECT_TRUE(visited["element_visitor"] == nullptr && visited["string_visitor"] == nullptr);
}

// The wide target takes a copy, the narrow one is encoded by a row of the
// encoding table (the system code page beyond the table), null empties
// either; the adapter visitor feeds a string adapter. No target, no harm.
TEST(StringVisitors, TargetsTakeTheVisitedText) {
  std::wstring wide = L"old";
  zvk_framework_string_visitor_visit(zv::stdwstring_visitor(&wide), L"Map 1");
  EXPECT_EQ(wide, L"Map 1");
  zvk_framework_string_visitor_visit(zv::stdwstring_visitor(&wide), nullptr);
  EXPECT_EQ(wide, L"");
  using Trow = std::tuple<uint32_t, wchar_t const*, char const*>;  // encoding, text, narrow target
  Trow const rows[] = {
      {0, L"\u00E9", "\xC3\xA9"}, {0, L"", ""}, {0, nullptr, ""}, {8, L"\u0416", "\xC6"}, {4000000000u, L"abc", "abc"}};
  for (auto const& [encoding, text, expected] : rows) {
    std::string narrow = "old";
    zvk_framework_string_visitor_visit(zv::stdstring_visitor(&narrow, encoding), text);
    EXPECT_EQ(narrow, expected) << encoding;
  }
  std::wstring fed;
  auto const feed = [](wchar_t const* text, void* into) { *static_cast<std::wstring*>(into) = text; };
  Izv_string_adp* const adp = zv_string_adp_create(nullptr, feed, &fed);
  zvk_framework_string_visitor_visit(zv::string_adp_visitor(adp), L"Scene");
  zv_string_adp_destroy(adp);
  EXPECT_EQ(fed, L"Scene");
  zvk_framework_string_visitor_visit(zv::string_adp_visitor(nullptr), L"x");
  zvk_framework_string_visitor_visit(zv::stdwstring_visitor(nullptr), L"x");
}

class Recording_categories final : public zv::service_category_visitor_impl {
 public:
  void visit(wchar_t const* category, zv::service_factory factory) override { seen.emplace_back(category, factory); }
  std::vector<std::pair<std::wstring, zv::service_factory>> seen;
};

// Custom factories are listed while they live; a bundle over any pointer
// offers them through an interface that has no adapter, does nothing else,
// and its generic handle answers no specialisation.
TEST(Bundle, CustomPointerBundleOffersTheLiveFactories) {
  int module_data = 0;
  zv::bundle const bundle = zv_bundle_interface_to_custom_pointer(&module_data);
  EXPECT_EQ(bundle.handle().self, &module_data);
  Recording_categories during, after;
  {
    zv::custom_service_factory_impl scenes(L"/scene/2d");
    zv::custom_client_factory_impl no_category(nullptr);
    bundle.with_service_categories(during);
    ASSERT_EQ(during.seen.size(), 2u);
    EXPECT_TRUE(during.seen[0].first == L"/scene/2d" && during.seen[1].first.empty());
    EXPECT_EQ(zv::service_factory_impl::from_interface(during.seen[0].second), &scenes);
  }
  bundle.with_service_categories(after);
  EXPECT_TRUE(after.seen.empty());
  bundle.install();  // as initialize, finalize and uninstall: nothing
  t_zv_interface const g = bundle.generalize();
  EXPECT_FALSE(zv::detail::is_null(g));
  EXPECT_TRUE(zv::bundle::specialize(g).is_null() && zv::service_visitor::specialize(g).is_null());
  EXPECT_EQ(zv_bundle_interface_is_null(zv_bundle_interface_to_custom_pointer(nullptr)), 1);
}

}  // namespace
