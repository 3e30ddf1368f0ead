// Code-page conversion through the system's functions. Code page 0 is the
// system ANSI code page (CP_ACP).
#include <windows.h>

#include "text/codepage.h"

namespace zv::text::codepage {

int wide_to_narrow(wchar_t const* in, int in_len, char* out, int out_len, uint32_t code_page) {
  if (in_len <= 0) return 0;
  int const n = WideCharToMultiByte(code_page, 0, in, in_len, out, out ? out_len : 0, nullptr, nullptr);
  return n > 0 ? n : -1;
}

int narrow_to_wide(char const* in, int in_len, wchar_t* out, int out_len, uint32_t code_page) {
  if (in_len <= 0) return 0;
  int const n = MultiByteToWideChar(code_page, 0, in, in_len, out, out ? out_len : 0);
  return n > 0 ? n : -1;
}

}  // namespace zv::text::codepage
