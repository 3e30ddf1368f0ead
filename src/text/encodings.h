// Text encodings: the table of encodings that wide text may be converted to,
// and the two-pass conversions between wide text and code pages.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace zv::text {

struct Tzv_encoding {
  char const* name;
  char const* alias;
  uint32_t code_page;  // 0: the system ANSI code page
};

constexpr int encoding_count = 19;
constexpr int encoding_utf8 = 0;
constexpr int encoding_system = 18;

// Row i of the table; row 18 ("SYSTEM") for an index out of range.
Tzv_encoding const& encoding(int index);
// Index of the row whose name or alias equals `name` (ASCII case-insensitive); -1 when none.
int find_encoding(std::string_view name);

// Conversions through a code page (0: the system ANSI code page, which is
// UTF-8 on Linux). Two passes: the output length is asked for first, then
// the text is converted; any failure gives the empty string.
std::string wide_to_narrow(std::wstring_view text, uint32_t code_page);
std::wstring narrow_to_wide(std::string_view text, uint32_t code_page);

// Through a row of the encoding table.
inline std::string encode(std::wstring_view text, int encoding_index) {
  return wide_to_narrow(text, encoding(encoding_index).code_page);
}
inline std::wstring decode(std::string_view text, int encoding_index) {
  return narrow_to_wide(text, encoding(encoding_index).code_page);
}

}  // namespace zv::text
