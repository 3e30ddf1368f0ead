// Helpers over entity collections: downcast, member index, unique captions,
// update channel and update brackets by interface.
//
// Unique captions: the caller's format is parsed here into text, base and
// number parts, so no caller text ever reaches a printf-style function. For
// one call the base is fixed, so every candidate is the same fixed text with
// the number's digits in between; each member's caption is read once and
// matched against that shape, which yields the one number it takes, if any.
// Only the numbers from `first` to `first` + member count can be the answer,
// so a table of that many flags settles it: O(N) in all, with no text copied
// per member.

#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "zv/sibling/entity.h"

namespace {

// Hands every text fed into its adapter to `on_text`; narrow text is widened
// byte by byte (entities feed wide captions).
template <class F>
class Tzv_wtext_reader {
 public:
  explicit Tzv_wtext_reader(F on_text)
      : on_text_(std::move(on_text)), adp_(zv_string_adp_create(&on_narrow, &on_wide, this)) {}
  ~Tzv_wtext_reader() { zv_string_adp_destroy(adp_); }
  Tzv_wtext_reader(Tzv_wtext_reader const&) = delete;
  Tzv_wtext_reader& operator=(Tzv_wtext_reader const&) = delete;

  void read(Izv_entity* e) { e->get_wcaption(adp_); }

 private:
  static void on_wide(wchar_t const* s, void* data) {
    static_cast<Tzv_wtext_reader*>(data)->on_text_(std::wstring_view(s ? s : L""));
  }
  static void on_narrow(char const* s, void* data) {
    std::wstring t;
    for (; s && *s; ++s) t.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*s)));
    static_cast<Tzv_wtext_reader*>(data)->on_text_(std::wstring_view(t));
  }

  F on_text_;
  Izv_string_adp* adp_;
};

// Calls `on_caption` with the caption of every member of `c` except `self`.
template <class F>
void zv_for_each_caption(Izv_entities* c, Izv_entity* self, F on_caption) {
  if (!c) return;
  Tzv_wtext_reader<F> reader(std::move(on_caption));
  uint32_t const n = c->get_count();
  for (uint32_t i = 0; i < n; ++i) {
    Izv_entity* const m = c->get_entity(i);
    if (m && m != self) reader.read(m);
  }
}

// A caption format: literal text, the base and the number, in order.
class Tzv_caption_format {
 public:
  explicit Tzv_caption_format(wchar_t const* format) {
    parse(format ? format : L"%ls %d");
    if (!has_number_) {
      // Without a number every candidate would be the same text.
      literal_ += L' ';
      push(Tpart_kind::number);
    }
    flush();
  }

  std::wstring render(std::wstring const& base, int64_t n) const {
    std::wstring const number = std::to_wstring(n);
    std::wstring s;
    for (Tpart const& p : parts_) s += p.kind == Tpart_kind::text ? p.text : p.kind == Tpart_kind::base ? base : number;
    return s;
  }

  // The fixed texts around and between the number's places, for that base.
  std::vector<std::wstring> fixed_texts(std::wstring const& base) const {
    std::vector<std::wstring> fixed(1);
    for (Tpart const& p : parts_)
      if (p.kind == Tpart_kind::number) fixed.emplace_back();
      else fixed.back() += p.kind == Tpart_kind::text ? p.text : base;
    return fixed;
  }

 private:
  enum class Tpart_kind { text, base, number };
  struct Tpart {
    Tpart_kind kind;
    std::wstring text;
  };

  // %ls and %s stand for the base, %d for the number, %% for a percent sign;
  // anything else is text.
  void parse(wchar_t const* f) {
    while (*f) {
      std::wstring_view const rest(f);
      if (rest.starts_with(L"%%")) {
        literal_ += L'%';
        f += 2;
      } else if (rest.starts_with(L"%d")) {
        push(Tpart_kind::number);
        f += 2;
      } else if (rest.starts_with(L"%s") || rest.starts_with(L"%ls")) {
        push(Tpart_kind::base);
        f += rest[1] == L'l' ? 3 : 2;
      } else {
        literal_ += *f++;
      }
    }
  }

  void push(Tpart_kind kind) {
    flush();
    parts_.push_back({kind, {}});
    has_number_ = has_number_ || kind == Tpart_kind::number;
  }

  void flush() {
    if (!literal_.empty()) parts_.push_back({Tpart_kind::text, std::move(literal_)});
    literal_.clear();
  }

  std::vector<Tpart> parts_;
  std::wstring literal_;
  bool has_number_ = false;
};

// The number as std::to_wstring writes it: an optional minus, then digits
// without a leading zero ("0" itself aside). Anything else is no number.
std::optional<int64_t> zv_parse_number(std::wstring_view d) {
  bool const negative = !d.empty() && d.front() == L'-';
  if (negative) d.remove_prefix(1);
  if (d.empty() || d.size() > 18 || (d.front() == L'0' && (d.size() > 1 || negative))) return std::nullopt;
  int64_t n = 0;
  for (wchar_t const ch : d) {
    if (ch < L'0' || ch > L'9') return std::nullopt;
    n = n * 10 + (ch - L'0');
  }
  return negative ? -n : n;
}

