/// \file
/// Symbol visibility of the framework's modules. The only header that knows
/// which platform it is built for.
#pragma once

#if defined(_WIN32)
/// Exports a symbol from the module being built.
#define ZV_EXPORT __declspec(dllexport)
/// Imports a symbol from another module.
#define ZV_IMPORT __declspec(dllimport)
// Interface classes are header-only; their type information is matched by name.
/// Marks an interface class shared between modules.
#define ZV_INTERFACE
#else
/// Exports a symbol from the module being built.
#define ZV_EXPORT __attribute__((visibility("default")))
/// Imports a symbol from another module.
#define ZV_IMPORT __attribute__((visibility("default")))
// One copy of an interface's type information in the whole process, so that
// dynamic_cast works across module borders.
/// Marks an interface class shared between modules.
#define ZV_INTERFACE __attribute__((visibility("default")))
#endif
