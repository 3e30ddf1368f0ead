// Entity library stand-in: storage, collection helpers, unique captions and
// meta data, over hand-written test doubles.

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "support/null_entities.h"
#include "zv/sibling/entity.h"

namespace {

// An entity with a caption and a uuid; every other operation is inert.
template <class I>
class Tzv_fake_entity : public Tzv_null_entity<I> {
 public:
  explicit Tzv_fake_entity(std::wstring caption = L"") : caption_(std::move(caption)) { zv_uuid_generate(&uuid_, 0); }

  void get_wcaption(Izv_string_adp* adp) override { zv_string_adp_feed(adp, caption_.c_str()); }
  void set_wcaption(wchar_t const* c) override { caption_ = c; }
  Tzv_uuid_t* get_uuid() override { return &uuid_; }
  void set_uuid(Tzv_uuid_t* u) override { uuid_ = *u; }
  bool deoccupy(Izv_string_adp*) override { return false; }
  char const* get_meta_id() override { return "FakeMetaID"; }

 private:
  std::wstring caption_;
  Tzv_uuid_t uuid_{};
};

using Tzv_fake_leaf = Tzv_fake_entity<Izv_entity>;

// A collection of leaves; members are reached through get_count/get_entity.
class Tzv_fake_entities : public Tzv_null_collection<Tzv_fake_entity<Izv_entities>> {
 public:
  Tzv_fake_leaf* add(std::wstring caption) {
    members_.push_back(std::make_unique<Tzv_fake_leaf>(std::move(caption)));
    return members_.back().get();
  }

  void clear() override { members_.clear(); }
  uint32_t get_count() override { return static_cast<uint32_t>(members_.size()); }
  Izv_entity* get_entity(uint32_t i) override { return i < members_.size() ? members_[i].get() : nullptr; }
  Izv_entity* add_entity() override { return add(L""); }
  // Delegates to the library, as a collection of the framework may.
  uint32_t get_entity_index(Izv_entity* e) override { return zv_entities_get_entity_index(this, e); }

 private:
  std::vector<std::unique_ptr<Tzv_fake_leaf>> members_;
};

struct Tzv_caption_sink {
  Tzv_caption_sink() : adp(zv_string_adp_create(nullptr, &on_wide, this)) {}
  ~Tzv_caption_sink() { zv_string_adp_destroy(adp); }
  static void on_wide(wchar_t const* s, void* d) { static_cast<Tzv_caption_sink*>(d)->text = s; }
  Izv_string_adp* adp;
  std::wstring text = L"(nothing fed)";
};

std::wstring zv_unique(Izv_entities* c, wchar_t const* base, wchar_t const* format, int32_t first) {
  Tzv_caption_sink out;
  zv_entities_unique_wcaption_ex(c, base, format, first, out.adp, nullptr);
  return out.text;
}

std::wstring zv_create_unique(Izv_entities* c, wchar_t const* base) {
  Tzv_caption_sink out;
  zv_entities_create_unique_wcaption(c, base, out.adp);
  return out.text;
}

}  // namespace

// --- Storage -------------------------------------------------------------------

