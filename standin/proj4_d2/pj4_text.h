// Text forms of projection definitions, shared by both backends.
#pragma once

#include <string>

namespace zv::pj4 {

// The definition as narrow text; characters outside ASCII become '?', which
// no valid definition contains.
std::string to_narrow(wchar_t const* s);
// A "+key=value ..." list sorted by key, without the parameters that do not
// change the system (no_defs, type=crs, wktext); any other text trimmed.
std::string normalise(std::string const& def);
// True for a "+" parameter list.
bool is_param_list(std::string const& def);
// True for a definition that PROJ reads without searching its database by
// object name: a "+" list, "AUTHORITY:code", WKT or PROJJSON. Free names are
// refused; their search is slow and guesses. So are "+init=" lists: they
// name a system in an init file, and PROJ as installed ships none.
bool is_definition(std::string const& def);
// Short name from the parameters, e.g. "utm 33N WGS84", "longlat WGS84",
// an "AUTHORITY:code" text as it is; empty when there is none.
std::string text_short_name(std::string const& def);

}  // namespace zv::pj4
