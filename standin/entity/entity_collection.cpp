// Helpers over entity collections: downcast, member index, unique captions,
// update channel and update brackets by interface.
//
// Unique captions: the caller's format is parsed here into text, base and
// number parts, so no caller text ever reaches a printf-style function. The
// members' captions are collected into a hash set once; candidates are then
// tried for increasing numbers. Different numbers give different candidates,
// so at most one more than the member count is tried: O(N) in all.

#include <string>
#include <unordered_set>
#include <vector>

#include "zv/sibling/entity.h"

namespace {

// Owns an adapter that keeps the last text fed into it.
class Tzv_wtext_sink {
 public:
  Tzv_wtext_sink() : adp_(zv_string_adp_create(&on_narrow, &on_wide, this)) {}
  ~Tzv_wtext_sink() { zv_string_adp_destroy(adp_); }
  Tzv_wtext_sink(Tzv_wtext_sink const&) = delete;
  Tzv_wtext_sink& operator=(Tzv_wtext_sink const&) = delete;

  std::wstring const& caption_of(Izv_entity* e) {
    text_.clear();
    e->get_wcaption(adp_);
    return text_;
  }

 private:
  static void on_wide(wchar_t const* s, void* data) { static_cast<Tzv_wtext_sink*>(data)->text_ = s ? s : L""; }
  // Entities feed wide captions; narrow text is widened byte by byte.
  static void on_narrow(char const* s, void* data) {
    std::wstring& t = static_cast<Tzv_wtext_sink*>(data)->text_;
    t.clear();
    for (; s && *s; ++s) t.push_back(static_cast<wchar_t>(static_cast<unsigned char>(*s)));
  }

  Izv_string_adp* adp_;
  std::wstring text_;
};

using Tzv_caption_set = std::unordered_set<std::wstring>;

// Captions of every member of `c` except `self`.
Tzv_caption_set zv_member_captions(Izv_entities* c, Izv_entity* self) {
  Tzv_caption_set captions;
  if (!c) return captions;
  Tzv_wtext_sink sink;
  uint32_t const n = c->get_count();
  captions.reserve(n);
  for (uint32_t i = 0; i < n; ++i) {
    Izv_entity* const m = c->get_entity(i);
    if (m && m != self) captions.insert(sink.caption_of(m));
  }
  return captions;
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
    for (Tpart const& p : parts_) {
      s += p.kind == Tpart_kind::text ? p.text : p.kind == Tpart_kind::base ? base : number;
    }
    return s;
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
      if (f[0] != L'%') {
        literal_ += *f++;
      } else if (f[1] == L'%') {
        literal_ += L'%';
        f += 2;
      } else if (f[1] == L'd') {
        push(Tpart_kind::number);
        f += 2;
      } else if (f[1] == L's') {
        push(Tpart_kind::base);
        f += 2;
      } else if (f[1] == L'l' && f[2] == L's') {
        push(Tpart_kind::base);
        f += 3;
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

void zv_feed_first_free(Tzv_caption_set const& taken, Tzv_caption_format const& format, std::wstring const& base,
                        int64_t first, Izv_string_adp* out) {
  for (int64_t n = first;; ++n) {
    std::wstring const candidate = format.render(base, n);
    if (!taken.contains(candidate)) {
      zv_string_adp_feed(out, candidate.c_str());
      return;
    }
  }
}

}  // namespace

Izv_entities* zv_entities_safe_downcast(Izv_entity* e) { return dynamic_cast<Izv_entities*>(e); }

// Walks the members itself: a collection's own get_entity_index may well
// call this function.
uint32_t zv_entities_get_entity_index(Izv_entities* c, Izv_entity* e) {
  if (!c || !e) return zv_no_index;
  uint32_t const n = c->get_count();
  for (uint32_t i = 0; i < n; ++i) {
    if (c->get_entity(i) == e) return i;
  }
  return zv_no_index;
}

// A null collection has no member, so every caption is unique in it.
bool zv_entities_is_unique_wcaption(Izv_entities* c, wchar_t const* caption) {
  if (!c) return true;
  std::wstring const wanted = caption ? caption : L"";
  Tzv_wtext_sink sink;
  uint32_t const n = c->get_count();
  for (uint32_t i = 0; i < n; ++i) {
    Izv_entity* const m = c->get_entity(i);
    if (m && sink.caption_of(m) == wanted) return false;
  }
  return true;
}

void zv_entities_unique_wcaption(Izv_entities* c, wchar_t const* base, wchar_t const* format, int32_t first,
                                 Izv_string_adp* out) {
  zv_entities_unique_wcaption_ex(c, base, format, first, out, nullptr);
}

void zv_entities_unique_wcaption_ex(Izv_entities* c, wchar_t const* base, wchar_t const* format, int32_t first,
                                    Izv_string_adp* out, Izv_entity* self) {
  if (!out) return;
  std::wstring const b = base ? base : L"";
  Tzv_caption_set const taken = zv_member_captions(c, self);
  // An entity renaming itself keeps the text when no other member bears it.
  if (self != nullptr && !taken.contains(b)) {
    zv_string_adp_feed(out, b.c_str());
    return;
  }
  zv_feed_first_free(taken, Tzv_caption_format(format), b, first, out);
}

void zv_entities_create_unique_wcaption(Izv_entities* c, wchar_t const* base, Izv_string_adp* out) {
  if (!out) return;
  std::wstring const b = base ? base : L"";
  Tzv_caption_set const taken = zv_member_captions(c, nullptr);
  if (!taken.contains(b)) {
    zv_string_adp_feed(out, b.c_str());
  } else {
    zv_feed_first_free(taken, Tzv_caption_format(L"%ls %d"), b, 1, out);
  }
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
