// Profile (cross-section) parameters of a 2D scene. Changes are announced as
// property 8 on the owning scene; an unbound object announces nothing.
#pragma once

#include <string>
#include <vector>

#include "core/basic_obj.h"
#include "core/scope.h"
#include "core/update_guard.h"
#include "zv/prf_data.h"

class Tzv_extensible_obj;

class Tzv_profil_data : public Tzv_basic_obj {
 public:
  // `scene` may be null; it is kept as a plain pointer and never changes.
  explicit Tzv_profil_data(Tzv_extensible_obj* scene = nullptr);
  Tzv_profil_data(Tzv_profil_data const&) = delete;
  Tzv_profil_data& operator=(Tzv_profil_data const&) = delete;

  bool get_is_profil() const { return is_profil_; }
  double get_xmin() const { return xmin_; }
  double get_xmax() const { return xmax_; }
  double get_ymin() const { return ymin_; }
  double get_ymax() const { return ymax_; }
  double get_zmin() const { return zmin_; }
  double get_zmax() const { return zmax_; }
  double get_zscale() const { return zscale_; }
  double get_delta_xy() const { return delta_xy_; }
  Tzv_profil_axes_scale get_axes_scale() const { return axes_scale_; }
  Tzv_pp2d* get_pv_ptr() const { return pv_.get(); }
  std::wstring const& get_prj4string() const { return prj4string_; }
  std::vector<double> const& get_ls() const { return ls_; }
  Tzv_extensible_obj* get_scene() const { return scene_; }

  void set_is_profil(bool v) { change_field(is_profil_, v); }
  void set_xmin(double v) { change_field(xmin_, v); }
  void set_xmax(double v) { change_field(xmax_, v); }
  void set_ymin(double v) { change_field(ymin_, v); }
  void set_ymax(double v) { change_field(ymax_, v); }
  void set_zmin(double v) { change_field(zmin_, v); }
  void set_zmax(double v) { change_field(zmax_, v); }
  void set_zscale(double v);
  void set_delta_xy(double v) { change_field(delta_xy_, v); }
  void set_axes_scale(Tzv_profil_axes_scale v) { change_field(axes_scale_, v); }

  void set_pv(Tzv_pp2d const* src);
  void set_prj4string(wchar_t const* s) { prj4string_ = s; }

  void calculate_ls();
  bool find_xy(double l, double& x, double& y) const;
  bool find_l(double x, double y, double tolerance, double& l) const;

  // Announces property 8 on the owning scene.
  void broadcast_update_event() const;
  void assign(Tzv_profil_data const& src);
  bool equal(Tzv_profil_data const& other) const;

 private:
  // The change protocol: the scene's update bracket (through its entity
  // interface; none when unbound) encloses the announcement of property 8
  // and the store, and is closed also when an exception passes.
  template <class Store>
  void change(Store&& store) {
    Tzv_entity_update_guard bracket(scene_entity());
    broadcast_update_event();
    store();
  }
  template <class T>
  void change_field(T& field, T value) {
    change([&] { field = value; });
  }
  Izv_entity* scene_entity() const;
  void copy_from(Tzv_profil_data const& src);
  bool ls_matches_pv() const;

  bool is_profil_ = false;
  double xmin_ = 0.0;
  double xmax_ = 1.0;
  double ymin_ = 0.0;
  double ymax_ = 1.0;
  double zmin_ = 0.0;
  double zmax_ = 1.0;
  double zscale_ = 1.0;
  double delta_xy_ = 1.0;
  Tzv_profil_axes_scale axes_scale_ = zv_prf_axes_scale_default;
  zv::scope<Tzv_pp2d*, &zv_pv_d2_destroy> pv_;
  std::vector<double> ls_;
  Tzv_extensible_obj* scene_;
  std::wstring prj4string_;
};
