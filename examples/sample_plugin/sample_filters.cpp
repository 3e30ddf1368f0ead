#include "sample_filters.h"

#include <algorithm>
#include <cwctype>

#include "sample_plugin.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"

namespace {

Tzv_sample_format const vector_format{L"Sample vector data", L".zvv", zv_lr2d_type_vector};
Tzv_sample_format const raster_format{L"Sample raster data", L".zvr", zv_lr2d_type_raster};

bool is_name_char(wchar_t c) { return std::iswalnum(static_cast<wint_t>(c)) || c == L'_' || c == L'-'; }

bool ends_with_no_case(std::wstring const& text, std::wstring const& tail) {
  if (text.size() < tail.size()) return false;
  return std::equal(tail.begin(), tail.end(), text.end() - static_cast<std::ptrdiff_t>(tail.size()),
                    [](wchar_t a, wchar_t b) {
                      return std::towlower(static_cast<wint_t>(a)) == std::towlower(static_cast<wint_t>(b));
                    });
}

}  // namespace

std::wstring zv_sample_data_set_name(std::wstring const& source) {
  std::size_t const folder = source.find_last_of(L"/\\");
  std::wstring name = source.substr(folder == std::wstring::npos ? 0 : folder + 1);
  name = name.substr(0, name.rfind(L'.'));
  if (!std::all_of(name.begin(), name.end(), is_name_char)) name.clear();
  return name;
}

void Tzv_sample_filter::with_mask(zv::string_visitor visitor) {
  std::wstring const mask = L"*" + std::wstring(format_.extension);
  visitor.visit(mask.c_str());
}

bool Tzv_sample_filter::supports(wchar_t const* source) {
  return source && ends_with_no_case(source, format_.extension);
}

void Tzv_sample_filter::add(Tzv_layer_builder* builder, wchar_t const* source) {
  std::wstring const text = source ? source : L"";
  std::wstring const name = zv_sample_data_set_name(text);
  if (name.empty()) {
    zv_lr_builder_add_error(builder, (text + L": not a data set name").c_str());
    return;
  }
  // On failure the layer builder records the error itself.
  if (Izv_layer* layer = zv_lr_builder_add_layer(builder, format_.layer_type, text.c_str()))
    zv_lr2d_set_wcaption(layer, name.c_str());
}

Tzv_sample_editor_service::Tzv_sample_editor_service()
    : filters_{Tzv_sample_filter(vector_format), Tzv_sample_filter(raster_format)} {}

void Tzv_sample_editor_service::with_filters(zv::scene_editor_filter_visitor visitor) {
  for (Tzv_sample_filter& filter : filters_) visitor.visit(filter);
}

int Tzv_sample_editor_service::priority() { return ZV_SAMPLE_EDITOR_PRIORITY; }

int32_t Tzv_sample_editor_service::filter_holds() const {
  int32_t holds = 0;
  for (Tzv_sample_filter const& filter : filters_) holds += filter.holders();
  return holds;
}
