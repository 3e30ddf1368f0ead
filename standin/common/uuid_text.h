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

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

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

// Reads the 36 characters at `s` into `hi` and `lo`, a character at a time;
// false, leaving them as they were, when they are not a uuid text.
inline bool parse_each(wchar_t const* s, uint64_t& hi, uint64_t& lo) {
  unsigned bad = 0;
  uint64_t const first = read_word(s, 0, bad);
  uint64_t const second = read_word(s, 8, bad);
  for (uint8_t at : dash_at) bad |= s[at] == L'-' ? 0u : 16u;
  if ((bad >> 4) != 0) return false;
  hi = first;
  lo = second;
  return true;
}

#if defined(__SSE2__)
namespace sse2 {

inline __m128i load(wchar_t const* s) { return _mm_loadu_si128(reinterpret_cast<__m128i const*>(s)); }

// The characters as bytes, 16 to a register, from `s` on. A character above
// 255 becomes 255 or 0: neither a digit nor a dash.
inline __m128i narrow16(wchar_t const* s) {
  if constexpr (sizeof(wchar_t) == 4) {
    __m128i const low = _mm_packs_epi32(load(s), load(s + 4));
    return _mm_packus_epi16(low, _mm_packs_epi32(load(s + 8), load(s + 12)));
  } else {
    return _mm_packus_epi16(load(s), load(s + 8));
  }
}

// The last four characters, in the low bytes.
inline __m128i narrow4(wchar_t const* s) {
  if constexpr (sizeof(wchar_t) == 4) {
    return _mm_packus_epi16(_mm_packs_epi32(load(s), _mm_setzero_si128()), _mm_setzero_si128());
  } else {
    return _mm_packus_epi16(_mm_loadl_epi64(reinterpret_cast<__m128i const*>(s)), _mm_setzero_si128());
  }
}

// The digit values of `c`; `ok` gets the bytes that are a lower-case hex
// digit where `dashes` is clear, and a dash where it is set.
inline __m128i digits(__m128i c, __m128i dashes, __m128i& ok) {
  __m128i const zero = _mm_setzero_si128();
  __m128i const d = _mm_sub_epi8(c, _mm_set1_epi8('0'));
  __m128i const h = _mm_sub_epi8(c, _mm_set1_epi8('a'));
  __m128i const is_d = _mm_cmpeq_epi8(_mm_subs_epu8(d, _mm_set1_epi8(9)), zero);
  __m128i const is_h = _mm_cmpeq_epi8(_mm_subs_epu8(h, _mm_set1_epi8(5)), zero);
  __m128i const is_dash = _mm_cmpeq_epi8(c, _mm_set1_epi8('-'));
  ok = _mm_or_si128(_mm_andnot_si128(dashes, _mm_or_si128(is_d, is_h)), _mm_and_si128(dashes, is_dash));
  return _mm_or_si128(_mm_and_si128(is_d, d), _mm_and_si128(is_h, _mm_add_epi8(h, _mm_set1_epi8(10))));
}

// The bytes of the digit pairs that start at the even places of `v`, in
// the low eight bytes: (v[2k] << 4) | v[2k + 1].
inline __m128i pairs(__m128i v) {
  __m128i const high = _mm_slli_epi16(_mm_and_si128(v, _mm_set1_epi16(0xFF)), 4);
  return _mm_or_si128(high, _mm_srli_epi16(v, 8));
}

inline uint64_t big_endian(uint8_t const* p, size_t n) {
  uint64_t w = 0;
  for (size_t k = 0; k < n; ++k) w = (w << 8) | p[k];
  return w;
}

inline bool parse(wchar_t const* s, uint64_t& hi, uint64_t& lo) {
  __m128i ok_a, ok_b, ok_c;
  // Dashes stand at 8 and 13 of the first sixteen, at 2 and 7 of the next.
  __m128i const a = digits(narrow16(s), _mm_setr_epi8(0, 0, 0, 0, 0, 0, 0, 0, -1, 0, 0, 0, 0, -1, 0, 0), ok_a);
  __m128i const b = digits(narrow16(s + 16), _mm_setr_epi8(0, 0, -1, 0, 0, 0, 0, -1, 0, 0, 0, 0, 0, 0, 0, 0), ok_b);
  __m128i const c = digits(narrow4(s + 32), _mm_setzero_si128(), ok_c);
  if (_mm_movemask_epi8(ok_a) != 0xFFFF || _mm_movemask_epi8(ok_b) != 0xFFFF || (_mm_movemask_epi8(ok_c) & 0xF) != 0xF)
    return false;
  // Pairs from even places (0, 2, ... 34) and from odd places (1, 3, ... 31).
  alignas(16) uint8_t even[32];
  alignas(16) uint8_t odd[16];
  _mm_store_si128(reinterpret_cast<__m128i*>(even), _mm_packus_epi16(pairs(a), pairs(b)));
  _mm_store_si128(reinterpret_cast<__m128i*>(even + 16), _mm_packus_epi16(pairs(c), _mm_setzero_si128()));
  __m128i const a1 = _mm_or_si128(_mm_srli_si128(a, 1), _mm_slli_si128(b, 15));
  __m128i const b1 = _mm_or_si128(_mm_srli_si128(b, 1), _mm_slli_si128(c, 15));
  _mm_store_si128(reinterpret_cast<__m128i*>(odd), _mm_packus_epi16(pairs(a1), pairs(b1)));
  // Bytes at 0, 2, 4, 6 | 9, 11 | 14, 16 || 19, 21 | 24, 26, 28, 30, 32, 34.
  hi = big_endian(even, 4) << 32 | big_endian(odd + 4, 2) << 16 | big_endian(even + 7, 2);
  lo = big_endian(odd + 9, 2) << 48 | big_endian(even + 12, 6);
  return true;
}

}  // namespace sse2
#endif

// Reads `text` into `hi` and `lo`; false, leaving them as they were, when it
// is not a uuid text.
inline bool parse(std::wstring_view text, uint64_t& hi, uint64_t& lo) {
  if (text.size() != chars) return false;
#if defined(__SSE2__)
  return sse2::parse(text.data(), hi, lo);
#else
  return parse_each(text.data(), hi, lo);
#endif
}

}  // namespace zv_uuid_text
