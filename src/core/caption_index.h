// The captions of a collection's members, counted, so that a unique caption
// costs O(1) amortised instead of a walk over every member. A numbered family
// (a base and a format with one %d) keeps the smallest number that may still
// be free; numbers below it are known taken until a member lets one go.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class Tzv_caption_index {
 public:
  void add(std::wstring const& caption);
  void remove(std::wstring const& caption);
  bool contains(std::wstring const& caption) const { return counts_.contains(caption); }

  // The format rendered with `base` and the smallest number from `first` on
  // that no member bears; nothing when the format does not hold exactly one
  // %d (the caller then asks the members one by one).
  std::optional<std::wstring> first_free(std::wstring_view base, std::wstring_view format, int32_t first);

 private:
  // A format rendered with one base: prefix, the number, suffix.
  struct Tzv_family {
    std::wstring base;
    std::wstring format;
    std::wstring prefix;
    std::wstring suffix;
    int64_t first;
    int64_t hint;  // every number from first up to here is taken

    std::wstring render(int64_t n) const { return prefix + std::to_wstring(n) + suffix; }
    std::optional<int64_t> number_of(std::wstring_view caption) const;
  };

  Tzv_family* family(std::wstring_view base, std::wstring_view format, int32_t first);

  std::unordered_map<std::wstring, uint32_t> counts_;
  std::vector<Tzv_family> families_;  // a handful: one per base and format asked for
};
