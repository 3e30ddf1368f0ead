#include "sample_scene.h"

#include <cwchar>
#include <cwctype>

#include "sample_plugin.h"
#include "zv/izv_scene.h"

std::optional<std::array<double, 4>> zv_sample_parse_extent(std::wstring const& text) {
  std::array<double, 4> numbers{};
  wchar_t const* at = text.c_str();
  for (double& number : numbers) {
    while (*at == L',' || std::iswspace(static_cast<wint_t>(*at))) ++at;
    wchar_t* end = nullptr;
    number = std::wcstod(at, &end);
    if (end == at) return std::nullopt;
    at = end;
  }
  while (std::iswspace(static_cast<wint_t>(*at))) ++at;
  if (*at) return std::nullopt;
  return numbers;
}

void Tzv_sample_scene::reattach(Izv_scene* owner) {
  if (owner) owner->set_wcaption(L"Area");  // the collection makes it unique
  else pool_.drop(this);                    // the last use of this object
}

void Tzv_sample_scene::assign(zv::scene_2d source) {
  std::wstring text;
  zv::stdwstring_visitor into(&text);
  source.with_source(into);
  set_source(text.c_str());
}

void Tzv_sample_scene::with_extent(zv::extent_2d_visitor visitor) {
  if (extent_) visitor.visit((*extent_)[0], (*extent_)[1], (*extent_)[2], (*extent_)[3]);
}

void Tzv_sample_scene::set_source(wchar_t const* source) {
  source_ = source ? source : L"";
  extent_ = zv_sample_parse_extent(source_);
}

void Tzv_sample_collection::reattach(Izv_entity* owner) {
  if (!owner) pool_.drop(this);  // the last use of this object
}

void Tzv_sample_scene_service::with_meta_id(zv::string_visitor visitor) { visitor.visit(L"" ZV_SAMPLE_SCENE_META_ID); }

void Tzv_sample_scene_service::with_collection_meta_id(zv::string_visitor visitor) {
  visitor.visit(L"" ZV_SAMPLE_SCENES_META_ID);
}

void Tzv_sample_scene_service::with_collection_caption(zv::string_visitor visitor) { visitor.visit(L"Sample scenes"); }

void Tzv_sample_scene_service::with_new_scene(zv::scene_2d_visitor visitor) {
  if (!visitor.is_null()) visitor.visit(scenes_.make());
}

void Tzv_sample_scene_service::with_new_scene_collection(zv::scene_2d_collection_visitor visitor) {
  if (!visitor.is_null()) visitor.visit(collections_.make());
}
