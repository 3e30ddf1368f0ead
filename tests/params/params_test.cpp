// The rules of lookmark lists, the extent indicator's links and the clip
// outline in other coordinate systems.
#include <gtest/gtest.h>

#include <array>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "support/test_entities.h"
#include "support/text.h"
#include "zv/clip_params.h"
#include "zv/extent_ind.h"
#include "zv/lookmarks.h"
#include "zv/sibling/entity.h"
#include "zv/sibling/proj4_d2.h"

namespace {

using Tlist = Tzv_lookmarks2d;

// The order of the entries' captions and the active one, e.g. "PQR Q".
std::wstring state(Tlist* list) {
  std::wstring out;
  for (uint32_t i = 0; i < zv_lookmarks_get_size(list); ++i)
    out += zv_lookmark_get_caption(zv_lookmarks_get_ptr(list, i));
  Tzv_lookmark2d* active = zv_lookmarks_get_active_ptr(list);
  return out + L" " + (active ? zv_lookmark_get_caption(active) : L"-");
}

// Runs `ops` on `list`: "d1" deletes entry 1, "s12" swaps entries 1 and 2,
// "a5" sets active index 5, "p2" makes entry 2 active by pointer, "e1" tries
// an entry equal to entry 1 but no member, "+ST" adds entries captioned S and
// T, "c" clears, "=" replaces the list by a copy of a copy, "n" passes null
// sources and captions.
void run(Tlist* list, std::string const& ops) {
  std::istringstream in(ops);
  for (std::string op; in >> op;) {
    auto const arg = [&op](size_t i) { return static_cast<uint32_t>(op[i] - '0'); };
    if (op[0] == 'd') zv_lookmarks_delete_item(list, arg(1));
    if (op[0] == 's') zv_lookmarks_swap_items(list, arg(1), arg(2));
    if (op[0] == 'a') zv_lookmarks_set_active_idx(list, static_cast<int32_t>(arg(1)));
    if (op[0] == 'p') zv_lookmarks_set_active_ptr(list, zv_lookmarks_get_ptr(list, arg(1)));
    if (op[0] == 'c') zv_lookmarks_clear(list);
    if (op[0] == 'n') zv_lookmarks_assign(list, nullptr);
    if (op[0] == 'n') zv_lookmark_set_caption(zv_lookmarks_get_ptr(list, 0), nullptr);
    for (char c : op[0] == '+' ? op.substr(1) : "") {
      zv_lookmark_set_caption(zv_lookmarks_add_ptr(list), std::wstring(1, wchar_t(c)).c_str());
    }
    if (op[0] == 'e') {
      Tzv_lookmark2d* copy = zv_lookmark_create();
      zv_lookmark_assign(copy, zv_lookmarks_get_ptr(list, arg(1)));
      EXPECT_EQ(zv_lookmarks_find_ptr(list, copy), -1);
      zv_lookmarks_set_active_ptr(list, copy);
      zv_lookmark_destroy(copy);
    }
    if (op[0] == '=') {
      Tlist* copy = zv_lookmarks_create();
      zv_lookmarks_assign(copy, list);
      EXPECT_TRUE(zv_lookmarks_equal(copy, list));  // indexes compare as read
      zv_lookmarks_assign(list, copy);
      zv_lookmarks_destroy(copy);
    }
  }
}

TEST(Lookmarks, ActiveEntryIsStoredAsGivenReadNormalisedAndFollowsItsEntry) {
  // Operations on entries P, Q, R with Q active | the state they leave.
  std::istringstream rows(
      "d0|QR Q;d1|PR -;d2|PQ Q;d3|PQR Q;s10|QPR Q;s21|PRQ Q;s02|RQP Q;s03 s70|PQR Q;a5|PQR -;"
      "a5 +STU|PQRSTU U;p2|PQR R;e1|PQR -;a5 = +STU|PQRSTU -;a2 =|PQR R;c +PQ|PQ -;"
      "c d0 s00 +PQ n|PQ -;p9|PQR -");
  for (std::string r; std::getline(rows, r, ';');) {
    Tlist* list = zv_lookmarks_create();
    run(list, "+PQR a1");
    Tzv_lookmark2d* p = zv_lookmarks_get_ptr(list, 0);
    run(list, r.substr(0, r.find('|')));
    EXPECT_EQ(state(list), std::wstring(r.begin() + r.find('|') + 1, r.end())) << r;
    EXPECT_TRUE(r[0] != 's' || zv_lookmarks_get_ptr(list, state(list).find(L'P')) == p);  // objects move along
    zv_lookmarks_destroy(list);
  }
}

// The links as letters: 'a' + i for known[i], '0' for a zero uuid.
std::string links(Tzv_extent_ind2d* e, std::vector<Tzv_uuid_t*> const& known) {
  std::string out;
  for (unsigned i = 0; i < zv_extent_ind_get_links_count(e); ++i) {
    Tzv_uuid_t const* link = zv_extent_ind_get_link_uid(e, i);
    char c = '0';
    for (size_t k = 0; k < known.size(); ++k) c = zv_uuid_equal(link, known[k]) ? char('a' + k) : c;
    out += c;
  }
  return out;
}

TEST(ExtentInd, LinksAreKeptOnceByValueValidatedAndCopied) {
  Tzv_test_item x, z;
  auto y = std::make_unique<Tzv_test_item>();
  std::vector<Tzv_uuid_t*> known;  // copies, which outlive y
  for (auto* item : {&x, y.get(), &z}) zv_uuid_assign(known.emplace_back(zv_uuid_create()), item->get_uuid());
  Tzv_uuid_t* const a = known[0];
  Tzv_extent_ind2d* e = zv_extent_ind_create();
  for (auto* u : {a, a, known[1], known[2]}) zv_extent_ind_update_link(e, u, true);
  EXPECT_EQ(links(e, known), "abc");
  EXPECT_NE(zv_extent_ind_get_link_uid(e, 0), a);  // a copy, not the caller's object
  zv_extent_ind_update_link(e, a, false);
  zv_extent_ind_update_link(e, a, false);  // absent: nothing
  zv_extent_ind_update_link(e, nullptr, true);
  zv_extent_ind_set_link_uid(e, 2, a);
  zv_extent_ind_set_link_uid(e, 0, nullptr);
  EXPECT_FALSE(zv_extent_ind_has_link(e, a) || zv_extent_ind_has_link(e, nullptr));
  EXPECT_EQ(zv_extent_ind_get_link_uid(e, 0xFFFFFFFFu), nullptr);
  Tzv_uuid_t* first = zv_extent_ind_get_link_uid(e, 0);
  zv_extent_ind_set_links_count(e, 4);  // new links are zero, and go first from the end
  zv_extent_ind_set_link_uid(e, 3, a);
  EXPECT_EQ(links(e, known), "bc0a");
  zv_extent_ind_set_links_count(e, 2);
  EXPECT_EQ(zv_extent_ind_get_link_uid(e, 0), first);
  zv_extent_ind_update_link(e, a, true);

  y.reset();
  zv_extent_ind_validate_links(e);  // drops, in order, the links whose entity is gone
  Tzv_extent_ind2d* copy = zv_extent_ind_create();
  zv_extent_ind_set_links_count(copy, 5);
  zv_extent_ind_assign(copy, e);
  zv_uuid_assign(zv_extent_ind_get_link_uid(e, 0), a);  // later changes of the source stay there
  EXPECT_EQ(links(copy, known), "ca");
  zv_extent_ind_set_links_count(copy, 0);
  EXPECT_TRUE(zv_extent_ind_equal(copy, e));  // links are not compared
  zv_extent_ind_destroy(copy);
  zv_extent_ind_destroy(e);
  for (auto* u : known) zv_uuid_destroy(u);
}

// The scene's clipped-box tests pin the boxes; these pin the outline, and
// that a failure leaves the output as it was.
TEST(ClipParams, OutlineInAnotherSystem) {
  Tzv_clip2d_params* geo = zv_scn2d_clip_params_create();  // around 10°E 50.5°N
  Tzv_op2d* ov = zv_ov_d2_create();
  for (auto const& v : {Tzv_vtx_d2{9.5, 50.0}, {10.5, 50.0}, {10.5, 51.0}, {9.5, 51.0}}) zv_ov_d2_add_vtx(ov, v.x, v.y);
  zv_scn2d_clip_params_set_ov(geo, ov);
  zv_scn2d_clip_params_set_prj(geo, L"+proj=longlat +datum=WGS84 +no_defs");
  zv_scn2d_clip_params_set_ov(geo, nullptr);
  zv_scn2d_clip_params_set_prj(geo, nullptr);
  Tzv_clip2d_params* copy = zv_scn2d_clip_params_create();
  zv_scn2d_clip_params_assign(copy, geo);
  zv_scn2d_clip_params_set_prj(copy, L"+datum=WGS84 +proj=longlat");
  EXPECT_TRUE(zv_scn2d_clip_params_equal(copy, geo));  // projections compare by meaning
  EXPECT_NE(zv_scn2d_clip_params_get_ov(copy), zv_scn2d_clip_params_get_ov(geo));
  EXPECT_EQ(text([geo](Izv_string_adp* a) { zv_scn2d_clip_params_get_prj(geo, a); }),
            L"+proj=longlat +datum=WGS84 +no_defs");
  zv_scn2d_clip_params_destroy(copy);
  bool const utm = zv_pj4_can_reproject();  // built with PROJ
  // cs2cs +proj=longlat +datum=WGS84 +no_defs +to +proj=utm +zone=32 +datum=WGS84 +units=m +no_defs
  struct {
    wchar_t const* dst;
    bool ok;
    std::array<double, 4> box;
  } const rows[] = {{L"+no_defs +datum=WGS84 +proj=longlat", true, {9.5, 50, 10.5, 51}},
                    {L"+proj=utm +zone=32 +datum=WGS84 +units=m +no_defs",
                     utm,
                     {535084.7072, 5538750.4776, 607498.4934, 5650895.7067}},
                    {L"+proj=no_such_projection", false, {1, 2, 3, 4}},
                    {nullptr, false, {1, 2, 3, 4}}};
  for (auto const& r : rows) {
    Tzv_box_d2 b{1, 2, 3, 4};
    EXPECT_EQ(zv_scn2d_clip_params_eval_box(geo, r.dst, &b), r.ok);
    std::array<double, 4> const want = r.ok ? r.box : std::array<double, 4>{1, 2, 3, 4};
    std::array<double, 4> const got{b.xmin, b.ymin, b.xmax, b.ymax};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(got[i], want[i], 1e-3) << i;
  }
  EXPECT_FALSE(zv_scn2d_clip_params_eval_box(geo, L"", nullptr) || zv_scn2d_clip_params_eval_ov(geo, L"", nullptr));
  EXPECT_TRUE(zv_scn2d_clip_params_eval_ov(geo, L"+no_defs +datum=WGS84 +proj=longlat", ov));
  EXPECT_TRUE(zv_ov_d2_equal(ov, zv_scn2d_clip_params_get_ov(geo)));  // the same system: an exact copy
  zv_ov_d2_destroy(ov);
  zv_scn2d_clip_params_destroy(geo);
}

}  // namespace
