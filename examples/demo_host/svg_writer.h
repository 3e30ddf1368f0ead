// Draws scenes as an SVG document for a browser: one panel per scene, side
// by side, each scaled to fit its panel with y pointing up, as on a map.
#pragma once

#include <string>
#include <vector>

#include "zv/sibling/prg.h"

class Tzv_svg_frame;

// What a shape shows; each kind has its own look.
enum class Tzv_svg_kind { layer, page, clip, graticule };

class Tzv_svg_writer {
 public:
  // Starts a panel; the shapes added after it go into it.
  void begin_panel(std::string title);
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
    std::vector<Tzv_shape> shapes;
  };

  void add(Tzv_shape shape);
  static std::string panel_svg(Tzv_panel const& panel, double left);
  static std::string shape_svg(Tzv_shape const& shape, Tzv_svg_frame const& frame);

  std::vector<Tzv_panel> panels_;
};
