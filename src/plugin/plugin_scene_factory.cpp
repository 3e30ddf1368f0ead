#include "plugin/plugin_scene_factory.h"

#include "plugin/plugin_scenes.h"
#include "plugin/plugin_scn_2d.h"
#include "plugin/scene_factory_map.h"
#include "text/encodings.h"
#include "zv/common/unwind.h"
#include "zv/sibling/service_registry.h"

namespace {

// Receives the plug-in's collection object and makes the library's
// collection around it; a service that visits more than once pairs only
// its first object.
class Tzv_collection_receiver final : public zv::scene_2d_collection_visitor_impl {
 public:
  explicit Tzv_collection_receiver(Tzv_plugin_scene_factory const& factory) : factory_(factory) {}

  void visit(zv::scene_2d_collection plugin) override {
    if (!result_) result_ = make(plugin);
  }

  // The received collection, or one with no plug-in object.
  std::unique_ptr<Tzv_plugin_scenes> take() { return result_ ? std::move(result_) : make(zv::scene_2d_collection()); }

 private:
  std::unique_ptr<Tzv_plugin_scenes> make(zv::scene_2d_collection plugin) const {
    return std::make_unique<Tzv_plugin_scenes>(factory_.collection_caption(), factory_.collection_meta_id(),
                                               factory_.meta_id(), plugin);
  }

  Tzv_plugin_scene_factory const& factory_;
  std::unique_ptr<Tzv_plugin_scenes> result_;
};

}  // namespace

Tzv_plugin_scene_factory::Tzv_plugin_scene_factory(zv::scene_2d_service service) : service_(service) {
  zv::undo_on_failure(
      [this, &service] {
        service_.attach();
        read_names(service);
        zv_scene_factory_map()->attach_ctx(meta_id_.c_str(), &create_fn, this);
      },
      [this] {
        collection_meta_id_.clear();
        meta_id_.clear();
        collection_caption_.clear();
        service_.detach();
      });
}

Tzv_plugin_scene_factory::~Tzv_plugin_scene_factory() {
  try {
    withdraw();
  } catch (...) {  // a destructor cannot pass it on; the name is withdrawn first
  }
}

void Tzv_plugin_scene_factory::read_names(zv::scene_2d_service service) {
  if (service.is_null()) return;
  zv::stdstring_visitor meta_id(&meta_id_, zv::text::encoding_system);
  service.with_meta_id(meta_id);
  zv::stdstring_visitor collection_meta_id(&collection_meta_id_, zv::text::encoding_system);
  service.with_collection_meta_id(collection_meta_id);
  zv::stdwstring_visitor caption(&collection_caption_);
  service.with_collection_caption(caption);
}

void Tzv_plugin_scene_factory::withdraw() {
  if (withdrawn_) return;
  withdrawn_ = true;
  zv_scene_factory_map()->detach_name(meta_id_.c_str());
  service_.detach();
}

Izv_scene* Tzv_plugin_scene_factory::create_fn(void* context) {
  auto* factory = static_cast<Tzv_plugin_scene_factory*>(context);
  if (factory == nullptr) return nullptr;
  auto* scene = new Tzv_plugin_scn_2d(factory->meta_id_.c_str(), factory->service());
  return scene->scene_handle();
}

Izv_scns2d* Tzv_plugin_scene_factory::create_scns() {
  Tzv_collection_receiver receiver(*this);
  service().with_new_scene_collection(receiver);
  return receiver.take().release()->scenes_handle();
}

Tzv_plugin_scene_factories::Tzv_plugin_scene_factories(wchar_t const* identifier) {
  zv_service_registry_with_services(identifier, zv::interface_of<zv::service_visitor_impl>(*this));
}

Tzv_plugin_scene_factories::~Tzv_plugin_scene_factories() {
  for (auto& factory : factories_) factory.reset();
}

void Tzv_plugin_scene_factories::visit(zv::scene_2d_service service) {
  factories_.push_back(std::make_unique<Tzv_plugin_scene_factory>(service));
}

Izv_scns2d* Tzv_plugin_scene_factories::create_scns(int32_t index) {
  return factories_[static_cast<std::size_t>(index)]->create_scns();
}

void Tzv_plugin_scene_factories::withdraw_all() {
  zv::for_each_all(factories_, [](auto& factory) { factory->withdraw(); });
}
