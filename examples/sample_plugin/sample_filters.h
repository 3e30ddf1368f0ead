// The plug-in's editor extension: filters that turn source names into
// layers through the library's layer builder.
#pragma once

#include <array>
#include <cstdint>
#include <string>

#include "sample_support.h"

// The data set name of a source: the file name without folder and
// extension. Empty when it is not made of letters, digits, '_' and '-' only.
std::wstring zv_sample_data_set_name(std::wstring const& source);

// What one filter accepts and builds.
struct Tzv_sample_format {
  wchar_t const* description;
  wchar_t const* extension;  // with its dot, matched without regard to case
  char const* layer_type;    // a type the 2D layer library makes
};

// Accepts sources by extension and adds one layer of its format's type per
// source, captioned with the data set name; a source whose name is no data
// set name becomes an error of the building instead.
class Tzv_sample_filter final : public zv::scene_editor_filter_impl {
 public:
  explicit Tzv_sample_filter(Tzv_sample_format const& format) : format_(format) {}

  // Builders tell the filter when they take it and when they let it go.
  void reattach(bool attached) override { holders_ += attached ? 1 : -1; }
  void with_description(zv::string_visitor visitor) override { visitor.visit(format_.description); }
  void with_mask(zv::string_visitor visitor) override;
  bool supports(wchar_t const* source) override;
  void add(Tzv_layer_builder* builder, wchar_t const* source) override;

  // The builders holding the filter now.
  int32_t holders() const { return holders_; }

 private:
  Tzv_sample_format format_;
  int32_t holders_ = 0;
};

// scene_2d_editor_extension_service 94 with its referent, one polymorphic
// chain. It offers its filters and its priority, and nothing else.
class Tzv_sample_editor_service final : public zv::polymorphic<zv::scene_2d_editor_extension_service_impl>,
                                        public Tzv_sample_referent {
 public:
  Tzv_sample_editor_service();

  zv::referent as_referent() override { return zv::interface_of<zv::referent_impl>(*this); }
  void with_filters(zv::scene_editor_filter_visitor visitor) override;
  int priority() override;

  // The holds on all its filters.
  int32_t filter_holds() const;

 private:
  std::array<Tzv_sample_filter, 2> filters_;
};
