// Basic services library (zvk_basic): values, events, identifiers, text,
// resources, history, colours and fonts. Plain exported functions over
// opaque handles or small values. One header per family under basic/; this
// one brings them all.
#pragma once

#include "zv/flat.h"
#include "zv/sibling/basic/api.h"
#include "zv/sibling/basic/colour.h"
#include "zv/sibling/basic/event_channel.h"
#include "zv/sibling/basic/font.h"
#include "zv/sibling/basic/history.h"
#include "zv/sibling/basic/resources.h"
#include "zv/sibling/basic/string_adp.h"
#include "zv/sibling/basic/update_events.h"
#include "zv/sibling/basic/uuid.h"
#include "zv/sibling/basic/values.h"
#include "zv/sibling/basic/wstrings.h"