// The core entity tests pin registration, look-up and removal as an entity
// of the library does them; left here: repeats, null entities, and uuids
// that are shared or change behind the storage's back.
TEST(EntityStorage, RepeatsSharedUuidAndChangedUuid) {
  int32_t const base = zv_entity_storage_get_count();
  Tzv_fake_leaf a, b;
  zv_entity_storage_add(&a);
  zv_entity_storage_add(&a);  // already there
  zv_entity_storage_add(nullptr);
  EXPECT_EQ(zv_entity_storage_get_count(), base + 1);
  zv_entity_storage_remove(&a);
  zv_entity_storage_remove(&a);  // no longer there
  zv_entity_storage_remove(nullptr);
  EXPECT_EQ(zv_entity_storage_get_count(), base);
  EXPECT_EQ(zv_entity_storage_find_by_uid(nullptr), nullptr);

  b.set_uuid(a.get_uuid());
  zv_entity_storage_add(&a);
  zv_entity_storage_add(&b);
  Izv_entity* found = zv_entity_storage_find_by_uid(a.get_uuid());
  EXPECT_TRUE(found == &a || found == &b);
  zv_entity_storage_remove(&a);
  EXPECT_EQ(zv_entity_storage_find_by_uid(a.get_uuid()), &b);  // exactly a went

  // b's uuid changes behind the storage's back: removal still finds it.
  Tzv_uuid_t old = *b.get_uuid();
  Tzv_uuid_t fresh;
  zv_uuid_generate(&fresh, 0);
  b.set_uuid(&fresh);
  zv_entity_storage_remove(&b);
  EXPECT_EQ(zv_entity_storage_get_count(), base);
  EXPECT_EQ(zv_entity_storage_find_by_uid(&old), nullptr);

  // Added again after a change, an entity is filed under its new uuid only.
  zv_entity_storage_add(&b);
  b.set_uuid(&old);
  zv_entity_storage_add(&b);
  EXPECT_EQ(zv_entity_storage_get_count(), base + 1);
  EXPECT_EQ(zv_entity_storage_find_by_uid(&old), &b);
  EXPECT_EQ(zv_entity_storage_find_by_uid(&fresh), nullptr);
  zv_entity_storage_remove(&b);
  EXPECT_EQ(zv_entity_storage_get_count(), base);
}

// --- Collection helpers ----------------------------------------------------------

TEST(EntityCollection, DowncastIndexUniqueness) {
  Tzv_fake_entities c;
  Tzv_fake_leaf* a = c.add(L"Alpha");
  Tzv_fake_leaf* b = c.add(L"");
  Tzv_fake_leaf outsider;
  Izv_entity* as_entity = &c;
  EXPECT_EQ(zv_entities_safe_downcast(as_entity), static_cast<Izv_entities*>(&c));
  EXPECT_EQ(zv_entities_safe_downcast(a), nullptr);
  EXPECT_EQ(zv_entities_safe_downcast(nullptr), nullptr);

  EXPECT_EQ(zv_entities_get_entity_index(&c, b), 1u);
  EXPECT_EQ(zv_entities_get_entity_index(&c, &outsider), zv_no_index);
  EXPECT_EQ(zv_entities_get_entity_index(&c, nullptr), zv_no_index);
  EXPECT_EQ(zv_entities_get_entity_index(nullptr, a), zv_no_index);

  EXPECT_FALSE(zv_entities_is_unique_wcaption(&c, L"Alpha"));
  EXPECT_TRUE(zv_entities_is_unique_wcaption(&c, L"alpha"));
  EXPECT_FALSE(zv_entities_is_unique_wcaption(&c, nullptr));  // b bears the empty caption
  EXPECT_TRUE(zv_entities_is_unique_wcaption(nullptr, L"Alpha"));
  EXPECT_EQ(zv_entities_get_update_event_channel(nullptr), nullptr);
  zv_entity_begin_update(nullptr);
  zv_entity_end_update(nullptr);
  zv_scn_begin_update(nullptr);
  zv_scn_end_update(nullptr);
}

