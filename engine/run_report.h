// The summary lines appended after the attempts of a run.
#pragma once

#include "craft_run.h"
#include "craft_sheet.h"

namespace engine {

void WriteRunReport(TCraftSheet& sheet, const TCraftRun& run);

}  // namespace engine
