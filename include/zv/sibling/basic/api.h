// The export macro of the basic services library (zvk_basic): exported
// while the library itself is built, imported by everyone else.
#pragma once

#include "zv/export.h"

#ifdef ZVK_BASIC_BUILD
#define ZV_BASIC_API ZV_EXPORT
#else
#define ZV_BASIC_API ZV_IMPORT
#endif
