// Uuids, string adapters, wide-string lists, resources, history manager,
// colours and fonts.

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/null_rule.h"
#include "zv/sibling/basic.h"

namespace {

// Collects what an adapter is fed: wide text as is, narrow text marked "n:".
struct Tzv_test_sink {
  Tzv_test_sink() : adp(zv_string_adp_create(&on_narrow, &on_wide, this)) {}
  ~Tzv_test_sink() { zv_string_adp_destroy(adp); }
  static void on_wide(wchar_t const* s, void* d) { static_cast<Tzv_test_sink*>(d)->text += s ? s : L"(null)"; }
  static void on_narrow(char const* s, void* d) {
    auto* self = static_cast<Tzv_test_sink*>(d);
    self->text += L"n:";
    for (; s && *s; ++s) self->text += static_cast<wchar_t>(*s);
  }
  Izv_string_adp* adp;
  std::wstring text;
};

bool zv_is_uuid_text(std::wstring const& s) {
  if (s.size() != 36) return false;
  for (std::size_t i = 0; i < s.size(); ++i) {
    bool const dash = i == 8 || i == 13 || i == 18 || i == 23;
    bool const hex = (s[i] >= L'0' && s[i] <= L'9') || (s[i] >= L'a' && s[i] <= L'f');
    if (dash ? s[i] != L'-' : !hex) return false;
  }
  return s[14] == L'4' && std::wstring(L"89ab").find(s[19]) != std::wstring::npos;
}

}  // namespace

// The extent indicator's tests pin a new uuid's zero value, copies and
// comparison; left here: the values generated and their text.
TEST(BasicUuid, GeneratesDistinctVersion4ValuesAndTheirText) {
  Tzv_uuid_t* u = zv_uuid_create();
  std::set<std::wstring> seen;
  for (int i = 0; i < 1000; ++i) {
    Tzv_test_sink sink;
    if (i % 2 == 0) {
      zv_uuid_generate_string(sink.adp);
    } else {
      zv_uuid_generate(u, 0);
      zv_uuid_get_string(u, sink.adp);
    }
    EXPECT_TRUE(zv_is_uuid_text(sink.text)) << sink.text.c_str();
    seen.insert(sink.text);
  }
  EXPECT_EQ(seen.size(), 1000u);

  for (int i = 0; i < 16; ++i) u->bytes[i] = static_cast<uint8_t>(0x10 * i + 0x0A);
  Tzv_test_sink sink;
  zv_uuid_get_string(u, sink.adp);
  EXPECT_EQ(sink.text, L"0a1a2a3a-4a5a-6a7a-8a9a-aabacadaeafa");
  zv_uuid_destroy(u);
}

// The library's own adapters pin both routes and a null text passed on;
// left here: an adapter without a narrow callback.
TEST(BasicStringAdapter, AMissingCallbackSkipsItsFeeds) {
  int calls = 0;
  auto count = [](wchar_t const*, void* d) { ++*static_cast<int*>(d); };
  Izv_string_adp* wide_only = zv_string_adp_create(nullptr, count, &calls);
  zv_string_adp_feed_ansi(wide_only, "skipped");
  zv_string_adp_feed(wide_only, L"x");
  EXPECT_EQ(calls, 1);
  zv_string_adp_destroy(wide_only);
}

// The scene's projection list pins adding and reading; left here: the edges.
TEST(BasicWstrings, NullTextsAndBadIndexes) {
  Tzv_wstrings_obj* l = zv_wstrings_create();
  zv_wstrings_add_str(l, L"one");
  zv_wstrings_add_str(l, nullptr);
  ASSERT_EQ(zv_wstrings_get_size(l), 2);
  EXPECT_STREQ(zv_wstrings_get_str(l, 1), L"");
  EXPECT_EQ(zv_wstrings_get_str(l, 2), nullptr);
  EXPECT_EQ(zv_wstrings_get_str(l, -1), nullptr);
  Tzv_test_sink sink;
  zv_wstrings_get_str_adp(l, 0, sink.adp);
  zv_wstrings_get_str_adp(l, 5, sink.adp);  // out of range: nothing fed
  EXPECT_EQ(sink.text, L"one");
  zv_wstrings_clear(l);
  EXPECT_EQ(zv_wstrings_get_size(l), 0);
  zv_wstrings_destroy(l);
}

