// Backend without PROJ: a system is known only by its text. Texts that do not
// normalise alike are different systems, and no reprojection between
// different systems is possible.
#include "pj4_backend.h"
#include "pj4_text.h"

namespace zv::pj4 {

bool backend_is_valid(std::string const& def) {
  if (!is_definition(def)) return false;
  if (!is_param_list(def)) return !text_short_name(def).empty();
  return normalise(def).find("+proj=") != std::string::npos;
}

bool backend_equal(std::string const&, std::string const&) { return false; }

std::string backend_short_name(std::string const&) { return {}; }

std::unique_ptr<Ttransform> backend_make_transform(std::string const&, std::string const&) { return nullptr; }

bool backend_can_reproject() { return false; }

}  // namespace zv::pj4
