// What the projection stand-in asks of its backend: PROJ where it is
// available, the definition text alone elsewhere. CMake compiles exactly one
// backend source.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "zv/sibling/prg.h"

namespace zv::pj4 {

// Moves vertices from one coordinate system to another.
class Ttransform {
 public:
  virtual ~Ttransform() = default;
  // Transforms every vertex; false (vertices unspecified) when one fails.
  virtual bool apply(std::vector<Tzv_vtx_d2>& vtx) = 0;
};

bool backend_is_valid(std::string const& def);
// Called only for texts whose normalised forms differ.
bool backend_equal(std::string const& a, std::string const& b);
// The backend's name of the system; empty when it has none.
std::string backend_short_name(std::string const& def);
// Null when the systems cannot be used.
std::unique_ptr<Ttransform> backend_make_transform(std::string const& src, std::string const& dst);
bool backend_can_reproject();

}  // namespace zv::pj4
