#include "pj4_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <sstream>
#include <string_view>
#include <vector>

namespace zv::pj4 {

namespace {

std::string_view trim(std::string_view s) {
  auto const first = s.find_first_not_of(" \t\r\n");
  if (first == std::string_view::npos) return {};
  auto const last = s.find_last_not_of(" \t\r\n");
  return s.substr(first, last - first + 1);
}

std::string_view key_of(std::string_view param) { return param.substr(0, param.find('=')); }

bool is_neutral(std::string_view param) {
  constexpr std::array<std::string_view, 3> neutral{"no_defs", "type=crs", "wktext"};
  return std::find(neutral.begin(), neutral.end(), param) != neutral.end();
}

// The parameters without their '+', in their written order.
std::vector<std::string> split_params(std::string const& def) {
  std::vector<std::string> params;
  std::istringstream in(def);
  for (std::string tok; in >> tok;) {
    if (tok.front() == '+') tok.erase(0, 1);
    if (!tok.empty()) params.push_back(tok);
  }
  return params;
}

std::string value_of(std::vector<std::string> const& params, std::string_view key) {
  for (auto const& p : params) {
    if (key_of(p) == key) return p.size() > key.size() ? p.substr(key.size() + 1) : std::string{};
  }
  return {};
}

bool has_flag(std::vector<std::string> const& params, std::string_view key) {
  return std::any_of(params.begin(), params.end(), [&](auto const& p) { return p == key; });
}

bool has_key(std::vector<std::string> const& params, std::string_view key) {
  return std::any_of(params.begin(), params.end(), [&](auto const& p) { return key_of(p) == key; });
}

bool is_authority_code(std::string_view def) {
  auto const colon = def.find(':');
  if (colon == 0 || colon == std::string_view::npos || colon + 1 == def.size()) return false;
  auto const is_alnum = [](char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; };
  return std::all_of(def.begin(), def.begin() + static_cast<long>(colon), is_alnum) &&
         std::all_of(def.begin() + static_cast<long>(colon) + 1, def.end(), is_alnum);
}

}  // namespace

std::string to_narrow(wchar_t const* s) {
  std::string out;
  if (!s) return out;
  for (; *s; ++s) out.push_back(static_cast<unsigned long>(*s) < 0x80 ? static_cast<char>(*s) : '?');
  return out;
}

bool is_param_list(std::string const& def) {
  auto const t = trim(def);
  return !t.empty() && t.front() == '+';
}

std::string normalise(std::string const& def) {
  if (!is_param_list(def)) return std::string(trim(def));
  auto params = split_params(def);
  std::erase_if(params, [](auto const& p) { return is_neutral(p); });
  std::stable_sort(params.begin(), params.end(), [](auto const& a, auto const& b) { return key_of(a) < key_of(b); });
  std::string out;
  for (auto const& p : params) {
    out += out.empty() ? "+" : " +";
    out += p;
  }
  return out;
}

bool is_definition(std::string const& def) {
  auto const t = trim(def);
  if (t.empty()) return false;
  if (t.front() == '+') return !has_key(split_params(def), "init");
  return t.front() == '{' || is_authority_code(t) || t.find('[') != std::string_view::npos;
}

std::string text_short_name(std::string const& def) {
  auto const t = trim(def);
  if (is_authority_code(t)) return std::string(t);
  if (!is_param_list(def)) return {};
  auto const params = split_params(def);
  std::string name = value_of(params, "proj");
  if (name.empty()) return {};
  if (name == "utm") {
    name.append(" ").append(value_of(params, "zone")).append(has_flag(params, "south") ? "S" : "N");
  }
  std::string datum = value_of(params, "datum");
  if (datum.empty()) datum = value_of(params, "ellps");
  if (!datum.empty()) name.append(" ").append(datum);
  return name;
}

}  // namespace zv::pj4
