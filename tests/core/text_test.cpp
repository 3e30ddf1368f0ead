#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

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

TEST(Encodings, LookUpByNameAndOutOfRangeRows) {
  EXPECT_EQ(zv::text::encoding(-1).code_page, 0u);
  EXPECT_EQ(zv::text::encoding(19).code_page, 0u);
  EXPECT_EQ(zv::text::find_encoding("windows-1251"), 8);
  EXPECT_EQ(zv::text::find_encoding("us-ascii"), 17);
  EXPECT_EQ(zv::text::find_encoding("EBCDIC"), -1);
}

TEST(Encodings, ConvertTheSameOnEveryPlatform) {
  EXPECT_EQ(encode(L"\u00e9", 0), "\xc3\xa9");
  EXPECT_EQ(encode(L"\u0416", 8), "\xc6");   // Cyrillic Zhe in CP1251
  EXPECT_EQ(encode(L"\u0416", 16), "\x86");  // and in CP866
  EXPECT_EQ(encode(code_point(0x1F600), 0), "\xf0\x9f\x98\x80");
  EXPECT_EQ(decode("\xf0\x9f\x98\x80", 0), code_point(0x1F600));
  EXPECT_EQ(decode("\xc6", 8), L"\u0416");
  EXPECT_EQ(encode(L"", 0), "");
  EXPECT_EQ(decode("", 0), L"");
  EXPECT_EQ(encode(L"plain", 17), "plain");
  // 0xFF is no character of CP1255; it comes between two letters that the
  // decoder may hold back, and what stands in for it keeps its place.
  std::wstring const mixed = decode("\xe0\xff\xe1", 12);
  ASSERT_EQ(mixed.size(), 3u);
  EXPECT_EQ(mixed.front(), L'\u05d0');
  EXPECT_EQ(mixed.back(), L'\u05d1');
  // The system code page is UTF-8 on Linux; plain ASCII survives either way.
  EXPECT_EQ(decode(encode(L"abc", zv::text::encoding_system), zv::text::encoding_system), L"abc");
}

// Every row of the encoding table, encoded and decoded again, gives back a
// text that its code page can hold. Rows on the system ANSI code page get
// plain ASCII, since that page differs between platforms. The CP1255 and
// CP1258 texts end in a letter that a following mark could combine with, and
// each of them also stands alone: decoders that hold such a letter back must
// still hand it out at the end of the text.
TEST(Encodings, EveryRowRoundTrips) {
  struct Tzv_round_trip {
    int index;
    std::wstring text;
  };
  std::vector<Tzv_round_trip> cases = {
      {0, L"Gr\u00fc\u00dfe \u0416 \u20ac" + code_point(0x1F600)},
      {7, L"\u017elu\u0165ou\u010dk\u00fd k\u016f\u0148"},
      {8, L"\u041f\u0440\u0438\u0432\u0435\u0442"},
      {9, L"na\u00efve caf\u00e9 \u20ac"},
      {10, L"\u0391\u03b8\u03ae\u03bd\u03b1"},
      {11, L"\u0130stanbul \u015f\u011f"},
      {12, L"\u05e9\u05dc\u05d5\u05dd \u05d0\u05d1\u05d0"},
      {12, L"\u05d0"},
      {13, L"\u0645\u0631\u062d\u0628\u0627"},
      {14, L"\u0160iauli\u0173 \u0101\u0113\u012b"},
      {15, L"\u0110\u00f4ng \u0111\u01b0\u01a1ng ca"},
      {15, L"a"},
      {16, L"\u041f\u0440\u0438\u0432\u0435\u0442 \u2591"},
      {17, L"plain ASCII ~"},
  };
  for (int index : {1, 2, 3, 4, 5, 6, 18}) cases.push_back({index, L"plain text"});
  std::set<int> rows;
  for (auto const& c : cases) {
    SCOPED_TRACE(std::string("row ") + std::to_string(c.index) + " " + zv::text::encoding(c.index).name);
    std::string const narrow = encode(c.text, c.index);
    EXPECT_FALSE(narrow.empty());
    EXPECT_EQ(decode(narrow, c.index), c.text);
    rows.insert(c.index);
  }
  EXPECT_EQ(rows.size(), static_cast<size_t>(zv::text::encoding_count));
}

TEST(StringAdapters, WideStringSink) {
  std::wstring target = L"old";
  Tzv_std_wstring_adapter sink(&target);  // every caption read pins a plain feed
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
