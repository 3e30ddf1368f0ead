#include "core/caption_index.h"

#include <algorithm>

namespace {

// %ls and %s stand for the base, %% for a percent sign, any other character
// for itself. Splits at the one %d; nothing when there is none or more.
std::optional<std::pair<std::wstring, std::wstring>> split_format(std::wstring_view base, std::wstring_view f) {
  std::wstring parts[2];
  int numbers = 0;
  for (size_t i = 0; i < f.size();) {
    std::wstring& out = parts[numbers > 0 ? 1 : 0];
    std::wstring_view const rest = f.substr(i);
    if (rest.starts_with(L"%%")) {
      out += L'%';
      i += 2;
    } else if (rest.starts_with(L"%d")) {
      ++numbers;
      i += 2;
    } else if (rest.starts_with(L"%ls") || rest.starts_with(L"%s")) {
      out += base;
      i += rest[1] == L'l' ? 3 : 2;
    } else {
      out += f[i++];
    }
  }
  if (numbers != 1) return std::nullopt;
  return std::pair{std::move(parts[0]), std::move(parts[1])};
}

// The number as std::to_wstring writes it, and nothing else.
std::optional<int64_t> canonical_number(std::wstring_view digits) {
  if (digits.empty() || digits.size() > 18) return std::nullopt;
  bool const negative = digits.front() == L'-';
  std::wstring_view const body = negative ? digits.substr(1) : digits;
  if (body.empty() || !std::all_of(body.begin(), body.end(), [](wchar_t c) { return c >= L'0' && c <= L'9'; }))
    return std::nullopt;
  int64_t const n = std::stoll(std::wstring(digits));
  if (std::to_wstring(n) != digits) return std::nullopt;
  return n;
}

}  // namespace

void Tzv_caption_index::add(std::wstring const& caption) { ++counts_[caption]; }

// A number let go below a family's hint is where the next search starts.
void Tzv_caption_index::remove(std::wstring const& caption) {
  auto const it = counts_.find(caption);
  if (it == counts_.end()) return;
  if (--it->second != 0) return;
  counts_.erase(it);
  for (Tzv_family& f : families_) {
    std::optional<int64_t> const n = f.number_of(caption);
    if (n && *n >= f.first && *n < f.hint) f.hint = *n;
  }
}

std::optional<std::wstring> Tzv_caption_index::first_free(std::wstring_view base, std::wstring_view format,
                                                          int32_t first) {
  Tzv_family* f = family(base, format, first);
  if (f == nullptr) return std::nullopt;
  std::wstring candidate = f->render(f->hint);
  while (contains(candidate)) candidate = f->render(++f->hint);
  return candidate;
}

std::optional<int64_t> Tzv_caption_index::Tzv_family::number_of(std::wstring_view caption) const {
  if (caption.size() <= prefix.size() + suffix.size() || !caption.starts_with(prefix) || !caption.ends_with(suffix))
    return std::nullopt;
  return canonical_number(caption.substr(prefix.size(), caption.size() - prefix.size() - suffix.size()));
}

Tzv_caption_index::Tzv_family* Tzv_caption_index::family(std::wstring_view base, std::wstring_view format,
                                                         int32_t first) {
  for (Tzv_family& f : families_)
    if (f.base == base && f.format == format && f.first == first) return &f;
  auto split = split_format(base, format);
  if (!split) return nullptr;
  families_.push_back(
      {std::wstring(base), std::wstring(format), std::move(split->first), std::move(split->second), first, first});
  return &families_.back();
}
