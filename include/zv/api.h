// Export macro of the library's flat interface.
#pragma once

#include "zv/export.h"

#ifdef ZVK_SCN_2D_BUILD
#define ZV_SCN_2D_API ZV_EXPORT
#else
#define ZV_SCN_2D_API ZV_IMPORT
#endif
