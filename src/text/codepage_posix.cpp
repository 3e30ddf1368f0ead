// Code-page conversion through iconv. Code page 0, the system ANSI code page,
// is UTF-8 here.
#include <iconv.h>

#include <cerrno>
#include <string>

#include "text/codepage.h"

namespace zv::text::codepage {

namespace {

std::string iconv_name(uint32_t code_page) {
  switch (code_page) {
    case 0:
    case 65001:
      return "UTF-8";
    case 20127:
      return "ASCII";
    default:
      return "CP" + std::to_string(code_page);
  }
}

// An iconv descriptor released on scope exit.
class Tzv_iconv {
 public:
  Tzv_iconv(char const* to, char const* from) : cd_(iconv_open(to, from)) {}
  ~Tzv_iconv() {
    if (ok()) iconv_close(cd_);
  }
  Tzv_iconv(Tzv_iconv const&) = delete;
  Tzv_iconv& operator=(Tzv_iconv const&) = delete;
  bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }
  iconv_t get() const { return cd_; }

 private:
  iconv_t cd_;
};

// Converts `in` chunk by chunk, writing into `out` when given (at most
// `out_units`), and counts the output units. An unconvertible or malformed
// input unit is replaced by `replacement` and skipped.
template <class InUnit, class OutUnit>
int convert(Tzv_iconv& cd, InUnit const* in, int in_len, OutUnit* out, int out_units, OutUnit replacement) {
  char* src = reinterpret_cast<char*>(const_cast<InUnit*>(in));
  size_t src_left = static_cast<size_t>(in_len) * sizeof(InUnit);
  OutUnit scratch[256];
  long count = 0;
  while (src_left > 0) {
    OutUnit* target = out ? out + count : scratch;
    size_t const room_units = out ? static_cast<size_t>(out_units - count) : sizeof(scratch) / sizeof(OutUnit);
    char* dst = reinterpret_cast<char*>(target);
    size_t dst_left = room_units * sizeof(OutUnit);
    size_t const r = iconv(cd.get(), &src, &src_left, &dst, &dst_left);
    count += static_cast<long>((room_units * sizeof(OutUnit) - dst_left) / sizeof(OutUnit));
    if (r != static_cast<size_t>(-1)) continue;
    if (errno == E2BIG) {
      if (out) return -1;  // the measured size was too small
      continue;
    }
    if (errno != EILSEQ && errno != EINVAL) return -1;
    if (out) {
      if (count >= out_units) return -1;
      out[count] = replacement;
    }
    ++count;
    size_t const skip = sizeof(InUnit) <= src_left ? sizeof(InUnit) : src_left;
    src += skip;
    src_left -= skip;
  }
  return count > 0x7FFFFFFF ? -1 : static_cast<int>(count);
}

}  // namespace

int wide_to_narrow(wchar_t const* in, int in_len, char* out, int out_len, uint32_t code_page) {
  if (in_len <= 0) return 0;
  Tzv_iconv cd(iconv_name(code_page).c_str(), "WCHAR_T");
  if (!cd.ok()) return -1;
  return convert<wchar_t, char>(cd, in, in_len, out, out_len, '?');
}

int narrow_to_wide(char const* in, int in_len, wchar_t* out, int out_len, uint32_t code_page) {
  if (in_len <= 0) return 0;
  Tzv_iconv cd("WCHAR_T", iconv_name(code_page).c_str());
  if (!cd.ok()) return -1;
  return convert<char, wchar_t>(cd, in, in_len, out, out_len, L'\xFFFD');
}

}  // namespace zv::text::codepage
