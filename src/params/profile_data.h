// Profile (cross-section) parameters of a 2D scene. Changes are announced as
// property 8 on the owning scene; an unbound object announces nothing.
#pragma once

#include <concepts>
#include <string>
#include <vector>

#include "core/basic_obj.h"
#include "core/update_guard.h"
#include "params/lazy_scope.h"
#include "zv/prf_data.h"

class Tzv_extensible_obj;

class Tzv_profil_data : public Tzv_basic_obj {
 public:
  // `scene` may be null; it is kept as a plain pointer and never changes.
  explicit Tzv_profil_data(Tzv_extensible_obj* scene = nullptr);
  // Bound to the scene behind a scene handle (null: unbound). A template, so
  // that a scene passing itself is not ambiguous between its two faces.
  template <std::same_as<Izv_scene> S>
  explicit Tzv_profil_data(S* scene) : Tzv_profil_data(owner_of(scene)) {}
  Tzv_profil_data(Tzv_profil_data const&) = delete;
  Tzv_profil_data& operator=(Tzv_profil_data const&) = delete;

  bool get_is_profil() const { return f_.is_profil; }
  double get_xmin() const { return f_.xmin; }
  double get_xmax() const { return f_.xmax; }
  double get_ymin() const { return f_.ymin; }
  double get_ymax() const { return f_.ymax; }
  double get_zmin() const { return f_.zmin; }
  double get_zmax() const { return f_.zmax; }
  double get_zscale() const { return f_.zscale; }
  double get_delta_xy() const { return f_.delta_xy; }
  Tzv_profil_axes_scale get_axes_scale() const { return f_.axes_scale; }
  Tzv_pp2d* get_pv_ptr() const { return pv_.get(); }
  std::wstring const& get_prj4string() const { return prj4string_; }
  void get_prj4string_adp(Izv_string_adp& adp) const;
  std::vector<double> const& get_ls() const { return ls_; }
  Tzv_extensible_obj* get_scene() const { return scene_; }

  void set_is_profil(bool v) { change_field(f_.is_profil, v); }
  void set_xmin(double v) { change_field(f_.xmin, v); }
  void set_xmax(double v) { change_field(f_.xmax, v); }
  void set_ymin(double v) { change_field(f_.ymin, v); }
  void set_ymax(double v) { change_field(f_.ymax, v); }
  void set_zmin(double v) { change_field(f_.zmin, v); }
  void set_zmax(double v) { change_field(f_.zmax, v); }
  void set_zscale(double v);
  void set_delta_xy(double v) { change_field(f_.delta_xy, v); }
  void set_axes_scale(Tzv_profil_axes_scale v) { change_field(f_.axes_scale, v); }

  // Copies the line in (the object's own line too) and recalculates lengths.
  void set_pv(Tzv_pp2d const& src);
  // A null text leaves the string as it is.
  void set_prj4string(wchar_t const* s);

  void calculate_ls();
  bool find_xy(double l, double& x, double& y) const;
  bool find_l(double x, double y, double tolerance, double& l) const;

  // Announces property 8 on the owning scene.
  void broadcast_update_event() const;
  void assign(Tzv_profil_data const& src);
  // The plain fields with == and the lines by the geometry library; the
  // PROJ.4 string, the lengths and the scene are not compared.
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
  static Tzv_extensible_obj* owner_of(Izv_scene* scene);
  Izv_entity* scene_entity() const;
  void copy_from(Tzv_profil_data const& src);
  bool ls_matches_pv() const;

  struct fields {
    bool is_profil = false;
    double xmin = 0.0;
    double xmax = 1.0;
    double ymin = 0.0;
    double ymax = 1.0;
    double zmin = 0.0;
    double zmax = 1.0;
    double zscale = 1.0;
    double delta_xy = 1.0;
    Tzv_profil_axes_scale axes_scale = zv_prf_axes_scale_default;
    bool operator==(fields const&) const = default;
  };

  fields f_;
  zv::lazy_scope<Tzv_pp2d*, &zv_pv_d2_create, &zv_pv_d2_destroy> pv_;  // made when first read
  std::vector<double> ls_;
  Tzv_extensible_obj* scene_;
  std::wstring prj4string_;
};
