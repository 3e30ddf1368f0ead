// A scene for the scene tests: its layers known by the number they were made
// with, the orders of the tree and the vector, texts and boxes read back.
#pragma once

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "event_recorder.h"
#include "scene2d/scene_2d.h"
#include "support/reacting_listener.h"
#include "support/text.h"
#include "support/throwing_listener.h"
#include "zv/scn_2d.h"
#include "zv/sibling/lr2d_test_hooks.h"

using Order = std::vector<int>;
using Box = std::array<double, 4>;
using Found = std::pair<bool, Box>;                // a box query's answer and the box it left
inline Found const c_none{false, {-7, -7, 7, 7}};  // the caller's box left as it was

// Lets a test hand the scene a queue of layer events as one batch.
struct Tzv_open_scene : Tzv_scene_2d {
  using Tzv_scene_2d::on_layer_update;
};

struct Tzv_test_scene {
  Tzv_open_scene scene;
  Izv_scene* const h = &scene;  // the handle the exports take
  Tzv_event_recorder rec{scene.get_update_event_channel()};
  std::vector<Izv_layer*> made;

  explicit Tzv_test_scene(int n = 0) { add(n); }
  // n more layers, no trace kept.
  void add(int n) {
    for (int i = 0; i < n; ++i) add_layer();
    rec.clear();
  }
  // A vector layer with that box (none when empty) and own projection.
  Izv_layer* add_layer(Box const& box = {}, wchar_t const* own_prj4 = L"") {
    made.push_back(scene.add_layer(zv_lr2d_type_vector));
    set_box(made.back(), box);
    zv_lr2d_test_set_pj4wstr(made.back(), own_prj4);
    return made.back();
  }
  static void set_box(Izv_layer* layer, Box const& b) {
    Tzv_box_d2 const box = zv_box_d2_init_xy(b[0], b[1], b[2], b[3]);
    zv_lr2d_test_set_box(layer, b == Box{} ? nullptr : &box);
  }
  void mark(std::initializer_list<int> which) {
    for (int i : which) zv_lr2d_set_marked(made[i], true);
    rec.clear();
  }
  Tzv_lr_group* root() { return scene.get_lr_group_ptr(); }
  Tzv_lr_group* slot(Izv_layer* layer) { return zv_lr_group_get_child_by_layer(root(), layer); }
  int number(Izv_entity* layer) {  // -1 for a layer not made here
    auto const at = std::find(made.begin(), made.end(), layer);
    return at == made.end() ? -1 : static_cast<int>(at - made.begin());
  }
  int index_of(Izv_entity* layer) { return static_cast<int>(scene.get_entity_index(layer)); }
  Order in_vector() {
    Order order;
    for (uint32_t i = 0; i < scene.get_count(); ++i) order.push_back(number(scene.get_entity(i)));
    return order;
  }
  Order in_tree() {
    Order order;
    for (Tzv_lr_group* s = zv_lr_group_get_next(root(), 0, 1, 0); s; s = zv_lr_group_get_next(s, 0, 1, 0)) {
      order.push_back(number(zv_lr_group_get_lr_ptr(s)));
    }
    return order;
  }
  void expect_order(Order const& order) {
    EXPECT_EQ(in_tree(), order);
    EXPECT_EQ(in_vector(), order);
  }
  // The active layer, its index and the tree's active slot agree.
  void expect_active(int n) {
    EXPECT_EQ(number(scene.get_active()), n);
    EXPECT_EQ(scene.get_active_index(), scene.get_entity_index(made[n]));
    EXPECT_EQ(zv_lr_group_get_active(root()), slot(made[n]));
  }
  std::wstring prj4() {
    return text([&](Izv_string_adp* a) { zv_scn_2d_get_prj4wstring(h, a); });
  }
  template <class Query>
  Found ask(Query query) {
    Tzv_box_d2 out = zv_box_d2_init_xy(-7, -7, 7, 7);
    bool const found = (scene.*query)(out);
    return {found, {out.xmin, out.ymin, out.xmax, out.ymax}};
  }
};
