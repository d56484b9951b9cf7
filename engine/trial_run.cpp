#include "trial_run.h"

#include <array>
#include <string>

#include "craft_run.h"
#include "run_report.h"
#include "workshop.h"

namespace engine {
namespace {

constexpr std::uint32_t kDrawRange = 1000;
const std::string kFailureLine = "作製に失敗し、素材の半分を失いました";

using Quantities = std::array<std::int32_t, kMaterialRows>;

bool MaterialsCoverOneCraft(const Quantities& required, const Quantities& stock) {
  bool covered = true;  // no early exit: five compares beat an unpredictable branch
  for (int k = 0; k < kMaterialRows; ++k) covered &= required[k] <= stock[k];
  return covered;
}

// A failure loses (q div 2) + (q mod 2) of each material: half rounded up for
// q >= 0; C++ division truncates and % takes the dividend's sign, as needed
// for negative quantities (-3 loses -2).
Quantities FailureLosses(const Quantities& required) {
  Quantities losses{};
  for (int k = 0; k < kMaterialRows; ++k) losses[k] = required[k] / 2 + required[k] % 2;
  return losses;
}

void Consume(Quantities& stock, const Quantities& losses) {
  for (int k = 0; k < kMaterialRows; ++k) stock[k] = WrappingSub(stock[k], losses[k]);
}

}  // namespace

void RunTrials(TCraftSheet& sheet, TRandomSource& random) {
  random.Randomize();
  TCraftRun run = PrepareRun(sheet);

  // The loop works on locals, which stay in registers across the sheet's
  // virtual calls, and picks the losses by indexing rather than branching:
  // whether an attempt succeeds is as unpredictable as the draw.
  const Quantities required = run.required;
  const Quantities losses[2] = {FailureLosses(required), required};  // [success]
  const double rate = run.RateTenths;
  Quantities stock = run.stock;
  std::int32_t successes = 0;
  std::int32_t failures = 0;
  std::string success_line;  // built on first use: most runs log nothing per attempt
  for (int attempt = 0; attempt < kMaxAttempts; ++attempt) {
    const std::uint32_t draw = random.Draw(kDrawRange);
    if (!MaterialsCoverOneCraft(required, stock)) break;
    // Succeeds for the draws 0 .. ceil(RateTenths) - 1, compared as reals.
    const bool success = draw < rate;
    Consume(stock, losses[success]);
    successes += success;
    failures += !success;
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
  run.stock = stock;
  run.successes = successes;
  run.failures = failures;
  WriteRunReport(sheet, run);
}

}  // namespace engine
