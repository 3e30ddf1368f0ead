// Layer and entity stand-ins: what the scene relies on and no scene test
// reaches: the tree's verification of loaded and departed layers, when
// property 9 is announced, the builder knowing the layers it built by uuid,
// and the entity library's unique captions.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

#include "event_recorder.h"
#include "lr_entity_base.h"
#include "support/null_entities.h"
#include "zv/sibling/lr.h"
#include "zv/sibling/lr2d.h"

namespace {

// A scene as far as the layer library sees it: a layer vector and its root
// group. add_layer does what the scene does: slot, group id, verification;
// add_without_slot leaves the layer at index `at` to the verification, as
// inserting does.
class Tzv_test_scene final : public Tzv_null_scene<Tzv_lr_entity_base<Izv_scene>> {
 public:
  explicit Tzv_test_scene(int n = 0) : group(zv_lr_group_create(this)) {
    for (int i = 0; i < n; ++i) add_layer(zv_lr2d_type_vector)->set_caption(("L" + std::to_string(i)).c_str());
  }
  ~Tzv_test_scene() override {
    zv_lr_group_destroy(group);
    for (Izv_layer* l : layers) zv_lr2d_destroy(l);
  }
  Izv_layer* add_layer(char const* type) override {
    Izv_layer* l = adopt(next_made ? std::exchange(next_made, nullptr) : zv_lr2d_factory_create_lr(type));
    std::wstring const id = L"gid-" + std::to_wstring(layers.size());
    zv_lr_set_group_id(l, id.c_str());
    zv_lr_group_set_group_id(zv_lr_group_add_slot(group), id.c_str());
    zv_lr_group_verification_layer(group);
    return l;
  }
  void add_without_slot(char const* caption, size_t at = SIZE_MAX) {
    adopt(zv_lr2d_factory_create_lr(zv_lr2d_type_vector), at)->set_caption(caption);
    zv_lr_group_verification_layer(group);
  }
  Izv_layer* adopt(Izv_layer* l, size_t at = SIZE_MAX) {
    l->set_parent(this);
    layers.insert(layers.begin() + static_cast<long>(std::min(at, layers.size())), l);
    return l;
  }
  Tzv_lr_group* slot(size_t i) { return zv_lr_group_get_child_by_layer(group, layers[i]); }
  void move_into(size_t i, Tzv_lr_group* into) {
    zv_lr_group_set_active(group, into);
    zv_lr_group_move_to_active(group, slot(i));
  }

  char const* get_meta_id() override { return "TestScene"; }
  uint32_t get_bind_count() override { return static_cast<uint32_t>(layers.size()); }
  Izv_entity* get_bind_entity(uint32_t i) override { return i < layers.size() ? layers[i] : nullptr; }
  uint32_t get_entity_index(Izv_entity* e) override {
    auto const it = std::find(layers.begin(), layers.end(), e);
    return it == layers.end() ? zv_no_index : static_cast<uint32_t>(it - layers.begin());
  }
  void set_active(Izv_entity* e) override {
    if (refuse_activation) throw std::runtime_error("activation refused");
    active = e;
  }
  Tzv_lr_group* get_lr_group_ptr() override { return group; }

