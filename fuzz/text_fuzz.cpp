// Fuzzes the code-page conversions with arbitrary bytes: no conversion may
// read or write out of bounds, and well-formed UTF-8 must survive a round
// trip through every Unicode row.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "text/encodings.h"

extern "C" int LLVMFuzzerTestOneInput(uint8_t const* data, size_t size) {
  if (size == 0) return 0;
  int const row = data[0] % zv::text::encoding_count;
  std::string const bytes(reinterpret_cast<char const*>(data + 1), size - 1);

  std::wstring const wide = zv::text::decode(bytes, row);
  std::string const narrow = zv::text::encode(wide, row);
  (void)zv::text::encode(std::wstring(wide.rbegin(), wide.rend()), row);

  // Text decoded from UTF-8 without replacement characters encodes back to
  // the same bytes.
  std::wstring const from_utf8 = zv::text::decode(bytes, zv::text::encoding_utf8);
  if (!from_utf8.empty() && from_utf8.find(L'\xFFFD') == std::wstring::npos &&
      zv::text::encode(from_utf8, zv::text::encoding_utf8) != bytes) {
    std::abort();
  }
  return 0;
}
