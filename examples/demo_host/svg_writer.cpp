#include "svg_writer.h"

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <limits>

namespace {

constexpr double panel_size = 480;  // the drawing area of a panel, in pixels
constexpr double gap = 30;          // around panels, and the height of a title

char const* class_of(Tzv_svg_kind kind) {
  static char const* const names[] = {"vector", "raster", "page", "clip", "graticule"};
  return names[static_cast<int>(kind)];
}

// The box around every point of the shapes, x scaled; (0, 0, 1, 1) for none.
template <typename Shapes>
Tzv_box_d2 bounds(Shapes const& shapes, double x_scale) {
  double const inf = std::numeric_limits<double>::infinity();
  Tzv_box_d2 b{inf, inf, -inf, -inf};
  for (auto const& shape : shapes)
    for (Tzv_vtx_d2 const& p : shape.points)
      b = Tzv_box_d2{std::min(b.xmin, p.x * x_scale), std::min(b.ymin, p.y), std::max(b.xmax, p.x * x_scale),
                     std::max(b.ymax, p.y)};
  return b.xmin <= b.xmax ? b : Tzv_box_d2{0, 0, 1, 1};
}

// Text as XML character data.
std::string escaped(std::string const& text) {
  std::string out;
  for (char c : text) {
    if (c == '&') out += "&amp;";
    else if (c == '<') out += "&lt;";
    else if (c == '>') out += "&gt;";
    else if (c == '"') out += "&quot;";
    else out += c;
  }
  return out;
}

std::string number(double v) {
  char buf[32];
  std::snprintf(buf, sizeof buf, "%.1f", v);
  return buf;
}

std::string point(Tzv_vtx_d2 p) { return number(p.x) + "," + number(p.y); }

std::string text_at(Tzv_vtx_d2 p, std::string const& text, char const* css_class) {
  return "<text class=\"" + std::string(css_class) + "\" x=\"" + number(p.x) + "\" y=\"" + number(p.y) + "\">" +
         escaped(text) + "</text>\n";
}

}  // namespace

// Maps the world coordinates of one panel to pixels: x scaled to the ground
// length of y, then one scale for both, y up.
class Tzv_svg_frame {
 public:
  Tzv_svg_frame(Tzv_box_d2 const& b, double x_scale, double left, double top)
      : left_(left), top_(top), x_scale_(x_scale), xmin_(b.xmin), ymax_(b.ymax) {
    double const span = std::max(b.xmax - b.xmin, b.ymax - b.ymin);
    scale_ = span > 0 ? panel_size / span : 1;
  }
  Tzv_vtx_d2 operator()(Tzv_vtx_d2 p) const {
    return {left_ + (p.x * x_scale_ - xmin_) * scale_, top_ + (ymax_ - p.y) * scale_};
  }

 private:
  double left_, top_, x_scale_, scale_ = 1, xmin_, ymax_;
};

std::size_t Tzv_svg_writer::begin_panel(std::string title, double x_scale) {
  panels_.push_back({std::move(title), x_scale, {}});
  return panels_.size() - 1;
}

void Tzv_svg_writer::add_panel(std::size_t panel, Tzv_box_d2 const& box) {
  if (panel >= panels_.size()) return;
  std::vector<Tzv_shape> shapes = panels_[panel].shapes;  // copied: the current panel may grow
  double const x_scale = panels_[panel].x_scale;
  Tzv_box_d2 const from = bounds(shapes, x_scale);
  double const w = from.xmax - from.xmin, h = from.ymax - from.ymin;
  double const scale = std::min(w > 0 ? (box.xmax - box.xmin) / w : 1, h > 0 ? (box.ymax - box.ymin) / h : 1);
  double const dx = (box.xmin + box.xmax - scale * (from.xmin + from.xmax)) / 2;
  double const dy = (box.ymin + box.ymax - scale * (from.ymin + from.ymax)) / 2;
  for (Tzv_shape& shape : shapes) {
    for (Tzv_vtx_d2& p : shape.points) p = {dx + scale * p.x * x_scale, dy + scale * p.y};
    add(std::move(shape));
  }
}

void Tzv_svg_writer::add(Tzv_shape shape) {
  if (panels_.empty()) begin_panel("");
  panels_.back().shapes.push_back(std::move(shape));
}

void Tzv_svg_writer::add_box(Tzv_box_d2 const& box, std::string caption, Tzv_svg_kind kind) {
  add({Tzv_form::box, kind, {{box.xmin, box.ymin}, {box.xmax, box.ymax}}, std::move(caption)});
}

