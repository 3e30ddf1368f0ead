/// \file
/// Export macro of the library's flat interface.
#pragma once

#include "zv/export.h"

#if defined(ZVK_SCN_2D_BUILD)
/// Marks a function of the flat interface: exported while the library builds.
#define ZV_SCN_2D_API ZV_EXPORT
#elif defined(ZVK_SCN_2D_STATIC)
// Linked into the program itself (the tests and the demo reach internals).
/// Marks a function of the flat interface: plain when linked statically.
#define ZV_SCN_2D_API
#else
/// Marks a function of the flat interface: imported by hosts and plug-ins.
#define ZV_SCN_2D_API ZV_IMPORT
#endif
