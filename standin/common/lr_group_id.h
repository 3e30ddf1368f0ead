// A group id as the layers and the layer group tree keep it. Ids are nearly
// always fresh uuid texts (36 characters, lower-case hex); such an id is held
// as its 16 bytes, any other text as a string of its own. The usual id then
// costs no heap, and compares and hashes in two words instead of 36
// characters. The text it reports is exactly the text it was given.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <string_view>

#include "uuid_text.h"
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
  static constexpr size_t uuid_chars = zv_uuid_text::chars;

  // Takes the 16 bytes of a lower-case uuid text. The all-zero uuid stays a
  // text, since zero bytes mean "empty".
  bool parse(std::wstring_view text) {
    if (text.empty()) return true;
    uint64_t hi = 0, lo = 0;
    if (!zv_uuid_text::parse(text, hi, lo) || (hi == 0 && lo == 0)) return false;
    hi_ = hi;
    lo_ = lo;
    return true;
  }

  // Writes the 36 characters and the terminating null; returns the length.
  size_t format(wchar_t* out) const {
    zv_uuid_text::format(hi_, lo_, out);
    return uuid_chars;
  }

  uint64_t hi_ = 0;
  uint64_t lo_ = 0;
  std::unique_ptr<std::wstring> text_;  // any text that is not a lower-case uuid
};
