// One press of the trial button: prepare the sheet, simulate the attempts,
// write the report. Errors propagate unchanged; nothing is rolled back.
#pragma once

#include "craft_sheet.h"
#include "random_source.h"

namespace engine {

inline constexpr int kMaxAttempts = 5001;

void RunTrials(TCraftSheet& sheet, TRandomSource& random);

}  // namespace engine
