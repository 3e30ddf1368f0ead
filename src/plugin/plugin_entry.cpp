#include "plugin/plugin_entry.h"

#include <memory>
#include <utility>

#include "plugin/plugin_scene_factory.h"
#include "zv/common/unwind.h"
#include "zv/framework/service_ids.h"

namespace {
constinit Tzv_plugin_entry the_entry;
}  // namespace

Tzv_plugin_entry* zv_plugin_entry() { return &the_entry; }

// A call from inside the first one (a service's set-up initialises the
// library again) only counts: the factories are being built already.
uint32_t Tzv_plugin_entry::init() {
  if (init_count_ == 0 && !building_) build_factories();
  return ++init_count_;
}

// When building throws, nothing is kept and the count stays as it was before
// the first call.
void Tzv_plugin_entry::build_factories() {
  uint32_t const before = init_count_;
  building_ = true;
  zv::Tzv_finally built([this] { building_ = false; });
  factories_ = zv::undo_on_failure([] { return new Tzv_plugin_scene_factories(ZV_SCENE_2D_SERVICE_ID); },
                                   [this, before] { init_count_ = before; });
}

// The pointer is cleared before the factories go, so nothing reached from
// their teardown finds them half-destroyed.
void Tzv_plugin_entry::done() {
  if (init_count_ == 0) return;
  if (--init_count_ != 0) return;
  std::unique_ptr<Tzv_plugin_scene_factories> const doomed(std::exchange(factories_, nullptr));
  if (doomed) doomed->withdraw_all();
}

Izv_scns2d* Tzv_plugin_entry::create_scns(int32_t index) {
  Tzv_plugin_scene_factories* factories = get_factories();
  if (factories == nullptr || index < 0 || static_cast<uint64_t>(index) >= factories->get_count()) return nullptr;
  return factories->create_scns(index);
}

uint64_t Tzv_plugin_entry::get_factory_count() const {
  Tzv_plugin_scene_factories* factories = get_factories();
  return factories != nullptr ? factories->get_count() : 0;
}
