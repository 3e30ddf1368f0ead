#include "plugin/scene_2d_builder.h"

#include <cstdint>
#include <string>
#include <tuple>
#include <utility>

#include "core/string_adapters.h"
#include "zv/common/unwind.h"
#include "zv/sibling/service_registry.h"

namespace {

// Name i of the list, read through a string adapter that lives only for the
// read.
std::wstring name_at(Tzv_wstrings_obj& names, int32_t i) {
  return zv_read_wtext([&](Izv_string_adp* adp) { zv_wstrings_get_str_adp(&names, i, adp); });
}

}  // namespace

Tzv_scene_2d_builder::~Tzv_scene_2d_builder() noexcept(false) {
  auto let_go = [this] { clear(); };
  zv::run_cleanup(let_go);
}

void Tzv_scene_2d_builder::init(Izv_scene& scene, wchar_t const* identifier) {
  clear();
  // A half-collected set of filters would build with some plug-ins missing.
  zv::undo_on_failure(
      [&] {
        layer_builder_.reset(zv_lr_builder_create(&scene));
        collect_services(identifier);
        collect_filters();
      },
      [this] { clear(); });
}

bool Tzv_scene_2d_builder::supported(Tzv_wstrings_obj& names) {
  int32_t const n = zv_wstrings_get_size(&names);
  for (int32_t i = 0; i < n; ++i) {
    if (!filter_for(name_at(names, i).c_str()).is_null()) return true;
  }
  return false;
}

void Tzv_scene_2d_builder::add(Tzv_wstrings_obj& names) {
  if (!layer_builder_) return;
  // The building ends with the activation also when a filter throws.
  zv::Tzv_finally activate([this] {
    if (layer_builder_) zv_lr_builder_make_active(layer_builder_.get());
  });
  int32_t const n = zv_wstrings_get_size(&names);
  for (int32_t i = 0; i < n && layer_builder_; ++i) {
    std::wstring const name = name_at(names, i);
    zv::scene_editor_filter const filter = filter_for(name.c_str());
    if (!filter.is_null()) filter.add(layer_builder_.get(), name.c_str());
  }
}

void Tzv_scene_2d_builder::get_errors(Izv_string_adp& out) {
  if (layer_builder_) zv_lr_builder_get_errors(layer_builder_.get(), &out);
}

void Tzv_scene_2d_builder::clear() {
  // Runs in reverse: filters, services, layer builder; each step also when
  // an earlier one throws, and the first exception is passed on.
  zv::Tzv_finally drop_layer_builder([this] { layer_builder_.reset(); });
  zv::Tzv_finally drop_services([this] { release_services(); });
  release_filters();
}

void Tzv_scene_2d_builder::visit(zv::scene_2d_editor_extension_service service) {
  int const priority = service.is_null() ? 1 : service.priority();
  // Equal priorities go after the ones already held: arrival order.
  auto const entry =
      services_.emplace(std::piecewise_construct, std::forward_as_tuple(priority), std::forward_as_tuple(service));
  entry->second.attach();
}

void Tzv_scene_2d_builder::visit(zv::scene_editor_filter filter) {
  filters_.push_back(filter);
  if (!filter.is_null()) filter.reattach(true);
}

void Tzv_scene_2d_builder::collect_services(wchar_t const* identifier) {
  zv_service_registry_with_services(identifier, zv::interface_of<zv::service_visitor_impl>(*this));
}

void Tzv_scene_2d_builder::collect_filters() {
  zv::scene_editor_filter_visitor const me(zv::interface_of<zv::scene_editor_filter_visitor_impl>(*this));
  for (auto const& entry : services_) {
    if (!entry.second.is_null()) entry.second.get().with_filters(me);
  }
}

void Tzv_scene_2d_builder::release_filters() {
  std::vector<zv::scene_editor_filter> const gone = std::exchange(filters_, {});
  zv::for_each_all(gone, [](zv::scene_editor_filter const& filter) { filter.reattach(false); });
}

void Tzv_scene_2d_builder::release_services() {
  // Detached here rather than in the references' destructors, where a
  // throwing provider would end the process.
  std::multimap<int, Tzv_service_ref> gone;
  gone.swap(services_);
  zv::for_each_all(gone, [](auto& entry) { entry.second.detach(); });
}

zv::scene_editor_filter Tzv_scene_2d_builder::filter_for(wchar_t const* name) const {
  // By index and by copy: a filter may make the list grow while it is asked.
  for (size_t k = 0; k < filters_.size(); ++k) {  // NOLINT(modernize-loop-convert)
    zv::scene_editor_filter const filter = filters_[k];
    if (!filter.is_null() && filter.supports(name)) return filter;
  }
  return {};
}