void Tzv_svg_writer::add_ring(std::vector<Tzv_vtx_d2> ring, Tzv_svg_kind kind) {
  add({Tzv_form::ring, kind, std::move(ring), {}});
}

void Tzv_svg_writer::add_line(Tzv_vtx_d2 from, Tzv_vtx_d2 to, std::string caption, Tzv_svg_kind kind) {
  add({Tzv_form::line, kind, {from, to}, std::move(caption)});
}

std::string Tzv_svg_writer::shape_svg(Tzv_shape const& shape, Tzv_svg_frame const& frame) {
  std::string const css = class_of(shape.kind);
  std::vector<Tzv_vtx_d2> px;
  for (Tzv_vtx_d2 const& p : shape.points) px.push_back(frame(p));
  switch (shape.form) {
    case Tzv_form::box: {
      // Corners (xmin, ymin) and (xmax, ymax): y grows downwards on screen.
      Tzv_vtx_d2 const top_left{px[0].x, px[1].y};
      return "<rect class=\"" + css + "\" x=\"" + number(top_left.x) + "\" y=\"" + number(top_left.y) + "\" width=\"" +
             number(px[1].x - px[0].x) + "\" height=\"" + number(px[0].y - px[1].y) + "\"/>\n" +
             text_at({top_left.x + 4, top_left.y + 14}, shape.caption, "caption");
    }
    case Tzv_form::ring: {
      std::string points;
      for (Tzv_vtx_d2 const& p : px) points += (points.empty() ? "" : " ") + point(p);
      return "<polygon class=\"" + css + "\" points=\"" + points + "\"/>\n";
    }
    case Tzv_form::line:
      return "<line class=\"" + css + "\" x1=\"" + number(px[0].x) + "\" y1=\"" + number(px[0].y) + "\" x2=\"" +
             number(px[1].x) + "\" y2=\"" + number(px[1].y) + "\"/>\n" +
             text_at({px[0].x + 2, px[0].y - 2}, shape.caption, "label");
  }
  return {};
}

std::string Tzv_svg_writer::panel_svg(Tzv_panel const& panel, double left) {
  Tzv_svg_frame const frame(bounds(panel.shapes, panel.x_scale), panel.x_scale, left, 2 * gap);
  std::string out = "<g>\n" + text_at({left, gap}, panel.title, "title");
  for (Tzv_shape const& shape : panel.shapes) out += shape_svg(shape, frame);
  return out + "</g>\n";
}

std::string Tzv_svg_writer::document() const {
  double const width = gap + static_cast<double>(panels_.size()) * (panel_size + 2 * gap);
  double const height = panel_size + 4 * gap;
  std::string out = R"(<svg xmlns="http://www.w3.org/2000/svg" width=")" + number(width) + R"(" height=")" +
                    number(height) + R"(" font-family="sans-serif">)" + "\n" +
                    "<style>\n"
                    "  .vector { fill: none; stroke: steelblue; stroke-width: 1.5; }\n"
                    "  .raster { fill: url(#screen); stroke: olive; stroke-width: 0.8; }\n"
                    "  .page { fill: white; stroke: #333; stroke-width: 2; }\n"
                    "  .clip { fill: crimson; fill-opacity: 0.05; stroke: crimson; stroke-width: 2; "
                    "stroke-dasharray: 8 4; }\n"
                    "  .graticule { stroke: #aaa; stroke-width: 0.7; }\n"
                    "  .title { font-size: 16px; font-weight: bold; }\n"
                    "  .caption { font-size: 12px; fill: #134; }\n"
                    "  .label { font-size: 10px; fill: #888; }\n"
                    "</style>\n"
                    "<defs><pattern id=\"screen\" width=\"6\" height=\"6\" patternUnits=\"userSpaceOnUse\">"
                    "<rect width=\"6\" height=\"6\" fill=\"olive\" fill-opacity=\"0.12\"/>"
                    "<circle cx=\"3\" cy=\"3\" r=\"1\" fill=\"olive\" fill-opacity=\"0.45\"/></pattern></defs>\n"
                    "<rect width=\"100%\" height=\"100%\" fill=\"#fafafa\"/>\n";
  for (std::size_t i = 0; i < panels_.size(); ++i)
    out += panel_svg(panels_[i], gap + static_cast<double>(i) * (panel_size + 2 * gap));
  return out + "</svg>\n";
}

bool Tzv_svg_writer::save(std::string const& path) const {
  std::ofstream file(path, std::ios::binary);
  file << document();
  return static_cast<bool>(file);
}
