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

// Where one pass writes: the caller's buffer when converting, scratch space
// when only measuring. Counts the output units either way.
template <class OutUnit>
class Tzv_iconv_output {
 public:
  Tzv_iconv_output(OutUnit* out, int out_units) : out_(out), out_units_(out ? out_units : 0) {}

  bool measuring() const { return out_ == nullptr; }
  long count() const { return count_; }

  // One iconv call on the input left in `src` into the room left here,
  // counting what it wrote; iconv's result, with errno set on failure.
  size_t convert(iconv_t cd, char** src, size_t* src_left) {
    OutUnit* const target = measuring() ? scratch_ : out_ + count_;
    size_t const room = measuring() ? scratch_units : static_cast<size_t>(out_units_ - count_);
    char* dst = reinterpret_cast<char*>(target);
    size_t dst_left = room * sizeof(OutUnit);
    size_t const r = iconv(cd, src, src_left, &dst, &dst_left);
    count_ += static_cast<long>((room * sizeof(OutUnit) - dst_left) / sizeof(OutUnit));
    return r;
  }

  // Writes out what a stateful decoder still holds back (CP1255 and CP1258
  // keep a letter until they know whether a mark combines with it) and
  // returns the converter to its initial state.
  bool flush(iconv_t cd) { return convert(cd, nullptr, nullptr) != failed; }

  bool put(OutUnit unit) {
    if (!measuring()) {
      if (count_ >= out_units_) return false;
      out_[count_] = unit;
    }
    ++count_;
    return true;
  }

  static constexpr size_t failed = static_cast<size_t>(-1);

 private:
  static constexpr size_t scratch_units = 256;
  OutUnit* out_;
  long out_units_;
  long count_ = 0;
  OutUnit scratch_[scratch_units];
};

// Converts `in` chunk by chunk into `out` when given (at most `out_units`),
// else only measures, and returns the number of output units. An
// unconvertible or malformed input unit becomes `replacement`, after whatever
// the converter held back from before it, and is skipped.
template <class InUnit, class OutUnit>
int convert(Tzv_iconv& cd, InUnit const* in, int in_len, OutUnit* out, int out_units, OutUnit replacement) {
  using Output = Tzv_iconv_output<OutUnit>;
  Output output(out, out_units);
  char* src = reinterpret_cast<char*>(const_cast<InUnit*>(in));
  size_t src_left = static_cast<size_t>(in_len) * sizeof(InUnit);
  while (src_left > 0) {
    if (output.convert(cd.get(), &src, &src_left) != Output::failed) continue;
    if (errno == E2BIG && output.measuring()) continue;
    if (errno != EILSEQ && errno != EINVAL) return -1;  // also E2BIG: the measured size was too small
    if (!output.flush(cd.get()) || !output.put(replacement)) return -1;
    size_t const skip = sizeof(InUnit) <= src_left ? sizeof(InUnit) : src_left;
    src += skip;
    src_left -= skip;
  }
  if (!output.flush(cd.get())) return -1;
  return output.count() > 0x7FFFFFFF ? -1 : static_cast<int>(output.count());
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
