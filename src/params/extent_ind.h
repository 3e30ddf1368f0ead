// Extent indicator of a 2D scene: outlines standing for the extents of other,
// linked entities, kept as a list of those entities' uuids, with the
// indicator's visibility and polygon style.
#pragma once

#include <cstdint>
#include <vector>

#include "core/scope.h"
#include "params/lazy_scope.h"
#include "zv/sibling/basic.h"
#include "zv/sibling/styles.h"

class Tzv_extent_ind2d {
 public:
  Tzv_extent_ind2d();
  ~Tzv_extent_ind2d();
  Tzv_extent_ind2d(Tzv_extent_ind2d const&) = delete;
  Tzv_extent_ind2d& operator=(Tzv_extent_ind2d const&) = delete;

  bool get_visible() const { return f_.visible; }
  void set_visible(bool v) { f_.visible = v; }
  // Made with the default style when first asked for.
  Tzv_pgn_style* get_style() const { return style_.get(); }
  // Fill hidden, outline shown, border width 1.0 in red; other settings kept.
  void init_default_style() { apply_default_style(style_.get()); }

  uint32_t get_links_count() const { return static_cast<uint32_t>(links_.size()); }
  // New slots hold new uuids from zv_uuid_create.
  void set_links_count(uint32_t n);
  // The uuid held in slot i (not a copy); null when i is out of range.
  Tzv_uuid_t* get_link_uid(uint32_t i) const;
  // Copies the value of `uid` into slot i; nothing when i is out of range.
  void set_link_uid(uint32_t i, Tzv_uuid_t const& uid);

  int32_t find_link(Tzv_uuid_t const& uid) const;
  bool has_link(Tzv_uuid_t const& uid) const { return find_link(uid) >= 0; }
  void add_link(Tzv_uuid_t const& uid);
  void remove_link(Tzv_uuid_t const& uid);
  void update_link(Tzv_uuid_t const& uid, bool on);
  // Drops, in place and in order, every link whose entity is gone.
  void validate_links();

  void assign(Tzv_extent_ind2d const& src);
  // Visibility and style; the links are not compared.
  bool equal(Tzv_extent_ind2d const& other) const;

 private:
  using Tlink = zv::scope<Tzv_uuid_t*, &zv_uuid_destroy>;

  static void apply_default_style(Tzv_pgn_style* style);

  struct fields {
    bool visible = false;
    bool operator==(fields const&) const = default;
  };

  fields f_;
  zv::lazy_scope<Tzv_pgn_style*, &zv_pgn_style_create, &zv_pgn_style_destroy, &apply_default_style> style_;
  std::vector<Tlink> links_;
};
