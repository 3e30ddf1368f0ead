// The fake plug-ins live in tests/support; this name stays for the host tests.
#pragma once
#include "support/plugin_fakes.h"
