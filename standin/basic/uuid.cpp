// Identifiers: random version-4 uuids and their text form.

#include <cstring>
#include <mutex>
#include <random>
#include <string>

#include "zv/sibling/basic/string_adp.h"
#include "zv/sibling/basic/uuid.h"

namespace {

// One generator for the process, seeded once from the system's entropy.
void zv_random_bytes(uint8_t (&bytes)[16]) {
  static std::mutex guard;
  static std::mt19937_64 gen{[] {
    std::random_device rd;
    std::seed_seq seq{rd(), rd(), rd(), rd(), rd(), rd(), rd(), rd()};
    return std::mt19937_64(seq);
  }()};
  std::lock_guard<std::mutex> const lock(guard);
  for (int half = 0; half < 2; ++half) {
    uint64_t const v = gen();
    for (int i = 0; i < 8; ++i) bytes[half * 8 + i] = static_cast<uint8_t>(v >> (8 * i));
  }
}

void zv_fill_v4(Tzv_uuid_t* u) {
  zv_random_bytes(u->bytes);
  u->bytes[6] = static_cast<uint8_t>((u->bytes[6] & 0x0F) | 0x40);  // version 4
  u->bytes[8] = static_cast<uint8_t>((u->bytes[8] & 0x3F) | 0x80);  // RFC 4122 variant
}

// "xxxxxxxx-xxxx-xxxx-xxxx-xxxxxxxxxxxx", lower case.
void zv_feed_text(Tzv_uuid_t const& u, Izv_string_adp* adp) {
  static constexpr wchar_t digits[] = L"0123456789abcdef";
  std::wstring text;
  for (int i = 0; i < 16; ++i) {
    if (i == 4 || i == 6 || i == 8 || i == 10) text += L'-';
    text += {digits[u.bytes[i] >> 4], digits[u.bytes[i] & 0xF]};
  }
  zv_string_adp_feed(adp, text.c_str());
}

}  // namespace

Tzv_uuid_t* zv_uuid_create() { return new Tzv_uuid_t{}; }

void zv_uuid_generate(Tzv_uuid_t* u, int32_t) {
  if (u) zv_fill_v4(u);
}

void zv_uuid_assign(Tzv_uuid_t* dst, Tzv_uuid_t const* src) {
  if (dst && src) *dst = *src;
}

bool zv_uuid_equal(Tzv_uuid_t const* a, Tzv_uuid_t const* b) {
  if (!a || !b) return false;
  return std::memcmp(a->bytes, b->bytes, sizeof a->bytes) == 0;
}

void zv_uuid_destroy(Tzv_uuid_t* u) { delete u; }

void zv_uuid_generate_string(Izv_string_adp* adp) {
  if (!adp) return;
  Tzv_uuid_t u;
  zv_fill_v4(&u);
  zv_feed_text(u, adp);
}

void zv_uuid_get_string(Tzv_uuid_t const* u, Izv_string_adp* adp) {
  if (u && adp) zv_feed_text(*u, adp);
}
