#include "trial_run.h"

#include <string>

#include "craft_run.h"
#include "run_report.h"
#include "workshop.h"

namespace engine {
namespace {

constexpr std::uint32_t kDrawRange = 1000;
const std::string kFailureLine = "作製に失敗し、素材の半分を失いました";

bool MaterialsCoverOneCraft(const TCraftRun& run) {
  for (int k = 0; k < kMaterialRows; ++k) {
    if (run.required[k] > run.stock[k]) return false;
  }
  return true;
}

void Succeed(TCraftRun& run) {
  for (int k = 0; k < kMaterialRows; ++k) run.stock[k] = WrappingSub(run.stock[k], run.required[k]);
  ++run.successes;
}

// A failure loses (q div 2) + (q mod 2) of each material: half rounded up for
// q >= 0; C++ division truncates and % takes the dividend's sign, as needed
// for negative quantities (-3 loses -2).
void Fail(TCraftRun& run) {
  for (int k = 0; k < kMaterialRows; ++k) {
    const std::int32_t q = run.required[k];
    run.stock[k] = WrappingSub(WrappingSub(run.stock[k], q / 2), q % 2);
  }
  ++run.failures;
}

}  // namespace

void RunTrials(TCraftSheet& sheet, TRandomSource& random) {
  random.Randomize();
  TCraftRun run = PrepareRun(sheet);

  std::string success_line;  // built on first use: most runs log nothing per attempt
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    const std::uint32_t draw = random.Draw(kDrawRange);
    if (!MaterialsCoverOneCraft(run)) break;
    const bool success = draw < run.RateTenths;
    if (success) {
      Succeed(run);
    } else {
      Fail(run);
    }
    if (!sheet.ShowCraftLog()) continue;
    if (!success) {
      sheet.AppendLogLine(kFailureLine);
      continue;
    }
    if (success_line.empty()) {
      success_line =
          "「○○○」を " + sheet.FieldText(SheetField::YieldPerCraft, 0) + " 個作製しました";
    }
    sheet.AppendLogLine(success_line);
  }
  WriteRunReport(sheet, run);
}

}  // namespace engine
