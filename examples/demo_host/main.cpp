// Demo host: runs small scripted sequences of changes and prints the event
// trace that a listener on each object sees.
//   B        begin-update event      E   end-update event
//   U[1,3]   update with properties 1 and 3;  1{5}: forwarded from a member
#include <cstdio>
#include <string>

#include "core/entities_base.h"
#include "event_recorder.h"
#include "zv/margins.h"

namespace {

class Tzv_demo_item : public Tzv_entity_base<Izv_entity, void> {
 public:
  char const* get_meta_id() override { return "DemoItemMetaID"; }
};

// A collection that forwards its members' events as property 1.
class Tzv_demo_list : public Tzv_entities_base<Izv_entities, Tzv_demo_item> {
 public:
  ~Tzv_demo_list() override { clear(); }
  char const* get_meta_id() override { return "DemoListMetaID"; }
  Tzv_demo_item* create_entity() override {
    auto* item = new Tzv_demo_item();
    zv_event_channel_add_client(item->get_update_event_channel(), &forward, this);
    return item;
  }
  void destroy_entity(Tzv_demo_item* item) override {
    zv_event_channel_del_client(item->get_update_event_channel(), &forward, this);
    delete item;
  }

 private:
  static void forward(Tzv_table* queue, void* data) {
    static_cast<Tzv_demo_list*>(data)->broadcast_update_event(zv_prop_members, *queue);
  }
};

void step(Tzv_event_recorder& rec, char const* what) {
  std::printf("  %-52s %s\n", what, rec.take().c_str());
}

void demo_entities() {
  std::printf("Events seen by a listener on a collection:\n");
  Tzv_demo_list list;
  Tzv_event_recorder rec(list.get_update_event_channel());
  list.set_count(3);
  step(rec, "set_count(3)");
  list.get_entity(1)->set_wcaption(L"roads");
  step(rec, "member 1: set_wcaption(\"roads\")");
  list.begin_update();
  list.set_active_index(1);
  list.get_entity(0)->set_marked(true);
  list.move(1, 0);
  list.end_update();
  step(rec, "bracket: activate 1, mark member 0, move 1 to 0");
  list.set_marked(true);
  list.set_marked(true);
  step(rec, "set_marked(true) twice");
  list.remove_marked();
  step(rec, "remove_marked()");
  list.clear();
  step(rec, "clear()");
}

void demo_margins() {
  std::printf("Margins through the exported functions:\n");
  Tzv_margins_obj* m = zv_margins_create();
  std::printf("  new: visible %d, left %u, top %u, right %u, bottom %u\n", zv_margins_get_visible(m),
              zv_margins_get_lft(m), zv_margins_get_top(m), zv_margins_get_rgt(m), zv_margins_get_btm(m));
  Tzv_margins_obj* copy = zv_margins_create();
  zv_margins_set_lft(m, 6);
  std::printf("  after set_lft(6): equal to a new one: %d\n", zv_margins_equal(m, copy));
  zv_margins_assign(copy, m);
  std::printf("  after assign: equal: %d\n", zv_margins_equal(m, copy));
  zv_margins_destroy(copy);
  zv_margins_destroy(m);
}

}  // namespace

int main() {
  demo_entities();
  demo_margins();
  return 0;
}
