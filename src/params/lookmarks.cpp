#include "params/lookmarks.h"

#include <algorithm>
#include <cstddef>
#include <utility>

void Tzv_lookmark2d::set_caption(wchar_t const* s) {
  if (s) f_.caption = s;
}

void Tzv_lookmark2d::get_caption_adp(Izv_string_adp& adp) const { zv_string_adp_feed(&adp, f_.caption.c_str()); }

void Tzv_lookmark2d::get_zoom(double* z0, double* z1, double* z2, double* z3) const {
  double* const out[] = {z0, z1, z2, z3};
  for (std::size_t i = 0; i < f_.zoom.size(); ++i) {
    if (out[i]) *out[i] = f_.zoom[i];
  }
}

Tzv_lookmark2d* Tzv_lookmarks2d::add_ptr() {
  items_.push_back(std::make_unique<Tzv_lookmark2d>());
  return items_.back().get();
}

int32_t Tzv_lookmarks2d::find_ptr(Tzv_lookmark2d const* p) const {
  auto const it = std::find_if(items_.begin(), items_.end(), [p](auto const& item) { return item.get() == p; });
  return it == items_.end() || !p ? -1 : static_cast<int32_t>(it - items_.begin());
}

void Tzv_lookmarks2d::delete_item(uint32_t i) {
  if (!in_range(i)) return;
  items_.erase(items_.begin() + i);
  auto const idx = static_cast<int32_t>(i);
  if (active_idx_ == idx) active_idx_ = -1;
  else if (active_idx_ > idx) --active_idx_;
}

void Tzv_lookmarks2d::swap_items(uint32_t i, uint32_t j) {
  if (!in_range(i) || !in_range(j)) return;
  std::swap(items_[i], items_[j]);
  auto const a = static_cast<int32_t>(i);
  auto const b = static_cast<int32_t>(j);
  if (active_idx_ == a) active_idx_ = b;
  else if (active_idx_ == b) active_idx_ = a;
}

int32_t Tzv_lookmarks2d::get_active_idx() const {
  return active_idx_ >= 0 && in_range(static_cast<uint32_t>(active_idx_)) ? active_idx_ : -1;
}

Tzv_lookmark2d* Tzv_lookmarks2d::get_active_ptr() const {
  int32_t const i = get_active_idx();
  return i < 0 ? nullptr : items_[static_cast<uint32_t>(i)].get();
}

void Tzv_lookmarks2d::clear() {
  items_.clear();
  active_idx_ = -1;
}

void Tzv_lookmarks2d::assign(Tzv_lookmarks2d const& src) {
  if (&src == this) return;
  // Built aside, so an allocation failure leaves this list as it was.
  std::vector<std::unique_ptr<Tzv_lookmark2d>> copy;
  copy.reserve(src.items_.size());
  for (auto const& item : src.items_) {
    copy.push_back(std::make_unique<Tzv_lookmark2d>());
    copy.back()->assign(*item);
  }
  items_ = std::move(copy);
  active_idx_ = src.get_active_idx();
}

bool Tzv_lookmarks2d::equal(Tzv_lookmarks2d const& other) const {
  return get_active_idx() == other.get_active_idx() &&
         std::equal(items_.begin(), items_.end(), other.items_.begin(), other.items_.end(),
                    [](auto const& a, auto const& b) { return a->equal(*b); });
}
