// Code-page conversion of the platform: one implementation file per platform,
// chosen by the build. Both functions measure when `out` is null and return
// the number of output units, or -1 on failure. Characters that the code page
// cannot hold become '?' (narrow side) or U+FFFD (wide side).
#pragma once

#include <cstdint>

namespace zv::text::codepage {

int wide_to_narrow(wchar_t const* in, int in_len, char* out, int out_len, uint32_t code_page);
int narrow_to_wide(char const* in, int in_len, wchar_t* out, int out_len, uint32_t code_page);

}  // namespace zv::text::codepage
