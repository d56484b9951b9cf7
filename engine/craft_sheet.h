// The engine's whole view of the window: seventeen field texts, the
// show-log flag and the log.
#pragma once

#include <string>

namespace engine {

enum class SheetField { RequiredQty, UnitPrice, StockQty, YieldPerCraft, SuccessRate };

// Material rows are numbered 1 to 5.
inline constexpr int kMaterialRows = 5;

class TCraftSheet {
 public:
  virtual ~TCraftSheet() = default;
  // row: 1..5 for RequiredQty, UnitPrice, StockQty; ignored for YieldPerCraft and SuccessRate
  virtual std::string FieldText(SheetField field, int row) const = 0;
  virtual void SetFieldText(SheetField field, int row, const std::string& text) = 0;
  virtual bool ShowCraftLog() const = 0;
  // May throw EOutOfResources when the log is full.
  virtual void AppendLogLine(const std::string& text) = 0;
};

}  // namespace engine