// The scene collection's caption test checks its own index against this
// walk; these pin the walk's numbers and formats, which captions take a
// number, and that no caption text acts as a format.
TEST(EntityCollection, UniqueCaptionNumbersAndFormats) {
  std::vector<std::wstring> const maps{L"Map 1", L"Map 2", L"Map(0)"};
  std::vector<std::wstring> const percents{L"%n%s%d", L"B"};
  // Only a caption that is exactly a candidate takes its number.
  std::vector<std::wstring> const near_misses{L"Map 01", L"Map 1x", L"Map +1", L"Map  1", L"Map -0",
                                              L"Map 2",  L"Map -1", L"4-B-5",  L"4-B-4",  L"Map 99999999999999999999"};
  struct Tcase {
    std::vector<std::wstring> const& members;
    wchar_t const* base;
    wchar_t const* format;
    int32_t first;
    wchar_t const* expected;
  } const cases[] = {
      {maps, L"Map", L"%ls %d", 1, L"Map 3"},
      {maps, L"Map", L"%ls %d", 2, L"Map 3"},
      {maps, L"Map", L"%ls %d", 5, L"Map 5"},
      {maps, L"Map", L"%s %d", 1, L"Map 3"},
      {maps, L"Map", nullptr, 1, L"Map 3"},  // the library's own format
      {maps, L"Map", L"%ls(%d)", 0, L"Map(1)"},
      {maps, nullptr, L"%ls%d", -1, L"-1"},
      {percents, L"%n%s%d", L"%ls %d", 1, L"%n%s%d 1"},
      {percents, L"B", L"%n%x %ls%%%d %l %", 7, L"%n%x B%7 %l %"},  // unknown directives, % and %% are text
      {percents, L"B", L"%ls", 1, L"B 1"},                          // no number in the format: still distinct
      {percents, L"B", L"%d-%ls-%d", 4, L"4-B-4"},                  // both placeholders take the number
      {near_misses, L"Map", L"%ls %d", 1, L"Map 1"},
      {near_misses, L"Map", L"%ls %d", 2, L"Map 3"},
      {near_misses, L"Map", L"%ls %d", -1, L"Map 0"},
      {near_misses, L"B", L"%d-%ls-%d", 4, L"5-B-5"},
  };
  for (Tcase const& t : cases) {
    Tzv_fake_entities c;
    for (std::wstring const& caption : t.members) c.add(caption);
    EXPECT_EQ(zv_unique(&c, t.base, t.format, t.first), t.expected) << t.expected;
  }
  EXPECT_EQ(zv_unique(nullptr, L"Map", L"%ls %d", 1), L"Map 1");

  Tzv_fake_entities c;
  c.add(L"Map 1");
  Tzv_caption_sink plain;
  zv_entities_unique_wcaption(&c, L"Map", L"%ls %d", 1, plain.adp);
  EXPECT_EQ(plain.text, L"Map 2");
  zv_entities_unique_wcaption(&c, L"Map", L"%ls %d", 1, nullptr);  // no adapter, nothing to do
}

TEST(EntityCollection, CreateUniqueKeepsAFreeBase) {
  Tzv_fake_entities c;
  EXPECT_EQ(zv_create_unique(&c, L"Scene"), L"Scene");
  c.add(L"Scene");
  c.add(L"Scene 1");
  c.add(L"%n%s%d");
  EXPECT_EQ(zv_create_unique(&c, L"Scene"), L"Scene 2");
  EXPECT_EQ(zv_create_unique(&c, L"%n%s%d"), L"%n%s%d 1");
  EXPECT_EQ(zv_create_unique(&c, nullptr), L"");
  zv_entities_create_unique_wcaption(&c, L"Scene", nullptr);
}

// --- Meta data -------------------------------------------------------------------

TEST(EntityMetaData, CopiesAreDeep) {
  Tzv_meta_data_obj* a = zv_meta_data_create();
  Tzv_meta_data_obj* b = zv_meta_data_create();
  Tzv_table* t = zv_meta_data_get_table(a);
  table_resize(t, 1);
  Tzv_tuple* rows = t->rows;
  tuple_resize(&rows[0], 1);
  Tzv_any* items = rows[0].items;
  any_assign_string(&items[0], "me");
  EXPECT_FALSE(zv_meta_data_equal(a, b));
  zv_meta_data_assign(b, a);
  EXPECT_TRUE(zv_meta_data_equal(a, b));
  any_assign_string(&items[0], "you");  // b holds its own copy
  EXPECT_FALSE(zv_meta_data_equal(a, b));

  zv_meta_data_assign(nullptr, a);
  zv_meta_data_assign(a, nullptr);
  EXPECT_FALSE(zv_meta_data_equal(a, nullptr));
  EXPECT_EQ(zv_meta_data_get_table(nullptr), nullptr);
  zv_meta_data_destroy(a);
  zv_meta_data_destroy(b);
  zv_meta_data_destroy(nullptr);
}
