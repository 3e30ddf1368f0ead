// Layer lists and the layer builder.
#include <algorithm>
#include <string>
#include <vector>

#include "lr_text.h"
#include "zv/common/unwind.h"
#include "zv/sibling/basic/uuid.h"
#include "zv/sibling/lr.h"

struct Izv_layer_list {
  std::vector<Izv_layer*> layers;
};

namespace {

// A layer built is known by its address and its uuid: the scene may remove
// and free it meanwhile, and another layer may come to the same address, but
// not with the same uuid.
struct Tzv_built_layer {
  Izv_entity* entity;
  Tzv_uuid_t uuid;
};

// A layer's uuid; all zero when it has none.
Tzv_uuid_t zv_uuid_of(Izv_entity* e) {
  Tzv_uuid_t const* u = e->get_uuid();
  return u ? *u : Tzv_uuid_t{};
}

}  // namespace

// Adds layers to its scene on behalf of filters and collects their errors.
// One building runs until make_active; the next add or error starts anew.
struct Tzv_layer_builder {
  Izv_scene* scene;
  std::vector<Tzv_built_layer> built;
  std::wstring errors;
  bool finished = false;

  void start() {
    if (!finished) return;
    built.clear();
    errors.clear();
    finished = false;
  }
  // The last layer built that is still a member of the scene. A layer is
  // read only once it is known to be a member, hence alive.
  Izv_entity* last_member() const {
    auto const last = std::find_if(built.rbegin(), built.rend(), [this](Tzv_built_layer const& b) {
      if (scene->get_entity_index(b.entity) == zv_no_index) return false;
      Tzv_uuid_t const now = zv_uuid_of(b.entity);
      return zv_uuid_equal(&b.uuid, &now);
    });
    return last != built.rend() ? last->entity : nullptr;
  }
  void add_error(std::wstring const& text) {
    start();
    if (!errors.empty()) errors += L'\n';
    errors += text;
  }
};

extern "C" {

ZV_LR_API Izv_layer_list* zv_lr_list_create() { return new Izv_layer_list; }

ZV_LR_API void zv_lr_list_destroy(Izv_layer_list* list) { delete list; }

ZV_LR_API void zv_lr_list_clear(Izv_layer_list* list) {
  if (list) list->layers.clear();
}

ZV_LR_API void zv_lr_list_add_layer_ptr(Izv_layer_list* list, Izv_layer* layer) {
  if (list) list->layers.push_back(layer);
}

ZV_LR_API uint32_t zv_lr_list_get_count(Izv_layer_list* list) {
  return list ? static_cast<uint32_t>(list->layers.size()) : 0;
}

ZV_LR_API Izv_layer* zv_lr_list_get_layer_ptr(Izv_layer_list* list, uint32_t i) {
  return list && i < list->layers.size() ? list->layers[i] : nullptr;
}

ZV_LR_API Tzv_layer_builder* zv_lr_builder_create(Izv_scene* scene) { return new Tzv_layer_builder{scene, {}, {}}; }

ZV_LR_API void zv_lr_builder_destroy(Tzv_layer_builder* builder) { delete builder; }

ZV_LR_API Izv_layer* zv_lr_builder_add_layer(Tzv_layer_builder* builder, char const* type, wchar_t const* source) {
  if (!builder) return nullptr;
  builder->start();
  Izv_layer* layer = builder->scene && type ? builder->scene->add_layer(type) : nullptr;
  if (layer) builder->built.push_back({layer, zv_uuid_of(layer)});
  else builder->add_error(zv_lr_text::or_empty(source) + L": no layer of type \"" + zv_lr_text::to_wide(type) + L"\"");
  return layer;
}

ZV_LR_API void zv_lr_builder_add_error(Tzv_layer_builder* builder, wchar_t const* text) {
  if (builder) builder->add_error(zv_lr_text::or_empty(text));
}

ZV_LR_API uint32_t zv_lr_builder_get_layer_count(Tzv_layer_builder* builder) {
  return builder ? static_cast<uint32_t>(builder->built.size()) : 0;
}

ZV_LR_API void zv_lr_builder_make_active(Tzv_layer_builder* builder) {
  if (!builder) return;
  builder->start();  // after a finished building: a new, empty one
  // The building ends even when the activation throws.
  zv::Tzv_finally const finish([builder] { builder->finished = true; });
  if (!builder->scene) return;
  if (Izv_entity* layer = builder->last_member()) builder->scene->set_active(layer);
}

ZV_LR_API void zv_lr_builder_get_errors(Tzv_layer_builder* builder, Izv_string_adp* adp) {
  if (builder) zv_lr_text::feed(adp, builder->errors);
}

}  // extern "C"
