/// \file
/// The 2D scene's flat interface: every zv_scn_2d_* export, in four groups.
#pragma once

#include "zv/scn_2d/boxes.h"
#include "zv/scn_2d/entity.h"
#include "zv/scn_2d/layers.h"
#include "zv/scn_2d/lifecycle.h"
#include "zv/scn_2d/params.h"
