// Loads a plug-in module that lies next to the program, as a host does, and
// finds its entry points. The demo's only platform-specific code is behind
// this class.
#pragma once

#include <string>

class Tzv_plugin_module {
 public:
  // Loads the module called `name` (without the platform's prefix and
  // suffix) from the folder of the running program.
  explicit Tzv_plugin_module(char const* name);
  ~Tzv_plugin_module();  // unloads it
  Tzv_plugin_module(Tzv_plugin_module const&) = delete;
  Tzv_plugin_module& operator=(Tzv_plugin_module const&) = delete;

  bool loaded() const { return handle_ != nullptr; }
  std::string const& path() const { return path_; }
  // Why the module did not load; empty when it did.
  std::string const& error() const { return error_; }

  // The exported function `symbol` as type F; null when there is none.
  template <class F>
  F entry(char const* symbol) const {
    return reinterpret_cast<F>(find(symbol));
  }

 private:
  using Tzv_any_fn = void (*)();
  Tzv_any_fn find(char const* symbol) const;

  void* handle_ = nullptr;
  std::string path_;
  std::string error_;
};
