#include "params/extent_ind.h"

#include <algorithm>

#include "zv/sibling/entity.h"

Tzv_extent_ind2d::Tzv_extent_ind2d() = default;

// The style goes first, then every link's uuid.
Tzv_extent_ind2d::~Tzv_extent_ind2d() { style_.reset(); }

void Tzv_extent_ind2d::apply_default_style(Tzv_pgn_style* style) {
  zv_pgn_style_set_pgn_visible(style, false);
  zv_pgn_style_set_pln_visible(style, true);
  Tzv_bpln_style* b = zv_pgn_style_get_bpln_style_ptr(style);
  zv_bpln_style_set_width(b, 1.0);
  zv_bpln_style_set_color(b, zv_clr_init_int(255));
}

void Tzv_extent_ind2d::set_links_count(uint32_t n) {
  if (n < links_.size()) {
    links_.resize(n);
    return;
  }
  links_.reserve(n);
  while (links_.size() < n) links_.emplace_back(zv_uuid_create());
}

Tzv_uuid_t* Tzv_extent_ind2d::get_link_uid(uint32_t i) const { return i < links_.size() ? links_[i].get() : nullptr; }

void Tzv_extent_ind2d::set_link_uid(uint32_t i, Tzv_uuid_t const& uid) {
  if (i < links_.size()) zv_uuid_assign(links_[i].get(), &uid);
}

int32_t Tzv_extent_ind2d::find_link(Tzv_uuid_t const& uid) const {
  auto const it =
      std::find_if(links_.begin(), links_.end(), [&uid](Tlink const& l) { return zv_uuid_equal(l.get(), &uid); });
  return it == links_.end() ? -1 : static_cast<int32_t>(it - links_.begin());
}

void Tzv_extent_ind2d::add_link(Tzv_uuid_t const& uid) {
  if (has_link(uid)) return;
  Tlink link(zv_uuid_create());
  zv_uuid_assign(link.get(), &uid);
  links_.push_back(std::move(link));
}

void Tzv_extent_ind2d::remove_link(Tzv_uuid_t const& uid) {
  int32_t const i = find_link(uid);
  if (i >= 0) links_.erase(links_.begin() + i);
}

void Tzv_extent_ind2d::update_link(Tzv_uuid_t const& uid, bool on) {
  if (on) {
    add_link(uid);
  } else {
    remove_link(uid);
  }
}

void Tzv_extent_ind2d::validate_links() {
  std::erase_if(links_, [](Tlink const& l) { return zv_entity_storage_find_by_uid(l.get()) == nullptr; });
}

void Tzv_extent_ind2d::assign(Tzv_extent_ind2d const& src) {
  f_ = src.f_;
  zv_pgn_style_assign(style_.get(), src.style_.get());
  if (&src == this) return;
  set_links_count(src.get_links_count());
  for (size_t i = 0; i < links_.size(); ++i) zv_uuid_assign(links_[i].get(), src.links_[i].get());
}

bool Tzv_extent_ind2d::equal(Tzv_extent_ind2d const& other) const {
  return f_ == other.f_ && zv_pgn_style_equal(style_.get(), other.style_.get());
}
