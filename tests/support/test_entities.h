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

// A collection that makes members named "<prefix> N", listens to them and
// forwards their events as property 1. It logs "close <name>" when a
// recursive bracket closes and "destroy <name>" when it goes.
template <class M>
class Tzv_test_list_of : public Tzv_entities_base<Izv_entities, M> {
 public:
  explicit Tzv_test_list_of(std::vector<std::string>* log = nullptr, std::string name = "list",
                            std::string member_prefix = "item")
      : log_(log), name_(std::move(name)), prefix_(std::move(member_prefix)) {}
  ~Tzv_test_list_of() override {
    this->clear_for_destruction();
    if (log_) log_->push_back("destroy " + name_);
  }
  char const* get_meta_id() override { return "TestListMetaID"; }

  M* create_entity() override {
    if (fail_create_) throw "create failed";
    return make_item(prefix_ + " " + std::to_string(++made_));
  }

  void destroy_entity(M* item) override {
    this->stop_listening(item);
    delete item;
  }

  // A member made outside, subscribed like the collection's own.
  M* make_item(std::string const& name) {
    auto* item = new M(log_, name);
    this->listen_to(item);
    return item;
  }

  void end_update_recursive() override {
    Tzv_entities_base<Izv_entities, M>::end_update_recursive();
    if (log_) log_->push_back("close " + name_);
  }

  std::string const& name() const { return name_; }

  bool fail_create_ = false;

 private:
  std::vector<std::string>* log_;
  std::string name_;
  std::string prefix_;
  int made_ = 0;
};

using Tzv_test_list = Tzv_test_list_of<Tzv_test_item>;
// A collection whose members are collections, made as "list N".
class Tzv_test_group : public Tzv_test_list_of<Tzv_test_list> {
 public:
  explicit Tzv_test_group(std::vector<std::string>* log = nullptr) : Tzv_test_list_of(log, "group", "list") {}
};
