// A whole run over an in-memory sheet whose seventeen texts, show-log flag,
// clock and log capacity come from the input. A run never makes more than
// 5001 attempts, and a report, when it is written whole, has five lines
// without a success and six with one.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

#include "engine/engine.h"

namespace {

class Sheet : public engine::TCraftSheet {
 public:
  std::vector<std::string> texts;  // required 1-5, price 1-5, stock 1-5, yield, rate
  bool show_log = false;
  std::size_t capacity = 0;
  std::vector<std::string> log;

  std::string FieldText(engine::SheetField field, int row) const override {
    return texts[Index(field, row)];
  }
  void SetFieldText(engine::SheetField field, int row, const std::string& text) override {
    texts[Index(field, row)] = text;
  }
  bool ShowCraftLog() const override { return show_log; }
  void AppendLogLine(const std::string& text) override {
    if (log.size() >= capacity) throw engine::EOutOfResources("RichEdit での行の挿入エラー");
    log.push_back(text);
  }

 private:
  static std::size_t Index(engine::SheetField field, int row) {
    if (row < 1 || row > 5) {
      if (field != engine::SheetField::YieldPerCraft && field != engine::SheetField::SuccessRate)
        std::abort();
    }
    switch (field) {
      case engine::SheetField::RequiredQty:
        return static_cast<std::size_t>(row - 1);
      case engine::SheetField::UnitPrice:
        return static_cast<std::size_t>(row + 4);
      case engine::SheetField::StockQty:
        return static_cast<std::size_t>(row + 9);
      case engine::SheetField::YieldPerCraft:
        return 15;
      case engine::SheetField::SuccessRate:
        return 16;
    }
    std::abort();
  }
};

bool IsAttemptLine(const std::string& line) {
  return line == "作製に失敗し、素材の半分を失いました" || line.rfind("「○○○」を ", 0) == 0;
}

}  // namespace

// Input: four bytes of clock, one of flags, one of capacity, then the
// seventeen texts separated by newlines (missing ones are empty).
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 6) return 0;
  const std::uint32_t clock = data[0] | data[1] << 8 | data[2] << 16 | std::uint32_t{data[3]} << 24;
  Sheet sheet;
  sheet.show_log = data[4] & 1;
  engine::SetDecimalMark(data[4] & 2 ? ',' : '.');
  sheet.capacity = data[5] == 0xFF ? SIZE_MAX : std::size_t{data[5]} * 40;
  const std::string rest(reinterpret_cast<const char*>(data + 6), size - 6);
  std::size_t start = 0;
  for (int i = 0; i < 17; ++i) {
    const std::size_t end = std::min(rest.find('\n', start), rest.size());
    sheet.texts.push_back(start < rest.size() ? rest.substr(start, end - start) : "");
    start = end + 1;
  }

  engine::TRandomSource random([clock] { return clock % 86'400'000; });
  bool finished = true;
  try {
    engine::RunTrials(sheet, random);
  } catch (const engine::Exception&) {
    finished = false;
  }
  std::size_t attempts = 0;
  while (attempts < sheet.log.size() && IsAttemptLine(sheet.log[attempts])) ++attempts;
  if (attempts > 5001) std::abort();
  if (finished) {
    const std::size_t report = sheet.log.size() - attempts;
    if (report != 5 && report != 6) std::abort();
    const bool success = sheet.log[attempts].rfind("成功回数0    ", 0) != 0;
    if (report != (success ? 6u : 5u)) std::abort();
  }
  return 0;
}
