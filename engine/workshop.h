// Preparation of a run: default blank prices and stocks to "0", convert the
// recipe, scale the success rate to tenths of a percent and clamp it.
//
//   rate "80.1"  -> RateTenths 801.0, text kept
//   rate "100.5" -> RateTenths 1000.0, text "100.0"
//   rate "0.05"  -> RateTenths 1.0, text "0.1"
//   rate "1e400" -> throws EOverflow (the tenfold does not fit a double)
#pragma once

#include "craft_run.h"
#include "craft_sheet.h"

namespace engine {

TCraftRun PrepareRun(TCraftSheet& sheet);

}  // namespace engine
