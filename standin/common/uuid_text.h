// The text form of a uuid, "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx" in lower
// case, to and from its 16 bytes held as two big-endian words. Layers and the
// layer group tree turn group ids between the two forms several times for
// every layer a scene adds, so both directions work a byte (two characters)
// at a time from tables, without a branch on the digits.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

namespace zv_uuid_text {

inline constexpr size_t chars = 36;

// Where the two characters of byte j stand, and where the dashes stand.
inline constexpr std::array<uint8_t, 16> byte_at{0, 2, 4, 6, 9, 11, 14, 16, 19, 21, 24, 26, 28, 30, 32, 34};
inline constexpr std::array<uint8_t, 4> dash_at{8, 13, 18, 23};

// The two digits of every byte value.
inline constexpr std::array<std::array<wchar_t, 2>, 256> digit_pairs = [] {
  constexpr wchar_t digits[] = L"0123456789abcdef";
  std::array<std::array<wchar_t, 2>, 256> t{};
  for (size_t b = 0; b < t.size(); ++b) t[b] = {digits[b >> 4], digits[b & 0xF]};
  return t;
}();

// The value of every character below 128: a digit's value, or 16 for any
// other character.
inline constexpr std::array<uint8_t, 128> digit_values = [] {
  std::array<uint8_t, 128> t{};
  t.fill(16);
  for (uint8_t c = 0; c < 10; ++c) t[size_t{'0'} + c] = c;
  for (uint8_t c = 0; c < 6; ++c) t[size_t{'a'} + c] = static_cast<uint8_t>(10 + c);
  return t;
}();

// Writes the 36 characters of the bytes of `hi` and then `lo`, and a
// terminating null.
inline void format(uint64_t hi, uint64_t lo, wchar_t* out) {
#pragma GCC unroll 16
  for (size_t j = 0; j < 16; ++j) {
    uint64_t const word = j < 8 ? hi : lo;
    auto const& pair = digit_pairs[(word >> (56 - 8 * (j % 8))) & 0xFF];
    out[byte_at[j]] = pair[0];
    out[byte_at[j] + 1] = pair[1];
  }
  for (uint8_t at : dash_at) out[at] = L'-';
  out[chars] = L'\0';
}

// The value of digit `c`; a character that is not a lower-case hex digit
// sets a bit above the lowest four in `bad`.
inline unsigned digit(wchar_t c, unsigned& bad) {
  auto const u = static_cast<uint32_t>(std::char_traits<wchar_t>::to_int_type(c));
  unsigned const v = digit_values[u & 127];
  bad |= (u & ~127u) | v;
  return v;
}

// The word of bytes `first` to `first + 7` of the text at `s`.
inline uint64_t read_word(wchar_t const* s, size_t first, unsigned& bad) {
  uint64_t w = 0;
#pragma GCC unroll 8
  for (size_t j = first; j < first + 8; ++j) {
    unsigned const high = digit(s[byte_at[j]], bad);
    w = (w << 8) | (high << 4) | digit(s[byte_at[j] + 1], bad);
  }
  return w;
}

// Reads `text` into `hi` and `lo`; false, leaving them as they were, when it
// is not a uuid text.
inline bool parse(std::wstring_view text, uint64_t& hi, uint64_t& lo) {
  if (text.size() != chars) return false;
  wchar_t const* const s = text.data();
  unsigned bad = 0;
  uint64_t const first = read_word(s, 0, bad);
  uint64_t const second = read_word(s, 8, bad);
  for (uint8_t at : dash_at) bad |= s[at] == L'-' ? 0u : 16u;
  if ((bad >> 4) != 0) return false;
  hi = first;
  lo = second;
  return true;
}

}  // namespace zv_uuid_text
