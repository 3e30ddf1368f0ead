#include "text/encodings.h"

#include <array>
#include <cctype>

#include "text/codepage.h"

namespace zv::text {

namespace {

constexpr std::array<Tzv_encoding, encoding_count> encodings{{
    {"UTF-8", "UTF-8", 65001},
    {"UTF-16", "UTF-16", 0},
    {"UTF-16LE", "UTF-16LE", 0},
    {"UTF-16BE", "UTF-16BE", 0},
    {"UTF-32", "UTF-32", 0},
    {"UTF-32LE", "UTF-32LE", 0},
    {"UTF-32BE", "UTF-32BE", 0},
    {"CP1250", "Windows-1250", 1250},
    {"CP1251", "Windows-1251", 1251},
    {"CP1252", "Windows-1252", 1252},
    {"CP1253", "Windows-1253", 1253},
    {"CP1254", "Windows-1254", 1254},
    {"CP1255", "Windows-1255", 1255},
    {"CP1256", "Windows-1256", 1256},
    {"CP1257", "Windows-1257", 1257},
    {"CP1258", "Windows-1258", 1258},
    {"CP866", "OEM 866", 866},
    {"ASCII", "US-ASCII", 20127},
    {"SYSTEM", "ANSI", 0},
}};

bool same_ascii_nocase(std::string_view a, std::string_view b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::tolower(static_cast<unsigned char>(a[i])) != std::tolower(static_cast<unsigned char>(b[i]))) {
      return false;
    }
  }
  return true;
}

// Runs a measuring pass and a converting pass of `convert`; a failed pass or
// two passes that disagree give the empty string.
template <class Out, class In, class Convert>
Out two_pass(In text, uint32_t code_page, Convert convert) {
  if (text.empty()) return Out();
  int const in_len = static_cast<int>(text.size());
  int const needed = convert(text.data(), in_len, nullptr, 0, code_page);
  if (needed <= 0) return Out();
  Out out(static_cast<size_t>(needed), typename Out::value_type());
  int const written = convert(text.data(), in_len, out.data(), needed, code_page);
  if (written != needed) return Out();
  return out;
}

}  // namespace

Tzv_encoding const& encoding(int index) {
  if (index < 0 || index >= encoding_count) return encodings[encoding_system];
  return encodings[static_cast<size_t>(index)];
}

int find_encoding(std::string_view name) {
  for (int i = 0; i < encoding_count; ++i) {
    auto const& e = encodings[static_cast<size_t>(i)];
    if (same_ascii_nocase(name, e.name) || same_ascii_nocase(name, e.alias)) return i;
  }
  return -1;
}

std::string wide_to_narrow(std::wstring_view text, uint32_t code_page) {
  return two_pass<std::string>(text, code_page, &codepage::wide_to_narrow);
}

std::wstring narrow_to_wide(std::string_view text, uint32_t code_page) {
  return two_pass<std::wstring>(text, code_page, &codepage::narrow_to_wide);
}

}  // namespace zv::text
