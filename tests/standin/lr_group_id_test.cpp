// Group ids as the layers and the tree keep them: every text comes back as it
// was given, whichever form holds it, and ids compare by their text.

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "lr_group_id.h"
#include "lr_text.h"

namespace {

std::wstring fed(Tzv_lr_group_id const& id) {
  return zv_lr_text::read([&id](Izv_string_adp* adp) { id.feed(adp); });
}

std::wstring const uuid = L"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0ff";

TEST(LrGroupId, EveryTextComesBackAsGiven) {
  std::vector<std::wstring> const texts{
      L"",
      uuid,
      L"0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0FF",  // upper case: held as text
      L"00000000-0000-0000-0000-000000000000",  // all zero: not "empty"
      L"00000000-0000-0000-0000-000000000001",
      uuid.substr(0, 35),
      uuid + L"0",
      L"0f1e2d3c4-b5a-4978-8695-a4b3c2d1e0ff",  // a dash out of place
      L"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0fg",  // not hex
      L"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f\u00e9",
      L"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f\u0161",  // its low bits spell 'a'
      L"\u01b0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0f",   // and these '0'
      L"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0\u01e1f",
      L"0f1e2d3c-4b5a-4978-86950a4b3c2d1e0ff",  // a digit for the last dash
      L"gid-7",
  };
  for (std::wstring const& text : texts) {
    Tzv_lr_group_id const id(text);
    EXPECT_EQ(id.text(), text);
    EXPECT_EQ(fed(id), text);
    EXPECT_EQ(id.empty(), text.empty()) << "\"" << std::string(text.begin(), text.end()) << "\"";
    Tzv_lr_group_id copy = id;
    EXPECT_EQ(copy, id);
    EXPECT_EQ(copy.hash(), id.hash());
    EXPECT_EQ(copy.text(), text);
    copy = Tzv_lr_group_id(L"other");  // the copy holds a text of its own
    EXPECT_EQ(id.text(), text);
  }
}

TEST(LrGroupId, IdsAreEqualExactlyWhenTheirTextsAre) {
  Tzv_lr_group_id const lower(uuid);
  Tzv_lr_group_id const upper(L"0F1E2D3C-4B5A-4978-8695-A4B3C2D1E0FF");
  EXPECT_EQ(lower, Tzv_lr_group_id(uuid));
  EXPECT_NE(lower, upper);
  EXPECT_NE(lower, Tzv_lr_group_id(L"00000000-0000-0000-0000-000000000000"));
  EXPECT_NE(Tzv_lr_group_id(L"a"), Tzv_lr_group_id(L"b"));
  EXPECT_EQ(Tzv_lr_group_id(L"a"), Tzv_lr_group_id(L"a"));
  EXPECT_EQ(Tzv_lr_group_id(), Tzv_lr_group_id(L""));
  // Ids that differ in one half only still differ and hash apart.
  Tzv_lr_group_id const other_low(L"0f1e2d3c-4b5a-4978-8695-a4b3c2d1e0fe");
  Tzv_lr_group_id const other_high(L"1f1e2d3c-4b5a-4978-8695-a4b3c2d1e0ff");
  EXPECT_NE(lower, other_low);
  EXPECT_NE(lower, other_high);
  EXPECT_NE(lower.hash(), other_low.hash());
  EXPECT_NE(lower.hash(), other_high.hash());
}

// Uuid texts are written and read several characters at a time where the
// processor allows: both agree with the forms a byte at a time on random
// uuids, and the reading on every text one character away from a uuid text.
TEST(LrGroupId, BothFormsAgreeOnUuidsAndNearTexts) {
  auto agree = [](std::wstring const& text) {
    uint64_t hi = 1, lo = 2, each_hi = 1, each_lo = 2;
    bool const read = zv_uuid_text::parse(text, hi, lo);
    EXPECT_EQ(read, zv_uuid_text::parse_each(text.data(), each_hi, each_lo));
    EXPECT_EQ(hi, each_hi);
    EXPECT_EQ(lo, each_lo);
    return read;
  };
  std::mt19937_64 random(7);
  for (int k = 0; k < 200; ++k) {
    uint64_t const hi = random(), lo = random();
    wchar_t text[zv_uuid_text::chars + 1];
    wchar_t each[zv_uuid_text::chars + 1];
    zv_uuid_text::format(hi, lo, text);
    zv_uuid_text::format_each(hi, lo, each);
    ASSERT_EQ(std::wstring(text), std::wstring(each));
    uint64_t read_hi = 0, read_lo = 0;
    ASSERT_TRUE(zv_uuid_text::parse(text, read_hi, read_lo));
    EXPECT_EQ(read_hi, hi);
    EXPECT_EQ(read_lo, lo);
  }
  std::vector<wchar_t> probes{L'0', L'9', L'a', L'f', L'/',  L':',  L'`',  L'g',   L'A',   L'F',   L'-',  L'\0',
                              0x7F, 0x80, 0xE1, 0xFF, 0x12D, 0x130, 0x161, 0x7F30, 0x8030, 0xFF2D, 0xFFFF};
  if constexpr (sizeof(wchar_t) == 4)
    for (int32_t const wide : {0x10030, 0x7FFF0061, -208}) probes.push_back(static_cast<wchar_t>(wide));
  for (size_t at = 0; at < zv_uuid_text::chars; ++at)
    for (wchar_t const probe : probes) {
      std::wstring text = uuid;
      text[at] = probe;
      bool const dash_place = at == 8 || at == 13 || at == 18 || at == 23;
      bool const valid =
          dash_place ? probe == L'-' : (probe >= L'0' && probe <= L'9') || (probe >= L'a' && probe <= L'f');
      EXPECT_EQ(agree(text), valid) << at << " " << static_cast<uint32_t>(probe);
    }
}

TEST(LrGroupId, AssignmentReplacesEitherForm) {
  Tzv_lr_group_id id(L"gid-1");
  id = Tzv_lr_group_id(uuid);
  EXPECT_EQ(id.text(), uuid);
  Tzv_lr_group_id const text(L"gid-2");
  id = text;
  EXPECT_EQ(id.text(), L"gid-2");
  Tzv_lr_group_id const& same = id;
  id = same;  // self-assignment keeps the text
  EXPECT_EQ(id.text(), L"gid-2");
  Tzv_lr_group_id moved = std::move(id);
  EXPECT_EQ(moved.text(), L"gid-2");
}

}  // namespace