TEST(BasicHistory, BracketNestsAndNeverGoesNegative) {
  Tzv_history_manager* m = zv_history_manager_get_instance();
  ASSERT_EQ(m, zv_history_manager_get_instance());
  int32_t const base = zv_history_manager_get_depth(m);
  zv_history_manager_begin_update(m);
  zv_history_manager_begin_update(m);
  EXPECT_EQ(zv_history_manager_get_depth(m), base + 2);
  for (int i = 0; i < base + 4; ++i) zv_history_manager_end_update(m);
  EXPECT_EQ(zv_history_manager_get_depth(m), 0);
}

TEST(BasicColour, ByteOrderAndEquality) {
  Tzv_color const red = zv_clr_init_int(0x000000FFu);
  EXPECT_TRUE(red.r == 0xFF && red.g == 0 && red.b == 0 && red.a == 0);
  Tzv_color c = zv_clr_init_int(0x80402010u);
  EXPECT_EQ(zv_clr_to_int(c), 0x80402010u);
  Tzv_color const rgb = zv_clr_init_rgb(0x10, 0x20, 0x40);
  EXPECT_FALSE(zv_clr_equal(&c, &rgb));  // differs in a only
  c.a = 0;
  EXPECT_TRUE(zv_clr_equal(&c, &rgb));
  EXPECT_EQ(zv_clr_to_int(zv_clr_init_grey(7)), 0x00070707u);
  EXPECT_FALSE(zv_clr_equal(nullptr, &rgb));
}

TEST(BasicFont, EveryFieldIsCopiedAndCompared) {
  // Each field on its own makes two fonts differ; assign copies it.
  Tzv_fnt_type* a = zv_fnt_type_create();
  Tzv_fnt_type* b = zv_fnt_type_create();
  using Tchange = void (*)(Tzv_fnt_type*);
  for (Tchange change : {+[](Tzv_fnt_type* f) { zv_fnt_type_set_name(f, L"Courier"); },
                         +[](Tzv_fnt_type* f) { zv_fnt_type_set_height(f, 12); },
                         +[](Tzv_fnt_type* f) { zv_fnt_type_set_bold(f, true); },
                         +[](Tzv_fnt_type* f) { zv_fnt_type_set_italic(f, true); }}) {
    EXPECT_TRUE(zv_fnt_type_equal(a, b));
    change(b);
    EXPECT_FALSE(zv_fnt_type_equal(a, b));
    zv_fnt_type_assign(a, b);
  }
  zv_fnt_type_set_name(a, nullptr);
  Tzv_test_sink name;
  zv_fnt_type_get_name(a, name.adp);
  EXPECT_EQ(name.text, L"");
  zv_fnt_type_destroy(a);
  zv_fnt_type_destroy(b);
}

TEST(BasicServices, NullArgumentsAndUnknownIdsAreIgnored) {
  zv_call_each_on_null(zv_uuid_generate, zv_uuid_assign, zv_uuid_destroy, zv_uuid_generate_string, zv_uuid_get_string,
                       zv_string_adp_feed, zv_string_adp_feed_ansi, zv_string_adp_destroy, zv_wstrings_get_str_adp,
                       zv_wstrings_add_str, zv_wstrings_clear, zv_wstrings_destroy, zv_history_manager_begin_update,
                       zv_history_manager_end_update, zv_fnt_type_destroy, zv_fnt_type_assign, zv_fnt_type_set_name,
                       zv_fnt_type_get_name, zv_fnt_type_set_height, zv_fnt_type_set_bold, zv_fnt_type_set_italic);
  zv_expect_each_zero_on_null(zv_uuid_equal, zv_wstrings_get_size, zv_wstrings_get_str, zv_history_manager_get_depth,
                              zv_fnt_type_equal, zv_fnt_type_get_height, zv_fnt_type_get_bold, zv_fnt_type_get_italic);
  Tzv_uuid_t u{};
  zv_uuid_assign(&u, nullptr);
  zv_uuid_get_string(&u, nullptr);
  EXPECT_FALSE(zv_uuid_equal(nullptr, &u));
  EXPECT_STREQ(zv_res_get_wstr(412), L"") << "an unknown resource id";
  EXPECT_STREQ(zv_res_get_wstr(-1), L"");
}
