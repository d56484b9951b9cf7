#include "run_report.h"

#include "errors.h"
#include "number_text.h"

namespace engine {
namespace {

// Items made: the yield text is converted again at every use, so a bad
// yield fails at the first use (the second report line).
std::int32_t ItemsMade(const TCraftSheet& sheet, const TCraftRun& run) {
  return WrappingMul(ParseInteger(sheet.FieldText(SheetField::YieldPerCraft, 0)), run.successes);
}

// Material cost of the whole run: consumed units times price per material,
// each term in wrapping 32-bit arithmetic, the sum held as a double. The
// stock fields still hold the stock from before the run.
double MaterialCost(const TCraftSheet& sheet, const TCraftRun& run) {
  double cost = 0;
  for (int row = 1; row <= kMaterialRows; ++row) {
    const std::int32_t initial = ParseInteger(sheet.FieldText(SheetField::StockQty, row));
    const std::int32_t price = ParseInteger(sheet.FieldText(SheetField::UnitPrice, row));
    const std::int32_t term = WrappingMul(WrappingSub(initial, run.stock[row - 1]), price);
    cost = static_cast<double>(static_cast<long double>(cost) + term);
  }
  return cost;
}

// cost / made as an extended division stored as a double, with the faults of
// an x87 division made explicit: x / 0 for x != 0 and 0 / 0.
double PerItem(double cost, std::int32_t made) {
  if (made == 0) {
    if (cost == 0) throw EInvalidOp();
    throw EZeroDivide();
  }
  return static_cast<double>(static_cast<long double>(cost) / made);
}

}  // namespace

void WriteRunReport(TCraftSheet& sheet, const TCraftRun& run) {
  sheet.AppendLogLine("成功回数" + FormatInteger(run.successes) + "    失敗回数" +
                      FormatInteger(run.failures));
  sheet.AppendLogLine("製品○○○が　" + FormatInteger(ItemsMade(sheet, run)) + " 個出来ました");

  std::string left = "材料が　【";
  for (int k = 0; k < kMaterialRows; ++k) {
    if (k > 0) left += " , ";
    left += FormatInteger(run.stock[k]);
  }
  sheet.AppendLogLine(left + " 】余りました");

  // Evaluated left to right in extended precision and never stored as doubles.
  const long double rate = run.RateTenths;
  const long double high = static_cast<long double>(ItemsMade(sheet, run)) * rate * 1.5L / 10000.0L;
  sheet.AppendLogLine("高品質の期待値【　" + FormatReal(high) + "　個　】");
  const long double low =
      static_cast<long double>(ItemsMade(sheet, run)) * (1000.0L - rate) / 10000.0L;
  sheet.AppendLogLine("低品質の期待値【　" + FormatReal(low) + "　個　】");

  if (run.successes <= 0) return;
  const double cost = MaterialCost(sheet, run);
  const double per_item = PerItem(cost, ItemsMade(sheet, run));
  sheet.AppendLogLine("製品○○○の一個当たりの原価は　" + FormatReal(per_item) + " Gです");
}

}  // namespace engine
