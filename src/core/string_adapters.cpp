#include "core/string_adapters.h"

#include <cwchar>

#include "text/encodings.h"

Tzv_string_adapter_base::Tzv_string_adapter_base()
    : adapter_(zv_string_adp_create(&zv_ansi_string_callback, &zv_unicode_string_callback, this)) {}

Tzv_string_adapter_base::~Tzv_string_adapter_base() { zv_string_adp_destroy(adapter_); }

void Tzv_string_adapter_base::zv_ansi_string_callback(char const* s, void* data) {
  static_cast<Tzv_string_adapter_base*>(data)->feed(s);
}

void Tzv_string_adapter_base::zv_unicode_string_callback(wchar_t const* s, void* data) {
  static_cast<Tzv_string_adapter_base*>(data)->feed(s);
}

void Tzv_std_wstring_adapter::feed(char const* s) {
  if (s == nullptr) {
    target_->clear();
    return;
  }
  *target_ = zv::text::narrow_to_wide(s, 0);
}

void Tzv_std_wstring_adapter::feed(wchar_t const* s) {
  if (s == nullptr) {
    target_->clear();
    return;
  }
  target_->assign(s);
}

void Tzv_match_any_wstring_adapter::feed(char const*) { matched_ = false; }

void Tzv_match_any_wstring_adapter::feed(wchar_t const* s) {
  if (matched_ || s == nullptr || target_ == nullptr) return;
  matched_ = std::wcscmp(s, target_) == 0;
}
