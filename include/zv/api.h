// Export macro of the library's flat interface.
#pragma once

#include "zv/export.h"

#if defined(ZVK_SCN_2D_BUILD)
#define ZV_SCN_2D_API ZV_EXPORT
#elif defined(ZVK_SCN_2D_STATIC)
// Linked into the program itself (the tests and the demo reach internals).
#define ZV_SCN_2D_API
#else
#define ZV_SCN_2D_API ZV_IMPORT
#endif
