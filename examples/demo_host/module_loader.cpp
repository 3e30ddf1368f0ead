#include "module_loader.h"

#if defined(_WIN32)
#include <windows.h>
#else
#include <dlfcn.h>
#include <unistd.h>
#endif

namespace {

#if defined(_WIN32)

std::string program_folder() {
  char path[MAX_PATH] = {};
  DWORD const n = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string const program(path, n);
  return program.substr(0, program.find_last_of("\\/") + 1);
}
std::string module_file(char const* name) { return std::string(name) + ".dll"; }
void* open_module(std::string const& path) { return LoadLibraryA(path.c_str()); }
void close_module(void* handle) { FreeLibrary(static_cast<HMODULE>(handle)); }
std::string last_error() { return "error " + std::to_string(GetLastError()); }
void (*find_function(void* handle, char const* symbol))() {
  return reinterpret_cast<void (*)()>(GetProcAddress(static_cast<HMODULE>(handle), symbol));
}

#else

std::string program_folder() {
  char path[4096] = {};
  ssize_t const n = readlink("/proc/self/exe", path, sizeof path - 1);
  std::string const program(path, n > 0 ? static_cast<std::size_t>(n) : 0);
  return program.substr(0, program.find_last_of('/') + 1);
}
std::string module_file(char const* name) { return "lib" + std::string(name) + ".so"; }
void* open_module(std::string const& path) { return dlopen(path.c_str(), RTLD_NOW | RTLD_LOCAL); }
void close_module(void* handle) { dlclose(handle); }
std::string last_error() {
  char const* text = dlerror();
  return text ? text : "unknown error";
}
void (*find_function(void* handle, char const* symbol))() {
  return reinterpret_cast<void (*)()>(dlsym(handle, symbol));
}

#endif

}  // namespace

Tzv_plugin_module::Tzv_plugin_module(char const* name) : path_(program_folder() + module_file(name)) {
  handle_ = open_module(path_);
  if (!handle_) error_ = last_error();
}

Tzv_plugin_module::~Tzv_plugin_module() {
  if (handle_) close_module(handle_);
}

Tzv_plugin_module::Tzv_any_fn Tzv_plugin_module::find(char const* symbol) const {
  return handle_ ? find_function(handle_, symbol) : nullptr;
}