// The number whose candidate is exactly `caption`, if any. Candidates are
// fixed[0], digits, fixed[1], ..., digits, fixed[k]: the caption's length
// tells the digits' length, the first place tells the digits, the rest must
// then match.
std::optional<int64_t> zv_number_of(std::vector<std::wstring> const& fixed, std::wstring_view caption) {
  size_t const places = fixed.size() - 1;
  size_t fixed_len = 0;
  for (std::wstring const& f : fixed) fixed_len += f.size();
  if (caption.size() <= fixed_len || (caption.size() - fixed_len) % places != 0) return std::nullopt;
  size_t const digits = (caption.size() - fixed_len) / places;
  std::wstring_view const number = caption.substr(fixed[0].size(), digits);
  size_t at = 0;
  for (size_t i = 0; i < fixed.size(); ++i) {
    if (i > 0) {
      if (caption.substr(at, digits) != number) return std::nullopt;
      at += digits;
    }
    if (caption.substr(at, fixed[i].size()) != fixed[i]) return std::nullopt;
    at += fixed[i].size();
  }
  return zv_parse_number(number);
}

// What the members' captions say about one call's candidates: which numbers
// from `first` on they take, and whether one of them is the base itself.
class Tzv_caption_census {
 public:
  Tzv_caption_census(Izv_entities* c, Izv_entity* self, std::wstring base, Tzv_caption_format format, int64_t first)
      : base_(std::move(base)), format_(std::move(format)), first_(first) {
    // With N members, one of first .. first + N is free.
    taken_.assign(c ? c->get_count() + 1 : 1, false);
    std::vector<std::wstring> const fixed = format_.fixed_texts(base_);
    zv_for_each_caption(c, self, [&](std::wstring_view caption) {
      base_taken_ = base_taken_ || caption == base_;
      if (std::optional<int64_t> const n = zv_number_of(fixed, caption)) {
        if (*n >= first_ && static_cast<uint64_t>(*n - first_) < taken_.size()) taken_[*n - first_] = true;
      }
    });
  }

  bool base_taken() const { return base_taken_; }

  // The candidate with the smallest free number.
  std::wstring first_free() const {
    size_t i = 0;
    while (i < taken_.size() && taken_[i]) ++i;
    return format_.render(base_, first_ + static_cast<int64_t>(i));
  }

 private:
  std::wstring base_;
  Tzv_caption_format format_;
  int64_t first_;
  std::vector<bool> taken_;
  bool base_taken_ = false;
};

}  // namespace

Izv_entities* zv_entities_safe_downcast(Izv_entity* e) { return dynamic_cast<Izv_entities*>(e); }

// Walks the members itself: a collection's own get_entity_index may well
// call this function.
uint32_t zv_entities_get_entity_index(Izv_entities* c, Izv_entity* e) {
  if (!c || !e) return zv_no_index;
  uint32_t const n = c->get_count();
  for (uint32_t i = 0; i < n; ++i)
    if (c->get_entity(i) == e) return i;
  return zv_no_index;
}

// A null collection has no member, so every caption is unique in it.
bool zv_entities_is_unique_wcaption(Izv_entities* c, wchar_t const* caption) {
  std::wstring_view const wanted = caption ? caption : L"";
  bool unique = true;
  zv_for_each_caption(c, nullptr, [&](std::wstring_view m) { unique = unique && m != wanted; });
  return unique;
}

void zv_entities_unique_wcaption(Izv_entities* c, wchar_t const* base, wchar_t const* format, int32_t first,
                                 Izv_string_adp* out) {
  zv_entities_unique_wcaption_ex(c, base, format, first, out, nullptr);
}

void zv_entities_unique_wcaption_ex(Izv_entities* c, wchar_t const* base, wchar_t const* format, int32_t first,
                                    Izv_string_adp* out, Izv_entity* self) {
  if (!out) return;
  std::wstring const b = base ? base : L"";
  Tzv_caption_census const census(c, self, b, Tzv_caption_format(format), first);
  // An entity renaming itself keeps the text when no other member bears it.
  std::wstring const caption = self != nullptr && !census.base_taken() ? b : census.first_free();
  zv_string_adp_feed(out, caption.c_str());
}

void zv_entities_create_unique_wcaption(Izv_entities* c, wchar_t const* base, Izv_string_adp* out) {
  if (!out) return;
  std::wstring const b = base ? base : L"";
  Tzv_caption_census const census(c, nullptr, b, Tzv_caption_format(L"%ls %d"), 1);
  std::wstring const caption = census.base_taken() ? census.first_free() : b;
  zv_string_adp_feed(out, caption.c_str());
}

Tzv_event_channel* zv_entities_get_update_event_channel(Izv_entities* c) {
  return c ? c->get_update_event_channel() : nullptr;
}

// --- Update brackets by interface -------------------------------------------------

void zv_entity_begin_update(Izv_entity* e) {
  if (e) e->begin_update();
}

void zv_entity_end_update(Izv_entity* e) {
  if (e) e->end_update();
}

void zv_scn_begin_update(Izv_scene* s) {
  if (s) s->begin_update();
}

void zv_scn_end_update(Izv_scene* s) {
  if (s) s->end_update();
}
