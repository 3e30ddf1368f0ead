// The text form of a uuid, "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx" in lower
// case, to and from its 16 bytes held as two big-endian words. Layers and the
// layer group tree turn group ids between the two forms several times for
// every layer a scene adds, so both directions work sixteen digits at a time
// where the processor has SSE2, and else a byte (two digits) at a time from
// tables, without a branch on the digits.
//
// The SSE2 forms write and read the digits in runs of four, at the places
// where such runs stand between the dashes: a text read right after it was
// written then finds each run whole in the processor's store queue, where a
// read spanning several writes would wait for them to reach the cache.
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

// Where the two characters of byte j stand, where the dashes stand, and
// where each run of four digits starts.
inline constexpr std::array<uint8_t, 16> byte_at{0, 2, 4, 6, 9, 11, 14, 16, 19, 21, 24, 26, 28, 30, 32, 34};
inline constexpr std::array<uint8_t, 4> dash_at{8, 13, 18, 23};
inline constexpr std::array<uint8_t, 8> run_at{0, 4, 9, 14, 19, 24, 28, 32};

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
// terminating null, a byte at a time.
inline void format_each(uint64_t hi, uint64_t lo, wchar_t* out) {
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

inline bool dashes_in_place(wchar_t const* s) {
  unsigned bad = 0;
  for (uint8_t at : dash_at) bad |= s[at] == L'-' ? 0u : 1u;
  return bad == 0;
}

// Reads the 36 characters at `s` into `hi` and `lo`, a byte at a time;
// false, leaving them as they were, when they are not a uuid text.
inline bool parse_each(wchar_t const* s, uint64_t& hi, uint64_t& lo) {
  unsigned bad = 0;
  uint64_t const first = read_word(s, 0, bad);
  uint64_t const second = read_word(s, 8, bad);
  if ((bad >> 4) != 0 || !dashes_in_place(s)) return false;
  hi = first;
  lo = second;
  return true;
}

#if defined(__SSE2__)
namespace sse2 {

// A run of four characters, in the low half for 16-bit characters.
inline __m128i load_run(wchar_t const* s) {
  if constexpr (sizeof(wchar_t) == 4) return _mm_loadu_si128(reinterpret_cast<__m128i const*>(s));
  else return _mm_loadl_epi64(reinterpret_cast<__m128i const*>(s));
}

inline void store_run(wchar_t* out, __m128i run) {
  if constexpr (sizeof(wchar_t) == 4) _mm_storeu_si128(reinterpret_cast<__m128i*>(out), run);
  else _mm_storel_epi64(reinterpret_cast<__m128i*>(out), run);
}

// Four runs (sixteen digits) from `first` on, as bytes. A character above
// 255 becomes 255 or 0: not a digit.
inline __m128i narrow(wchar_t const* s, size_t first) {
  auto run = [s, first](size_t k) { return load_run(s + run_at[first + k]); };
  if constexpr (sizeof(wchar_t) == 4) {
    return _mm_packus_epi16(_mm_packs_epi32(run(0), run(1)), _mm_packs_epi32(run(2), run(3)));
  } else {
    return _mm_packus_epi16(_mm_unpacklo_epi64(run(0), run(1)), _mm_unpacklo_epi64(run(2), run(3)));
  }
}

// The sixteen digits as one byte each; false when one is not a lower-case
// hex digit.
inline bool values(__m128i c, __m128i& v) {
  __m128i const zero = _mm_setzero_si128();
  __m128i const d = _mm_sub_epi8(c, _mm_set1_epi8('0'));
  __m128i const h = _mm_sub_epi8(c, _mm_set1_epi8('a'));
  __m128i const is_d = _mm_cmpeq_epi8(_mm_subs_epu8(d, _mm_set1_epi8(9)), zero);
  __m128i const is_h = _mm_cmpeq_epi8(_mm_subs_epu8(h, _mm_set1_epi8(5)), zero);
  v = _mm_or_si128(_mm_and_si128(is_d, d), _mm_and_si128(is_h, _mm_add_epi8(h, _mm_set1_epi8(10))));
  return _mm_movemask_epi8(_mm_or_si128(is_d, is_h)) == 0xFFFF;
}

// The eight bytes that sixteen digit values spell, in the low half.
inline __m128i bytes(__m128i v) {
  __m128i const high = _mm_slli_epi16(_mm_and_si128(v, _mm_set1_epi16(0xFF)), 4);
  return _mm_packus_epi16(_mm_or_si128(high, _mm_srli_epi16(v, 8)), _mm_setzero_si128());
}

inline uint64_t big_endian_word(__m128i b) { return __builtin_bswap64(static_cast<uint64_t>(_mm_cvtsi128_si64(b))); }

inline bool parse(wchar_t const* s, uint64_t& hi, uint64_t& lo) {
  __m128i first, second;
  if (!values(narrow(s, 0), first) || !values(narrow(s, 4), second) || !dashes_in_place(s)) return false;
  hi = big_endian_word(bytes(first));
  lo = big_endian_word(bytes(second));
  return true;
}

// The sixteen digits of the eight bytes of `word`, as characters from '0'
// to 'f' in bytes.
inline __m128i digits(uint64_t word) {
  __m128i const b = _mm_cvtsi64_si128(static_cast<long long>(__builtin_bswap64(word)));
  __m128i const low_nibble = _mm_set1_epi8(0x0F);
  __m128i const n = _mm_unpacklo_epi8(_mm_and_si128(_mm_srli_epi16(b, 4), low_nibble), _mm_and_si128(b, low_nibble));
  __m128i const letter = _mm_and_si128(_mm_cmpgt_epi8(n, _mm_set1_epi8(9)), _mm_set1_epi8('a' - '0' - 10));
  return _mm_add_epi8(_mm_add_epi8(n, _mm_set1_epi8('0')), letter);
}

// Writes the four runs of `word`'s digits, from run `first` on.
inline void store_digits(uint64_t word, wchar_t* out, size_t first) {
  __m128i const zero = _mm_setzero_si128();
  __m128i const d = digits(word);
  __m128i const low = _mm_unpacklo_epi8(d, zero);  // digits 0-7, 16 bits each
  __m128i const high = _mm_unpackhi_epi8(d, zero);
  __m128i const pairs[2] = {low, high};
  for (size_t k = 0; k < 4; ++k) {
    __m128i const eight = pairs[k / 2];
    if constexpr (sizeof(wchar_t) == 4) {
      store_run(out + run_at[first + k], k % 2 ? _mm_unpackhi_epi16(eight, zero) : _mm_unpacklo_epi16(eight, zero));
    } else {
      store_run(out + run_at[first + k], k % 2 ? _mm_srli_si128(eight, 8) : eight);
    }
  }
}

inline void format(uint64_t hi, uint64_t lo, wchar_t* out) {
  store_digits(hi, out, 0);
  store_digits(lo, out, 4);
  for (uint8_t at : dash_at) out[at] = L'-';
  out[chars] = L'\0';
}

}  // namespace sse2
#endif

// Writes the 36 characters of the bytes of `hi` and then `lo`, and a
// terminating null.
inline void format(uint64_t hi, uint64_t lo, wchar_t* out) {
#if defined(__SSE2__)
  sse2::format(hi, lo, out);
#else
  format_each(hi, lo, out);
#endif
}

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
