// Draws scenes as an SVG document for a browser: one panel per scene, side
// by side, each scaled to fit its panel with y pointing up, as on a map. A
// panel in degrees draws a degree of longitude shorter than one of latitude,
// as on the ground; a panel may be drawn again inside a box of a later one
// (a map inside a layout's map frame).
#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "zv/sibling/prg.h"

class Tzv_svg_frame;

// What a shape shows; each kind has its own look. Vector layers are outlined,
// raster layers filled with a dot screen.
enum class Tzv_svg_kind { vector_layer, raster_layer, page, clip, graticule };

class Tzv_svg_writer {
 public:
  // Starts a panel and answers its number; the shapes added after it go into
  // it. `x_scale` is the ground length of a unit of x over that of a unit of
  // y: cos(latitude) for a map in degrees, 1 for projected coordinates.
  std::size_t begin_panel(std::string title, double x_scale = 1);
  // Draws the shapes of an earlier panel again in the current one, fitted
  // into `box` (in the current panel's coordinates) at their own aspect.
  void add_panel(std::size_t panel, Tzv_box_d2 const& box);
  // A rectangle with its caption in its top left corner.
  void add_box(Tzv_box_d2 const& box, std::string caption, Tzv_svg_kind kind);
  // A closed outline.
  void add_ring(std::vector<Tzv_vtx_d2> ring, Tzv_svg_kind kind);
  // A line with its caption at its start.
  void add_line(Tzv_vtx_d2 from, Tzv_vtx_d2 to, std::string caption, Tzv_svg_kind kind);

  std::string document() const;
  // False when the file cannot be written.
  bool save(std::string const& path) const;

 private:
  enum class Tzv_form { box, ring, line };
  struct Tzv_shape {
    Tzv_form form;
    Tzv_svg_kind kind;
    std::vector<Tzv_vtx_d2> points;
    std::string caption;
  };
  struct Tzv_panel {
    std::string title;
    double x_scale = 1;
    std::vector<Tzv_shape> shapes;
  };

  void add(Tzv_shape shape);
  static std::string panel_svg(Tzv_panel const& panel, double left);
  static std::string shape_svg(Tzv_shape const& shape, Tzv_svg_frame const& frame);

  std::vector<Tzv_panel> panels_;
};
