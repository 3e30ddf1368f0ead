// Text helpers of the layer stand-ins: UTF-8 and wide text in both
// directions (surrogate pairs where wchar_t is 16 bit), reading or feeding
// text through string adapters, and group ids.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <variant>

#include "zv/common/unwind.h"
#include "zv/sibling/basic/string_adp.h"
#include "zv/sibling/basic/uuid.h"

namespace zv_lr_text {

inline void append_utf8(std::string& out, uint32_t cp) {
  if (cp < 0x80) {
    out += static_cast<char>(cp);
  } else if (cp < 0x800) {
    out += static_cast<char>(0xC0 | (cp >> 6));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else if (cp < 0x10000) {
    out += static_cast<char>(0xE0 | (cp >> 12));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  } else {
    out += static_cast<char>(0xF0 | (cp >> 18));
    out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
    out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (cp & 0x3F));
  }
}

inline void append_wide(std::wstring& out, uint32_t cp) {
  if (sizeof(wchar_t) == 2 && cp > 0xFFFF) {
    cp -= 0x10000;
    out += static_cast<wchar_t>(0xD800 | (cp >> 10));
    out += static_cast<wchar_t>(0xDC00 | (cp & 0x3FF));
  } else {
    out += static_cast<wchar_t>(cp);
  }
}

// Wide text to UTF-8, joining surrogate pairs where wchar_t is 16 bit.
inline std::string to_narrow(std::wstring const& w) {
  std::string out;
  for (size_t i = 0; i < w.size(); ++i) {
    uint32_t cp = static_cast<uint32_t>(w[i]) & (sizeof(wchar_t) == 2 ? 0xFFFFu : 0xFFFFFFFFu);
    if (sizeof(wchar_t) == 2 && cp >= 0xD800 && cp < 0xDC00 && i + 1 < w.size()) {
      uint32_t lo = static_cast<uint32_t>(w[i + 1]) & 0xFFFFu;
      if (lo >= 0xDC00 && lo < 0xE000) {
        cp = 0x10000 + ((cp - 0xD800) << 10) + (lo - 0xDC00);
        ++i;
      }
    }
    append_utf8(out, cp > 0x10FFFF ? 0xFFFD : cp);
  }
  return out;
}

// UTF-8 to wide text; a malformed sequence becomes U+FFFD. Null gives "".
inline std::wstring to_wide(char const* s) {
  std::wstring out;
  if (!s) return out;
  auto const* p = reinterpret_cast<unsigned char const*>(s);
  while (*p) {
    unsigned lead = *p++;
    int extra = lead < 0x80 ? 0 : (lead >> 5) == 6 ? 1 : (lead >> 4) == 14 ? 2 : (lead >> 3) == 30 ? 3 : -1;
    uint32_t cp = extra == 0 ? lead : extra == 1 ? lead & 0x1F : extra == 2 ? lead & 0x0F : lead & 0x07;
    for (int k = 0; k < extra && cp != 0xFFFD; ++k)
      if ((*p & 0xC0) != 0x80) cp = 0xFFFD;
      else cp = (cp << 6) | (*p++ & 0x3F);
    append_wide(out, extra < 0 || cp > 0x10FFFF ? 0xFFFD : cp);
  }
  return out;
}

inline std::wstring or_empty(wchar_t const* s) { return s ? std::wstring(s) : std::wstring(); }

inline void feed(Izv_string_adp* adp, std::wstring const& s) {
  if (adp) zv_string_adp_feed(adp, s.c_str());
}

// Runs `produce(adapter)` and returns the text it fed (the last one fed).
template <class F>
std::wstring read(F&& produce) {
  std::wstring out;
  Izv_string_adp* adp =
      zv_string_adp_create([](char const* s, void* d) { *static_cast<std::wstring*>(d) = to_wide(s); },
                           [](wchar_t const* s, void* d) { *static_cast<std::wstring*>(d) = s ? s : L""; }, &out);
  zv::Tzv_finally const release([adp] { zv_string_adp_destroy(adp); });
  produce(adp);
  return out;
}

}  // namespace zv_lr_text

// A group id. The text form of a uuid (36 characters, lower case, as
// zv_uuid_get_string writes it) is kept as the uuid's 16 bytes and written
// again when read; any other text is kept as it is.
class Tzv_lr_group_id {
 public:
  Tzv_lr_group_id() = default;
  explicit Tzv_lr_group_id(std::wstring_view text) {
    Tzv_uuid_t u{};
    if (parse(text, u)) id_ = u;
    else id_ = std::wstring(text);
  }
  bool empty() const { return id_.index() == 0 && std::get<0>(id_).empty(); }
  std::wstring text() const {
    Tzv_uuid_t const* u = std::get_if<Tzv_uuid_t>(&id_);
    if (!u) return std::get<0>(id_);
    std::wstring out(36, L'-');
    for (size_t i = 0; i < 16; ++i) out[at(i)] = hex[u->bytes[i] >> 4], out[at(i) + 1] = hex[u->bytes[i] & 0xF];
    return out;
  }

 private:
  static constexpr wchar_t hex[] = L"0123456789abcdef";
  // Where the two digits of byte `byte` stand in the text.
  static size_t at(size_t byte) { return 2 * byte + (byte > 3) + (byte > 5) + (byte > 7) + (byte > 9); }
  // The value of a lower-case hex digit, else -1 ('a' is 0x61: 1 + 9).
  static int digit(wchar_t c) {
    int const v = ((c & 0xF) + 9 * ((c >> 6) & 1)) & 0xF;
    return hex[v] == c ? v : -1;
  }
  static bool parse(std::wstring_view s, Tzv_uuid_t& u) {
    if (s.size() != 36 || s[8] != L'-' || s[13] != L'-' || s[18] != L'-' || s[23] != L'-') return false;
    for (size_t i = 0; i < 16; ++i) {
      int const hi = digit(s[at(i)]), lo = digit(s[at(i) + 1]);
      if (hi < 0 || lo < 0) return false;
      u.bytes[i] = static_cast<uint8_t>(hi << 4 | lo);
    }
    return true;
  }

  std::variant<std::wstring, Tzv_uuid_t> id_;
};
