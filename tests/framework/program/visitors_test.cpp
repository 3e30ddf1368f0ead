// The string visitors, called through their handles as a provider would.
#include <gtest/gtest.h>

#include "zv/framework/adapters.h"
#include "zv/framework/string_adp_visitor.h"

namespace {

TEST(StringVisitors, WideTargetTakesACopyAndNullEmptiesIt) {
  std::wstring target = L"old";
  zv::stdwstring_visitor visitor(&target);
  zvk_framework_string_visitor_visit(visitor, L"Map 1");
  EXPECT_EQ(target, L"Map 1");
  zvk_framework_string_visitor_visit(visitor, nullptr);
  EXPECT_EQ(target, L"");
  zv::stdwstring_visitor no_target(nullptr);
  zvk_framework_string_visitor_visit(no_target, L"x");
}

TEST(StringVisitors, NarrowTargetIsEncodedByRowOfTheEncodingTable) {
  std::string target = "old";
  zv::stdstring_visitor utf8(&target, 0);
  zvk_framework_string_visitor_visit(utf8, L"\u00E9");
  EXPECT_EQ(target, "\xC3\xA9");
  zvk_framework_string_visitor_visit(utf8, L"");
  EXPECT_EQ(target, "");
  target = "old";
  zvk_framework_string_visitor_visit(utf8, nullptr);
  EXPECT_EQ(target, "");

  zv::stdstring_visitor cp1251(&target, 8);
  zvk_framework_string_visitor_visit(cp1251, L"\u0416");
  EXPECT_EQ(target, "\xC6");
}

TEST(StringVisitors, AnIndexOutOfTheTableUsesTheSystemCodePage) {
  std::string beyond;
  zv::stdstring_visitor by_beyond(&beyond, 4000000000u);
  zvk_framework_string_visitor_visit(by_beyond, L"abc");
  EXPECT_EQ(beyond, "abc");
}

void collect(wchar_t const* s, void* data) { static_cast<std::wstring*>(data)->append(s ? s : L"<null>"); }
void ignore_narrow(char const*, void*) {}

TEST(StringVisitors, AdapterVisitorFeedsTheStringAdapter) {
  std::wstring fed;
  Izv_string_adp* const adp = zv_string_adp_create(ignore_narrow, collect, &fed);
  zv::string_adp_visitor visitor(adp);
  zvk_framework_string_visitor_visit(visitor, L"Scene");
  zv_string_adp_destroy(adp);
  EXPECT_EQ(fed, L"Scene");

  zv::string_adp_visitor no_adapter(nullptr);
  zvk_framework_string_visitor_visit(no_adapter, L"lost");
}

}  // namespace