  Tzv_lr_group* group;
  std::vector<Izv_layer*> layers;
  Izv_entity* active = nullptr;
  bool refuse_activation = false;
  Izv_layer* next_made = nullptr;  // the layer add_layer adds next instead of a new one
};

// The tree as text: layers by caption, groups as "caption(...)".
std::string zv_tree_text(Tzv_test_scene& s) {
  std::string out;
  std::vector<Tzv_lr_group*> open{s.group};
  for (Tzv_lr_group* n = zv_lr_group_get_next(s.group, 0, 0, 0); n; n = zv_lr_group_get_next(n, 0, 0, 0)) {
    for (; zv_lr_group_get_parent(n) != open.back(); open.pop_back()) out += ")";
    if (!out.empty() && out.back() != '(') out += ' ';
    if (!zv_lr_group_is_group(n)) out += zv_lr_group_get_lr_ptr(n) ? zv_lr_group_get_lr_ptr(n)->get_caption() : "?";
    else out += zv_lr_text::to_narrow(zv_lr_text::read([n](Izv_string_adp* a) { zv_lr_group_get_wcaption(n, a); }));
    if (zv_lr_group_is_group(n)) open.push_back(n), out += "(";
  }
  return out + std::string(open.size() - 1, ')');
}

// A load adds layers at the end one by one, verifying after each: a slot
// waiting under the layer's group id takes it, else a new slot follows its
// predecessor's, in that slot's group (first in the root without one). A
// stray slot makes the verification walk the tree in full, and it goes.
TEST(LrGroupTest, VerificationTiesLayersLoadedLastByGroupIdOrAfterTheirPredecessor) {
  Tzv_test_scene s(3);
  Tzv_lr_group* g = zv_lr_group_add_group(s.group, L"G");
  s.move_into(2, g);
  ASSERT_EQ(zv_tree_text(s), "L0 L1 G(L2)");
  s.add_layer(zv_lr2d_type_vector)->set_caption("Slotted");  // its slot waits under its group id
  s.add_without_slot("Loose");
  EXPECT_EQ(zv_tree_text(s), "L0 L1 G(L2) Slotted Loose");
  s.move_into(4, g);
  s.add_without_slot("Tail");
  EXPECT_EQ(zv_tree_text(s), "L0 L1 G(L2 Loose Tail) Slotted");
  zv_lr_group_set_group_id(zv_lr_group_add_slot(s.group), L"nobody");
  s.add_without_slot("After");
  s.add_without_slot("First", 0);
  EXPECT_EQ(zv_tree_text(s), "First L0 L1 G(L2 Loose Tail After) Slotted");
}

// Layers leave the scene in runs short and long, in and out of groups, also
// with the scene's order departing from the tree's: verification drops
// exactly the slots of the layers that left, and the tree's collection
// reads the tree's new order.
TEST(LrGroupTest, VerificationDropsExactlyTheSlotsOfLayersThatLeft) {
  struct {
    std::vector<size_t> gone;  // indexes into the scene's 7 layers
    bool swap_first_two;       // the scene's order departs from the tree's
    char const* tree;
  } const cases[] = {
      {{5}, false, "L0 G1(L1 G2(L2) L3) L4 L6"},  {{4, 5, 6}, false, "L0 G1(L1 G2(L2) L3)"},
      {{0, 6}, false, "G1(L1 G2(L2) L3) L4 L5"},  {{2}, false, "L0 G1(L1 G2() L3) L4 L5 L6"},
      {{0, 2, 4, 6}, false, "G1(L1 G2() L3) L5"}, {{0, 1, 2, 3, 4, 5, 6}, false, "G1(G2())"},
      {{5, 6}, true, "L0 G1(L1 G2(L2) L3) L4"},
  };
  for (auto const& c : cases) {
    Tzv_test_scene s(7);
    Tzv_lr_group* g1 = zv_lr_group_add_group(s.group, L"G1");
    zv_lr_group_move(s.slot(0), g1, 1);
    s.move_into(1, g1);
    Tzv_lr_group* g2 = zv_lr_group_add_group(g1, L"G2");
    s.move_into(3, g1);
    s.move_into(2, g2);
    ASSERT_EQ(zv_tree_text(s), "L0 G1(L1 G2(L2) L3) L4 L5 L6");
    std::vector<Izv_layer*> gone;
    for (size_t i : c.gone) gone.push_back(s.layers[i]);
    if (c.swap_first_two) std::swap(s.layers[0], s.layers[1]);
    std::erase_if(s.layers, [&gone](Izv_layer* l) { return std::count(gone.begin(), gone.end(), l) != 0; });
    zv_lr_group_verification_layer(s.group);
    if (c.swap_first_two) std::swap(s.layers[0], s.layers[1]);  // back to the tree's order, for the comparison
    EXPECT_EQ(zv_tree_text(s), c.tree) << c.tree;
    Izv_entities* root = zv_lr_group_safe_upcast(s.group);
    ASSERT_EQ(root->get_count(), s.layers.size());
    for (uint32_t i = 0; i < s.layers.size(); ++i) EXPECT_EQ(root->get_entity(i), s.layers[i]) << c.tree;
    for (Izv_layer* l : gone) zv_lr2d_destroy(l);
  }
}

// Property 9 announces a change of the tree's structure or order that the
// scene did not cause (moves, a new group, removal, clearing); adding and
// tying a layer slot and verification stay silent, as do changes that change
// nothing.
TEST(LrGroupTest, Property9ForStructureAndOrderChangesOnly) {
  Tzv_test_scene s(3);
  Tzv_lr_group* g = nullptr;
  Izv_entities* root = zv_lr_group_safe_upcast(s.group);
  std::pair<std::function<void()>, char const*> const steps[] = {
      {[&] { g = zv_lr_group_add_group(s.group, L"G"); }, "U[9]"},
      {[&] { zv_lr_group_move(s.slot(0), s.slot(2), -1); }, "U[9]"},
      {[&] { zv_lr2d_set_marked(s.layers[1], true), zv_lr_group_move_marked(s.slot(0), -1); }, "U[9]"},
      {[&] { s.move_into(0, g); }, "B U[3] E U[9]"},
      {[&] { s.add_layer(zv_lr2d_type_vector), s.add_without_slot("Loose"); }, ""},
      {[&] { zv_lr_group_set_group_id(s.slot(0), L"other"), zv_lr_group_set_active(s.group, g); }, ""},
      {[&] { zv_lr_group_move(s.slot(0), s.slot(0), 1); }, ""},
      {[&] { root->begin_update(), zv_lr_group_remove(g), zv_lr_group_verification_layer(s.group); }, "B"},
      {[&] { root->end_update(); }, "U[9] E"},  // the slots that went with G come back, unannounced
      {[&] { zv_lr_group_clear(s.group); }, "U[9]"},
  };
  Tzv_event_recorder rec(zv_entities_get_update_event_channel(root));
  for (size_t i = 0; i < std::size(steps); ++i) {
    steps[i].first();
    EXPECT_EQ(rec.take(), steps[i].second) << i;
  }
}

// A layer of another library, made wherever the test puts it.
class Tzv_plain_layer final : public Tzv_lr_entity_base<Izv_layer> {
 public:
  char const* get_meta_id() override { return "PlainLayer"; }
};

// A layer the building made that the scene removed and freed: another layer
// the building did not make, coming to its address, is not made active. A
// building ends with make_active even when the activation throws: the next
// error starts a new one.
TEST(LrBuilderTest, OnlyALayerOfTheBuildingIsMadeActiveAndTheBuildingEnds) {
  Tzv_test_scene s;
  alignas(Tzv_plain_layer) unsigned char place[sizeof(Tzv_plain_layer)];
  Tzv_layer_builder* b = zv_lr_builder_create(&s);
  s.next_made = new (place) Tzv_plain_layer;
  Izv_layer* built = zv_lr_builder_add_layer(b, zv_lr2d_type_vector, L"a.shp");
  s.layers.pop_back();
  zv_lr_group_verification_layer(s.group);
  static_cast<Tzv_plain_layer*>(built)->~Tzv_plain_layer();
  auto* stranger = new (place) Tzv_plain_layer;
  s.adopt(stranger);
  zv_lr_builder_make_active(b);
  EXPECT_EQ(s.active, nullptr);
  s.layers.pop_back();
  stranger->~Tzv_plain_layer();

  zv_lr_builder_add_layer(b, zv_lr2d_type_vector, L"roads.shp");
  zv_lr_builder_add_error(b, L"x.dat: unreadable");
  s.refuse_activation = true;
  EXPECT_THROW(zv_lr_builder_make_active(b), std::runtime_error);
  zv_lr_builder_add_error(b, L"y.dat: unreadable");
  EXPECT_EQ(zv_lr_text::read([b](Izv_string_adp* a) { zv_lr_builder_get_errors(b, a); }), L"y.dat: unreadable");
  EXPECT_EQ(zv_lr_builder_get_layer_count(b), 0u);
  zv_lr_builder_destroy(b);
}

// The scene names members through these unique captions, and its caption
// index is checked against them: only a caption that is exactly a candidate
// takes its number, and a caption given as the base is no format.
TEST(EntityCollection, UniqueCaptionNumbersAndFormats) {
  Tzv_test_scene s;
  for (char const* c : {"Map 1", "Map 01", "Map 1x", "Map  2", "Map 3", "%n%s%d"}) s.add_without_slot(c);
  using Tcase = std::tuple<wchar_t const*, wchar_t const*, int32_t, wchar_t const*>;  // base, format, first, result
  Tcase const cases[] = {
      {L"Map", L"%ls %d", 1, L"Map 2"},
      {L"Map", nullptr, 1, L"Map 2"},  // the library's own format
      {L"Map", L"%ls %d", 3, L"Map 4"},
      {L"%n%s%d", L"%ls %d", 1, L"%n%s%d 1"},
  };
  for (auto const& [base, format, first, result] : cases) {
    auto const unique = [&s, b = base, f = format, n = first](Izv_string_adp* a) {
      zv_entities_unique_wcaption_ex(&s, b, f, n, a, nullptr);
    };
    EXPECT_EQ(zv_lr_text::read(unique), result) << result;
  }
}

}  // namespace
