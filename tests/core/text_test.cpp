#include <gtest/gtest.h>

#include <string>

#include "core/string_adapters.h"
#include "text/encodings.h"

namespace {

using zv::text::decode;
using zv::text::encode;

// A wide string holding one code point, as the platform's wchar_t spells it.
std::wstring code_point(char32_t cp) {
  if (sizeof(wchar_t) == 4 || cp < 0x10000) return std::wstring(1, static_cast<wchar_t>(cp));
  char32_t const v = cp - 0x10000;
  return {static_cast<wchar_t>(0xD800 + (v >> 10)), static_cast<wchar_t>(0xDC00 + (v & 0x3FF))};
}

TEST(Encodings, TableRows) {
  EXPECT_STREQ(zv::text::encoding(0).name, "UTF-8");
  EXPECT_EQ(zv::text::encoding(0).code_page, 65001u);
  EXPECT_EQ(zv::text::encoding(8).code_page, 1251u);
  EXPECT_STREQ(zv::text::encoding(16).alias, "OEM 866");
  EXPECT_STREQ(zv::text::encoding(18).name, "SYSTEM");
  EXPECT_EQ(zv::text::encoding(-1).code_page, 0u);
  EXPECT_EQ(zv::text::encoding(19).code_page, 0u);
  EXPECT_EQ(zv::text::find_encoding("windows-1251"), 8);
  EXPECT_EQ(zv::text::find_encoding("us-ascii"), 17);
  EXPECT_EQ(zv::text::find_encoding("EBCDIC"), -1);
}

TEST(Encodings, ConvertTheSameOnEveryPlatform) {
  EXPECT_EQ(encode(L"\u00e9", 0), "\xc3\xa9");
  EXPECT_EQ(encode(L"\u0416", 8), "\xc6");  // Cyrillic Zhe in CP1251
  EXPECT_EQ(encode(L"\u0416", 16), "\x86");  // and in CP866
  EXPECT_EQ(encode(code_point(0x1F600), 0), "\xf0\x9f\x98\x80");
  EXPECT_EQ(decode("\xf0\x9f\x98\x80", 0), code_point(0x1F600));
  EXPECT_EQ(decode("\xc6", 8), L"\u0416");
  EXPECT_EQ(encode(L"", 0), "");
  EXPECT_EQ(decode("", 0), L"");
  EXPECT_EQ(encode(L"plain", 17), "plain");
  // The system code page is UTF-8 on Linux; plain ASCII survives either way.
  EXPECT_EQ(decode(encode(L"abc", zv::text::encoding_system), zv::text::encoding_system), L"abc");
}

TEST(StringAdapters, WideStringSink) {
  std::wstring target = L"old";
  Tzv_std_wstring_adapter sink(&target);
  zv_string_adp_feed(sink, L"new");
  EXPECT_EQ(target, L"new");
  zv_string_adp_feed(sink, nullptr);
  EXPECT_EQ(target, L"");
  zv_string_adp_feed_ansi(sink, zv::text::wide_to_narrow(L"caf\u00e9", 0).c_str());
  EXPECT_EQ(target, L"caf\u00e9");
  zv_string_adp_feed_ansi(sink, nullptr);
  EXPECT_EQ(target, L"");
}

TEST(StringAdapters, MatchAnySink) {
  {
    Tzv_match_any_wstring_adapter match(L"B");
    zv_string_adp_feed(match, L"A");
    EXPECT_FALSE(match.matched());
    zv_string_adp_feed(match, L"B");
    EXPECT_TRUE(match.matched());
    zv_string_adp_feed(match, L"A");
    EXPECT_TRUE(match.matched());
    zv_string_adp_feed_ansi(match, "B");
    EXPECT_FALSE(match.matched());
  }
  Tzv_match_any_wstring_adapter match(L"b");
  zv_string_adp_feed(match, L"B");  // case-sensitive
  EXPECT_FALSE(match.matched());
  Tzv_eat_string_adapter eat;
  zv_string_adp_feed(eat, L"ignored");
}

}  // namespace
