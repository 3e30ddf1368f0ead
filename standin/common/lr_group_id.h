// A group id as the layers and the layer group tree keep it. Ids are nearly
// always fresh uuid texts (36 characters, lower-case hex); such an id is held
// as its 16 bytes, any other text as a string of its own. The usual id then
// costs no heap, and compares and hashes in two words instead of 36
// characters. The text it reports is exactly the text it was given.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "zv/sibling/basic/string_adp.h"

class Tzv_lr_group_id {
 public:
  Tzv_lr_group_id() = default;
  explicit Tzv_lr_group_id(std::wstring_view text) {
    if (!parse(text)) text_ = std::make_unique<std::wstring>(text);
  }
  Tzv_lr_group_id(Tzv_lr_group_id const& o)
      : hi_(o.hi_), lo_(o.lo_), text_(o.text_ ? std::make_unique<std::wstring>(*o.text_) : nullptr) {}
  Tzv_lr_group_id(Tzv_lr_group_id&&) noexcept = default;
  Tzv_lr_group_id& operator=(Tzv_lr_group_id const& o) {
    if (this != &o) *this = Tzv_lr_group_id(o);
    return *this;
  }
  Tzv_lr_group_id& operator=(Tzv_lr_group_id&&) noexcept = default;
  ~Tzv_lr_group_id() = default;

  bool empty() const { return !text_ && hi_ == 0 && lo_ == 0; }

  // A text is held in the compact form whenever it can be, so the two forms
  // never hold equal texts.
  bool operator==(Tzv_lr_group_id const& o) const {
    if (text_ || o.text_) return text_ && o.text_ && *text_ == *o.text_;
    return hi_ == o.hi_ && lo_ == o.lo_;
  }

  uint64_t hash() const {
    if (text_) return std::hash<std::wstring>{}(*text_);
    return hi_ ^ (lo_ * 0x9E3779B97F4A7C15ull);
  }

  std::wstring text() const {
    if (text_) return *text_;
    if (empty()) return {};
    wchar_t buf[uuid_chars + 1];
    return {buf, format(buf)};
  }

  // Feeds the text to `adp` (when not null) without building a string.
  void feed(Izv_string_adp* adp) const {
    if (!adp) return;
    if (text_) {
      zv_string_adp_feed(adp, text_->c_str());
    } else if (empty()) {
      zv_string_adp_feed(adp, L"");
    } else {
      wchar_t buf[uuid_chars + 1];
      format(buf);
      zv_string_adp_feed(adp, buf);
    }
  }

 private:
  static constexpr size_t uuid_chars = 36;
  // Where the 32 digits of the text stand, the first 16 making the high word.
  static constexpr std::array<uint8_t, 32> digit_at{0,  1,  2,  3,  4,  5,  6,  7,  9,  10, 11, 12, 14, 15, 16, 17,
                                                    19, 20, 21, 22, 24, 25, 26, 27, 28, 29, 30, 31, 32, 33, 34, 35};
  static constexpr std::array<uint8_t, 4> dash_at{8, 13, 18, 23};

  // Digit values of the characters below 128, not_hex for the others: a
  // table, not comparisons, since the digits of a random uuid defeat branch
  // prediction.
  static constexpr unsigned not_hex = 16;
  static constexpr std::array<uint8_t, 128> hex_table = [] {
    std::array<uint8_t, 128> t{};
    t.fill(not_hex);
    for (uint8_t c = 0; c < 10; ++c) t[size_t{'0'} + c] = c;
    for (uint8_t c = 0; c < 6; ++c) t[size_t{'a'} + c] = static_cast<uint8_t>(10 + c);
    return t;
  }();
  static unsigned hex_value(wchar_t c) {
    auto const u = static_cast<uint32_t>(std::char_traits<wchar_t>::to_int_type(c));
    return u < hex_table.size() ? unsigned{hex_table[u]} : not_hex;
  }

  // Takes the 16 bytes of a lower-case uuid text. The all-zero uuid stays a
  // text, since zero bytes mean "empty".
  bool parse(std::wstring_view text) {
    if (text.empty()) return true;
    if (text.size() != uuid_chars) return false;
    bool invalid = false;
    for (uint8_t at : dash_at) invalid |= text[at] != L'-';
    uint64_t const hi = read_word(text, 0, invalid);
    uint64_t const lo = read_word(text, 16, invalid);
    if (invalid || (hi == 0 && lo == 0)) return false;
    hi_ = hi;
    lo_ = lo;
    return true;
  }

  // The 16 digits from digit number `first` on as a word, kept in a register.
  static uint64_t read_word(std::wstring_view text, size_t first, bool& invalid) {
    uint64_t w = 0;
    for (size_t k = first; k < first + 16; ++k) {
      unsigned const v = hex_value(text[digit_at[k]]);
      invalid |= v == not_hex;
      w = (w << 4) | (v & 0xFu);
    }
    return w;
  }

  // Writes the 36 characters and the terminating null; returns the length.
  size_t format(wchar_t* out) const {
    static constexpr wchar_t digits[] = L"0123456789abcdef";
    uint64_t const words[2] = {hi_, lo_};
    for (uint8_t at : dash_at) out[at] = L'-';
    for (size_t k = 0; k < digit_at.size(); ++k)
      out[digit_at[k]] = digits[(words[k / 16] >> (4 * (15 - k % 16))) & 0xF];
    out[uuid_chars] = L'\0';
    return uuid_chars;
  }

  uint64_t hi_ = 0;
  uint64_t lo_ = 0;
  std::unique_ptr<std::wstring> text_;  // any text that is not a lower-case uuid
};
