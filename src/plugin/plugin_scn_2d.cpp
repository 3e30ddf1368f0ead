#include "plugin/plugin_scn_2d.h"

#include "core/update_guard.h"
#include "zv/common/unwind.h"
#include "zv/framework/string_adp_visitor.h"

namespace {

// Stores every extent the plug-in reports as the scene's valid box; the last
// one stays.
class Tzv_extent_sink final : public zv::extent_2d_visitor_impl {
 public:
  explicit Tzv_extent_sink(Tzv_scene_2d& scene) : scene_(scene) {}
  void visit(double x1, double y1, double x2, double y2) override {
    scene_.set_box(true, zv_box_d2_init_xy(x1, y1, x2, y2));
  }

 private:
  Tzv_scene_2d& scene_;
};

}  // namespace

// A service that throws after pairing leaves no plug-in object pointing at
// the scene that was never finished.
Tzv_plugin_scn_2d::Tzv_plugin_scn_2d(char const* meta_id, zv::scene_2d_service service)
    : meta_id_(meta_id ? meta_id : "") {
  if (service.is_null()) return;
  zv::undo_on_failure([this, &service] { service.with_new_scene(zv::interface_of<zv::scene_2d_visitor_impl>(*this)); },
                      [this] { unpair(); });
}

Tzv_plugin_scn_2d::~Tzv_plugin_scn_2d() { unpair(); }

void Tzv_plugin_scn_2d::visit(zv::scene_2d scene) {
  if (!(scene == plugin())) unpair();
  plugin_ = scene;
  if (!scene.is_null()) scene.reattach(scene_handle());
}

void Tzv_plugin_scn_2d::unpair() noexcept {
  zv::scene_2d const paired = plugin();
  if (paired.is_null()) return;
  try {
    paired.reattach(nullptr);
  } catch (...) {  // unpairing cannot fail the caller: the scene goes away either way
  }
}

void Tzv_plugin_scn_2d::assign(Tzv_scene_2d* src) {
  if (src == nullptr) return;
  Tzv_entity_update_guard bracket(this);
  Tzv_scene_2d::assign(src);
  auto* plugin_src = dynamic_cast<Tzv_plugin_scn_2d*>(src);
  if (plugin_src != nullptr && !plugin().is_null()) plugin().assign(plugin_src->plugin());
}

void Tzv_plugin_scn_2d::calc_box() {
  if (extent_busy_ != 0) {
    Tzv_scene_2d::calc_box();
    return;
  }
  ++extent_busy_;
  zv::Tzv_finally done([this] { --extent_busy_; });
  Tzv_extent_sink sink(*this);
  plugin().with_extent(sink);
}

void Tzv_plugin_scn_2d::get_source(Izv_string_adp* adp) {
  zv::string_adp_visitor visitor(adp);
  plugin().with_source(visitor);
}

void Tzv_plugin_scn_2d::set_source(wchar_t const* source) { plugin().set_source(source); }
