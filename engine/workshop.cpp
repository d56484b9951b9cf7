#include "workshop.h"

#include <cmath>

#include "decimal_mark.h"
#include "errors.h"
#include "number_text.h"

namespace engine {
namespace {

// Half an ulp above DBL_MAX, 2^1024 - 2^970: an extended value from here up
// rounds to infinity when stored into a double (the tie goes to the even
// 2^1024), which is the store's overflow.
constexpr long double kDoubleOverflowThreshold = 0x1.fffffffffffff8p1023L;

// RateTenths := ParseReal(text) * 10, multiplied in extended precision and
// then stored as a double. Checking before the store keeps the conversion
// within the double's range.
double TenfoldAsDouble(long double rate) {
  const long double tenfold = rate * 10.0L;
  if (std::fabs(tenfold) >= kDoubleOverflowThreshold) throw EOverflow();
  return static_cast<double>(tenfold);
}

}  // namespace

TCraftRun PrepareRun(TCraftSheet& sheet) {
  for (SheetField field : {SheetField::UnitPrice, SheetField::StockQty}) {
    for (int row = 1; row <= kMaterialRows; ++row) {
      if (sheet.FieldText(field, row).empty()) sheet.SetFieldText(field, row, "0");
    }
  }

  TCraftRun run;
  for (int row = 1; row <= kMaterialRows; ++row) {
    run.required[row - 1] = ParseInteger(sheet.FieldText(SheetField::RequiredQty, row));
  }
  for (int row = 1; row <= kMaterialRows; ++row) {
    run.stock[row - 1] = ParseInteger(sheet.FieldText(SheetField::StockQty, row));
  }
  run.RateTenths = TenfoldAsDouble(ParseReal(sheet.FieldText(SheetField::SuccessRate, 0)));

  // The texts written back use the current separator, so that they parse
  // again at the next run whatever the user's regional settings are.
  const std::string mark(1, DecimalMark());
  if (run.RateTenths > 1000.0) {
    run.RateTenths = 1000.0;
    sheet.SetFieldText(SheetField::SuccessRate, 0, "100" + mark + "0");
  }
  if (!(run.RateTenths >= 1.0)) {
    run.RateTenths = 1.0;
    sheet.SetFieldText(SheetField::SuccessRate, 0, "0" + mark + "1");
  }
  return run;
}

}  // namespace engine
