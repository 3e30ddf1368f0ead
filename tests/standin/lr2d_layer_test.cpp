// 2D layer stand-in: factory, layer events and brackets, boxes, composites,
// occupancy and the null-handle guards of its exports.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "event_recorder.h"
#include "lr_text.h"
#include "support/null_rule.h"
#include "support/throwing_listener.h"
#include "zv/sibling/entity.h"
#include "zv/sibling/lr2d.h"
#include "zv/sibling/lr2d_test_hooks.h"
#include "zv/sibling/proj4_d2.h"

namespace {

// A layer made by the factory and freed at scope end.
struct Tzv_lr2d_holder {
  explicit Tzv_lr2d_holder(char const* type = zv_lr2d_type_vector) : layer(zv_lr2d_factory_create_lr(type)) {}
  ~Tzv_lr2d_holder() { zv_lr2d_destroy(layer); }
  Tzv_lr2d_holder(Tzv_lr2d_holder const&) = delete;
  Tzv_lr2d_holder& operator=(Tzv_lr2d_holder const&) = delete;
  Izv_layer* layer;
};

std::wstring zv_caption_of(Izv_layer* l) {
  return zv_lr_text::read([l](Izv_string_adp* a) { zv_lr2d_get_wcaption(l, a); });
}

// The layer's box as "xmin ymin xmax ymax", or "none".
std::string zv_box_of(Izv_layer* layer) {
  Tzv_box_d2 b{};
  if (!zv_lr2d_get_box(layer, &b)) return "none";
  return std::to_string(int(b.xmin)) + ' ' + std::to_string(int(b.ymin)) + ' ' + std::to_string(int(b.xmax)) + ' ' +
         std::to_string(int(b.ymax));
}

class Lr2dTest : public ::testing::Test {
 protected:
  void SetUp() override { live_ = zv_lr2d_test_get_live_count(); }
  void TearDown() override { EXPECT_EQ(zv_lr2d_test_get_live_count(), live_) << "a layer leaked or was freed twice"; }
  int32_t live_ = 0;
};

TEST_F(Lr2dTest, FactoryMakesEveryTypeFromItsOwnTypeName) {
  for (char const* type : {zv_lr2d_type_vector, zv_lr2d_type_raster, zv_lr2d_type_layout_page, zv_lr2d_type_group}) {
    Tzv_lr2d_holder h(type);
    ASSERT_NE(h.layer, nullptr) << type;
    Tzv_lr2d_holder again(zv_lr2d_get_lr_type(h.layer));
    EXPECT_STREQ(zv_lr2d_get_lr_type(again.layer), type);
  }
  EXPECT_EQ(zv_lr2d_factory_create_lr(nullptr), nullptr);
}

TEST_F(Lr2dTest, LayerIsAnEntityRegisteredByUuid) {
  Tzv_lr2d_holder h;
  EXPECT_EQ(zv_entity_storage_find_by_uid(h.layer->get_uuid()), h.layer);
  h.layer->set_caption("K\xC3\xA4rte \xF0\x9F\x97\xBA");  // UTF-8 with a character beyond 16 bits
  EXPECT_STREQ(h.layer->get_caption(), "K\xC3\xA4rte \xF0\x9F\x97\xBA");
  EXPECT_EQ(zv_caption_of(h.layer).substr(0, 5), L"K\u00e4rte");
  Tzv_uuid_t uid = *h.layer->get_uuid();
  zv_lr2d_destroy(h.layer);
  h.layer = nullptr;
  EXPECT_EQ(zv_entity_storage_find_by_uid(&uid), nullptr);
}

// Changes are announced when they change something; mode and owner are set
// by the owner and never announced.
TEST_F(Lr2dTest, ChangesAreAnnouncedOnTheLayerChannel) {
  Tzv_lr2d_holder h;
  Tzv_event_recorder rec(h.layer->get_update_event_channel());
  zv_lr2d_set_wcaption(h.layer, L"Layer");  // the caption it has
  zv_lr2d_set_mode(h.layer, 0, 0, 0);
  zv_lr2d_set_scn_2d(h.layer, nullptr);
  EXPECT_EQ(rec.take(), "");
  zv_lr2d_set_wcaption(h.layer, L"Roads");
  zv_lr2d_set_marked(h.layer, true);
  EXPECT_EQ(rec.take(), "B U[2] E B U[5] E");

  h.layer->begin_update();
  zv_lr2d_set_wcaption(h.layer, L"A");
  zv_lr2d_set_marked(h.layer, false);
  EXPECT_EQ(rec.trace(), "B");
  h.layer->end_update();
  EXPECT_EQ(rec.take(), "B U[2,5] E");
}

// Listeners may throw on any event of a bracket: the bracket still closes,
// the first exception reaches the caller and the layer announces again.
TEST_F(Lr2dTest, BracketClosesWhenAListenerThrows) {
  constexpr int32_t B = zv_event_kind_begin_update, U = zv_event_kind_update, E = zv_event_kind_end_update;
  struct Tcase {
    std::vector<int32_t> throw_on;
    int32_t thrown;
    char const* trace;
  };
  Tcase const cases[] = {
      {{B}, B, "B E"},  // whoever saw the begin event gets the end event
      {{U}, U, "B U[2] E"},
      {{E}, E, "B U[2] E"},
      {{U, E}, U, "B U[2] E"},  // the first exception wins
  };
  for (Tcase const& c : cases) {
    SCOPED_TRACE(c.trace);
    Tzv_lr2d_holder h;
    Tzv_event_recorder rec(h.layer->get_update_event_channel());
    Tzv_throwing_listener thrower(h.layer->get_update_event_channel(), c.throw_on);
    int32_t thrown = 0;
    try {
      zv_lr2d_set_wcaption(h.layer, L"Roads");
    } catch (Tzv_listener_error const& e) {
      thrown = e.kind;
    }
    EXPECT_EQ(thrown, c.thrown);
    EXPECT_EQ(rec.take(), c.trace);
    EXPECT_EQ(zv_lr2d_test_get_update_depth(h.layer), 0u);
    thrower.disarm();
    zv_lr2d_set_marked(h.layer, true);
    EXPECT_EQ(rec.take(), "B U[5] E");
  }
}

TEST_F(Lr2dTest, CompositeOwnsItsSublayersAndUnitesTheirBoxes) {
  Tzv_composite_layer_2d* group = zv_lr2d_group_create();
  Izv_layer* as_layer = zv_lr2d_group_safe_upcast(group);
  EXPECT_EQ(zv_box_of(as_layer), "none");
  Izv_layer* a = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
  Izv_layer* b = zv_lr2d_factory_create_lr(zv_lr2d_type_raster);
  Tzv_box_d2 ba{0, 0, 10, 10}, bb{5, -5, 20, 5};
  zv_lr2d_test_set_box(a, &ba);
  zv_lr2d_test_set_box(b, &bb);
  zv_lr2d_group_add_sublr(group, a);
  zv_lr2d_group_add_sublr(group, b);
  zv_lr2d_group_add_sublr(group, a);         // already inside: refused
  zv_lr2d_group_add_sublr(group, as_layer);  // itself: refused
  EXPECT_EQ(zv_lr2d_group_sublr_count(group), 2u);
  EXPECT_EQ(zv_box_of(as_layer), "0 -5 20 10");

  zv_lr2d_set_selected_all(as_layer, true);
  EXPECT_TRUE(zv_lr2d_get_selected_all(a) && zv_lr2d_get_selected_all(b));
  zv_lr2d_selected_invert(as_layer);
  EXPECT_FALSE(zv_lr2d_get_selected_all(a) || zv_lr2d_get_selected_all(b));
  EXPECT_EQ(zv_lr2d_group_extract_sublr(group, 9), nullptr);
  zv_lr2d_factory_destroy_lr(as_layer);  // frees both sub-layers

  // A composite refuses a layer that holds it: ownership would become a cycle.
  Tzv_composite_layer_2d* outer = zv_lr2d_group_create();
  Tzv_composite_layer_2d* inner = zv_lr2d_group_create();
  zv_lr2d_group_add_sublr(outer, zv_lr2d_group_safe_upcast(inner));
  zv_lr2d_group_add_sublr(inner, zv_lr2d_group_safe_upcast(outer));
  EXPECT_EQ(zv_lr2d_group_sublr_count(inner), 0u);
  zv_lr2d_destroy(zv_lr2d_group_safe_upcast(outer));  // frees inner too
}

TEST_F(Lr2dTest, AssignCopiesContentDeeply) {
  Tzv_lr2d_holder src(zv_lr2d_type_group);
  Izv_layer* sub = zv_lr2d_factory_create_lr(zv_lr2d_type_vector);
  Tzv_box_d2 box{1, 1, 2, 2};
  zv_lr2d_test_set_box(sub, &box);
  zv_lr2d_group_add_sublr(zv_lr2d_group_safe_downcast(src.layer), sub);
  zv_lr2d_set_wcaption(src.layer, L"Group");
  zv_lr2d_test_set_pj4wstr(src.layer, L"+proj=longlat");
  zv_lr2d_set_selected_all(src.layer, true);

  Tzv_lr2d_holder dst(zv_lr2d_type_group);
  Tzv_event_recorder rec(dst.layer->get_update_event_channel());
  zv_lr2d_assign(dst.layer, src.layer);
  EXPECT_EQ(rec.take(), "B U[2,24] E");
  EXPECT_EQ(zv_caption_of(dst.layer), L"Group");
  EXPECT_EQ(zv_lr_text::read([&](Izv_string_adp* a) { zv_lr2d_get_pj4wstr(dst.layer, a); }), L"+proj=longlat");
  EXPECT_TRUE(zv_lr2d_get_selected_all(dst.layer));
  Tzv_composite_layer_2d* copy = zv_lr2d_group_safe_downcast(dst.layer);
  ASSERT_EQ(zv_lr2d_group_sublr_count(copy), 1u);
  EXPECT_NE(zv_lr2d_group_get_sublr(copy, 0), sub);
  EXPECT_EQ(zv_box_of(dst.layer), "1 1 2 2");
  zv_lr2d_assign(dst.layer, dst.layer);  // self: nothing
  EXPECT_EQ(rec.take(), "");

  Tzv_lr2d_holder page(zv_lr2d_type_layout_page), page2(zv_lr2d_type_layout_page);
  Tzv_box_d2 sheet{0, 0, 50, 60};
  zv_lr2d_page_set_box(page.layer, &sheet);
  zv_lr2d_assign(page2.layer, page.layer);
  zv_lr2d_calc_box(page2.layer);
  EXPECT_EQ(zv_box_of(page2.layer), "0 0 50 60");
}

// The scene's occupancy tests pin the levels, the releases, their errors and
// events; left here: what a layer reports of itself.
TEST_F(Lr2dTest, AnOccupiedLayerNamesItself) {
  Tzv_lr2d_holder h;
  zv_lr2d_set_wcaption(h.layer, L"Parcels");
  EXPECT_TRUE(zv_lr_text::read([&](Izv_string_adp* a) { EXPECT_EQ(h.layer->is_occupied(a), 0); }).empty());
  EXPECT_TRUE(zv_lr_text::read([&](Izv_string_adp* a) { EXPECT_TRUE(h.layer->deoccupy(a)); }).empty());
  zv_lr2d_test_set_occupied(h.layer, 2, L"file is locked");
  EXPECT_EQ(zv_lr_text::read([&](Izv_string_adp* a) { EXPECT_EQ(h.layer->is_occupied(a), 2); }), L"Parcels");
}

TEST_F(Lr2dTest, NullHandlesAndBadIndexesAreHarmless) {
  zv_call_each_on_null(zv_lr2d_factory_destroy_lr, zv_lr2d_destroy, zv_lr2d_assign, zv_lr2d_set_scn_2d,
                       zv_lr2d_set_wcaption, zv_lr2d_set_dst_pj4wstr, zv_lr2d_get_dst_pj4wstr, zv_lr2d_get_pj4wstr,
                       zv_lr2d_calc_box, zv_lr2d_page_set_box, zv_lr2d_set_marked, zv_lr2d_set_selected_all,
                       zv_lr2d_selected_invert, zv_lr2d_set_mode, zv_lr2d_group_add_sublr, zv_lr2d_test_set_box,
                       zv_lr2d_test_set_pj4wstr, zv_lr2d_test_set_occupied);
  zv_expect_each_zero_on_null(zv_lr2d_get_lr_type, zv_lr2d_get_scn_2d, zv_lr2d_get_box, zv_lr2d_page_get_box,
                              zv_lr2d_get_marked, zv_lr2d_get_selected_all, zv_lr2d_get_occupied_level,
                              zv_lr2d_group_sublr_count, zv_lr2d_group_get_sublr, zv_lr2d_group_extract_sublr,
                              zv_lr2d_group_safe_upcast, zv_lr2d_group_safe_downcast, zv_lr2d_test_get_update_depth);
  EXPECT_EQ(zv_caption_of(nullptr), L"");
  int32_t mode = 9;
  zv_lr2d_get_mode(nullptr, &mode, nullptr, nullptr);
  EXPECT_EQ(mode, 0);

  Tzv_lr2d_holder plain;
  Tzv_composite_layer_2d* group = zv_lr2d_group_create();
  zv_lr2d_group_add_sublr(group, nullptr);
  EXPECT_EQ(zv_lr2d_group_get_sublr(group, 0), nullptr);
  EXPECT_EQ(zv_lr2d_group_safe_downcast(plain.layer), nullptr);
  zv_lr2d_assign(plain.layer, nullptr);
  Tzv_box_d2 sheet{};
  EXPECT_FALSE(zv_lr2d_page_get_box(plain.layer, &sheet)) << "only a page has a sheet";
  zv_lr2d_destroy(zv_lr2d_group_safe_upcast(group));
}

}  // namespace
