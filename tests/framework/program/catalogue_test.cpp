// The catalogue as data: its counts, and the interface name each row forms.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>

#include "zv/framework/binding.h"

namespace {

using zv::framework::catalogue;
using zv::framework::catalogue_entry;

TEST(Catalogue, CountsInterfacesAdaptersAndVersions) {
  auto const rows = catalogue();
  EXPECT_EQ(rows.size(), 293u);
  EXPECT_EQ(std::count_if(rows.begin(), rows.end(), [](auto const& e) { return e.has_adapter; }), 277);
  std::map<int, int> per_version;
  for (auto const& e : rows) ++per_version[e.version];
  EXPECT_EQ(per_version[0], 83);
  EXPECT_EQ(per_version.rbegin()->first, 102);
}

TEST(Catalogue, EveryRowFormsExactlyOneInterfaceName) {
  std::set<std::string> names, interface_names;
  for (auto const& e : catalogue()) {
    EXPECT_TRUE(names.insert(e.name).second) << e.name;
    EXPECT_TRUE(interface_names.insert(e.interface_name).second) << e.interface_name;
    EXPECT_EQ(std::string(e.interface_name), "zv_" + std::string(e.name) + "_interface_" + std::to_string(e.version));
  }
  EXPECT_EQ(zv::detail::traits<t_zv_main_form_interface>::name, std::string("zv_main_form_interface_92"));
  EXPECT_EQ(zv::detail::traits<t_zv_string_visitor_interface>::name, std::string("zv_string_visitor_interface_0"));
}

catalogue_entry const& row(std::string const& name) {
  auto const rows = catalogue();
  auto const it = std::find_if(rows.begin(), rows.end(), [&](auto const& e) { return e.name == name; });
  if (it == rows.end()) throw std::runtime_error("no row " + name);
  return *it;
}

TEST(Catalogue, VisitorsOfOneKindNameWhatTheyVisit) {
  EXPECT_STREQ(row("scene_2d_service_visitor").visited, "scene_2d_service");
  EXPECT_STREQ(row("scene_editor_filter_visitor").visited, "scene_editor_filter");
  EXPECT_EQ(row("element_visitor").visited, nullptr);  // one operation per kind of element
  EXPECT_EQ(row("string_visitor").visited, nullptr);   // a value visitor
}

}  // namespace
