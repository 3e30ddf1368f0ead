// Small concrete entities and collections for the core tests.
#pragma once

#include <string>
#include <vector>

#include "core/entities_base.h"

// A plain entity.
class Tzv_test_item : public Tzv_entity_base<Izv_entity, void> {
 public:
  explicit Tzv_test_item(std::vector<std::string>* log = nullptr, std::string name = {})
      : log_(log), name_(std::move(name)) {}
  ~Tzv_test_item() override {
    if (log_) log_->push_back("destroy " + name_);
  }
  char const* get_meta_id() override { return "TestItemMetaID"; }
  void end_update_recursive() override {
    if (log_) log_->push_back("close " + name_);
    Tzv_entity_base::end_update_recursive();
  }
  std::string const& name() const { return name_; }

 private:
  std::vector<std::string>* log_;
  std::string name_;
};

// A collection that makes items named "item N", listens to them and forwards
// their events as property 1.
class Tzv_test_list : public Tzv_entities_base<Izv_entities, Tzv_test_item> {
 public:
  explicit Tzv_test_list(std::vector<std::string>* log = nullptr) : log_(log) {}
  ~Tzv_test_list() override { clear(); }
  char const* get_meta_id() override { return "TestListMetaID"; }

  Tzv_test_item* create_entity() override {
    if (fail_create_) throw "create failed";
    auto* item = new Tzv_test_item(log_, "item " + std::to_string(++made_));
    zv_event_channel_add_client(item->get_update_event_channel(), &on_item, this);
    return item;
  }

  void destroy_entity(Tzv_test_item* item) override {
    zv_event_channel_del_client(item->get_update_event_channel(), &on_item, this);
    delete item;
  }

  // A member made outside, subscribed like the collection's own.
  Tzv_test_item* make_item(std::string const& name) {
    auto* item = new Tzv_test_item(log_, name);
    zv_event_channel_add_client(item->get_update_event_channel(), &on_item, this);
    return item;
  }

  void end_update_recursive() override {
    Tzv_entities_base::end_update_recursive();
    if (log_) log_->push_back("close list");
  }

  bool fail_create_ = false;

 private:
  static void on_item(Tzv_table* queue, void* data) {
    static_cast<Tzv_test_list*>(data)->broadcast_update_event(zv_prop_members, *queue);
  }

  std::vector<std::string>* log_;
  int made_ = 0;
};
