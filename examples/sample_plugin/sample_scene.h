// The plug-in's scene type: a scene whose source text is its extent, and the
// service that makes such scenes and their collections.
#pragma once

#include <array>
#include <optional>
#include <string>

#include "sample_support.h"

// "xmin,ymin,xmax,ymax" (commas or blanks between the numbers) as the four
// numbers in that order; nothing for any other text.
std::optional<std::array<double, 4>> zv_sample_parse_extent(std::wstring const& text);

// The plug-in's half of a library scene: the source text and the extent read
// from it.
class Tzv_sample_scene final : public zv::scene_2d_impl {
 public:
  explicit Tzv_sample_scene(Tzv_sample_pool<Tzv_sample_scene>& pool) : pool_(pool) {}

  // Names a new owner "Area". A null owner: the library let the scene go,
  // and it leaves the pool.
  void reattach(Izv_scene* owner) override;
  // Takes over the source of any scene_2d, of this module or another; a
  // null source leaves no source.
  void assign(zv::scene_2d source) override;
  // Visits the extent when the source names one.
  void with_extent(zv::extent_2d_visitor visitor) override;
  void with_source(zv::string_visitor visitor) override { visitor.visit(source_.c_str()); }
  void set_source(wchar_t const* source) override;

 private:
  Tzv_sample_pool<Tzv_sample_scene>& pool_;
  std::wstring source_;
  std::optional<std::array<double, 4>> extent_;
};

// The plug-in's half of a library scene collection. The library owns the
// scenes, so the sample keeps nothing per collection: clear has nothing to do.
class Tzv_sample_collection final : public zv::scene_2d_collection_impl {
 public:
  explicit Tzv_sample_collection(Tzv_sample_pool<Tzv_sample_collection>& pool) : pool_(pool) {}

  // A null owner: the library let the collection go, and it leaves the pool.
  void reattach(Izv_entity* owner) override;

 private:
  Tzv_sample_pool<Tzv_sample_collection>& pool_;
};

// scene_2d_service 7 with its referent, one polymorphic chain.
class Tzv_sample_scene_service final : public zv::polymorphic<zv::scene_2d_service_impl>, public Tzv_sample_referent {
 public:
  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  void with_meta_id(zv::string_visitor visitor) override;
  void with_collection_meta_id(zv::string_visitor visitor) override;
  void with_collection_caption(zv::string_visitor visitor) override;
  // Each makes a new object and hands it to the visitor, which pairs it with
  // a library object; nothing is made for a null visitor.
  void with_new_scene(zv::scene_2d_visitor visitor) override;
  void with_new_scene_collection(zv::scene_2d_collection_visitor visitor) override;

 private:
  Tzv_sample_pool<Tzv_sample_scene> scenes_;
  Tzv_sample_pool<Tzv_sample_collection> collections_;
};
