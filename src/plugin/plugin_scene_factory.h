// Plug-in scene factories: one per scene_2d_service that another module
// offers. A factory reads the service's names once, enters its scene type
// into the scene factory map, and makes plug-in scenes and plug-in scene
// collections. The factories object is what the library hands to the host's
// service registry; it receives the services and owns one factory each.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "zv/framework/adapters.h"
#include "zv/izv_scene.h"

class Tzv_plugin_scene_factory {
 public:
  // Reads the service's names and enters its meta id into the scene factory
  // map (an earlier entry of that name keeps its creator). When the service
  // throws, the factory releases it and the exception passes.
  explicit Tzv_plugin_scene_factory(zv::scene_2d_service service);
  // Withdraws; exceptions of the plug-in stop here.
  ~Tzv_plugin_scene_factory();
  Tzv_plugin_scene_factory(Tzv_plugin_scene_factory const&) = delete;
  Tzv_plugin_scene_factory& operator=(Tzv_plugin_scene_factory const&) = delete;

  // The creator entered into the map: a new plug-in scene of the factory
  // (`context`) as its Izv_scene interface.
  static Izv_scene* create_fn(void* context);
  // A new plug-in scene collection, paired with the service's collection
  // object when the service makes one; owned by the caller.
  Izv_scns2d* create_scns();

  // Removes the meta id from the map, whoever entered it, and releases the
  // service; once only. Exceptions of the plug-in pass.
  void withdraw();

  std::string const& meta_id() const { return meta_id_; }
  std::string const& collection_meta_id() const { return collection_meta_id_; }
  std::wstring const& collection_caption() const { return collection_caption_; }
  zv::scene_2d_service service() const { return service_.get(); }

 private:
  void read_names(zv::scene_2d_service service);

  zv::ref<zv::scene_2d_service> service_;
  std::string collection_meta_id_;
  std::string meta_id_;
  std::wstring collection_caption_;
  bool withdrawn_ = false;
};

class Tzv_plugin_scene_factories final : public zv::polymorphic<zv::scene_2d_service_visitor_impl>,
                                         public zv::polymorphic<zv::service_visitor_impl> {
 public:
  // Asks the registry for the services under `identifier`; each one
  // delivered becomes a factory, in the order of delivery. When that
  // throws, the factories made so far are destroyed and the exception
  // passes.
  explicit Tzv_plugin_scene_factories(wchar_t const* identifier);
  // Destroys the factories from the first to the last.
  ~Tzv_plugin_scene_factories();
  Tzv_plugin_scene_factories(Tzv_plugin_scene_factories const&) = delete;
  Tzv_plugin_scene_factories& operator=(Tzv_plugin_scene_factories const&) = delete;

  void visit(zv::scene_2d_service service) override;

  // The collection made by factory `index`, which must be below get_count().
  Izv_scns2d* create_scns(int32_t index);
  uint64_t get_count() const { return factories_.size(); }

  // Every factory withdraws, from the first to the last, also when one
  // throws; the first exception passes afterwards.
  void withdraw_all();

 private:
  std::vector<std::unique_ptr<Tzv_plugin_scene_factory>> factories_;
};
