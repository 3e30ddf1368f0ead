// The library-wide map from scene type name to creator, through which any
// scene type, built-in or plug-in, is made by name. It is made on first use
// and lives until the process ends; nothing is built when the library loads.
#pragma once

#include <cstddef>
#include <map>
#include <string>

#include "zv/izv_scene.h"

namespace zv {

// A creator: a function called with its context. A creator registered
// without context carries call_global_cb as function and the caller's
// argument-less function as context; an empty creator (both words null)
// makes nothing.
template <class T>
class CreateCallbackFunctor {
 public:
  using function_type = T* (*)(void* context);
  using global_function_type = T* (*)();

  CreateCallbackFunctor() = default;
  CreateCallbackFunctor(function_type function, void* context) : function_(function), context_(context) {}

  // A creator without context; a null function gives the empty creator.
  static CreateCallbackFunctor global(global_function_type function) {
    if (function == nullptr) return {};
    return {&call_global_cb, reinterpret_cast<void*>(function)};
  }

  // Calls the context as an argument-less function.
  static T* call_global_cb(void* context) { return reinterpret_cast<global_function_type>(context)(); }

  function_type function() const { return function_; }
  void* context() const { return context_; }
  bool empty() const { return function_ == nullptr; }

  // What the function makes; null for the empty creator.
  T* operator()() const { return function_ != nullptr ? function_(context_) : nullptr; }

 private:
  function_type function_ = nullptr;
  void* context_ = nullptr;
};

// An ordered map from name to creator; a name occurs at most once and keeps
// the creator it was entered with first.
template <class Key, class T, class Creator>
class Factory {
 public:
  // True when the name was new; an existing entry keeps its creator.
  bool attach(Key const& name, Creator creator) { return creators_.try_emplace(name, creator).second; }
  // True when an entry was removed.
  bool detach(Key const& name) { return creators_.erase(name) != 0; }
  // What the name's creator makes; null for an unknown name.
  T* create(Key const& name) const {
    auto const it = creators_.find(name);
    return it != creators_.end() ? it->second() : nullptr;
  }
  bool contains(Key const& name) const { return creators_.contains(name); }
  Creator const* find(Key const& name) const {
    auto const it = creators_.find(name);
    return it != creators_.end() ? &it->second : nullptr;
  }
  std::size_t size() const { return creators_.size(); }

 private:
  std::map<Key, Creator> creators_;
};

// One object of T per process, made on first use and never freed, so that no
// static object is built at load time or destroyed at unload.
template <class T>
struct Singleton {
  static T& inst() {
    static T* const instance = new T();
    return *instance;
  }
};

}  // namespace zv

using Tzv_scene_creator = zv::CreateCallbackFunctor<Izv_scene>;
using Tzv_scene_create_fn = Tzv_scene_creator::global_function_type;
using Tzv_scene_create_ctx_fn = Tzv_scene_creator::function_type;

// The scene factory map with the operations of the flat interface: names
// arrive as NUL-terminated narrow text, compared byte by byte; a null name
// is found nowhere and entered nowhere.
class Tzv_scene_factory_map final : public zv::Factory<std::string, Izv_scene, Tzv_scene_creator> {
 public:
  bool attach_global(char const* name, Tzv_scene_create_fn function);
  bool attach_ctx(char const* name, Tzv_scene_create_ctx_fn function, void* context);
  bool detach_name(char const* name);
  // Exceptions from the creator pass through.
  Izv_scene* create_scn(char const* name);
};

// The process-wide map, made on first use.
Tzv_scene_factory_map* zv_scene_factory_map();
