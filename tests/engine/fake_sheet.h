// An in-memory TCraftSheet with the window's initial texts, recording every
// write and every appended line.
#pragma once

#include <array>
#include <stdexcept>
#include <string>
#include <vector>

#include "engine/engine.h"

class FakeSheet : public engine::TCraftSheet {
 public:
  std::array<std::string, 5> required{"1", "0", "0", "0", "0"};
  std::array<std::string, 5> price{"0", "0", "0", "0", "0"};
  std::array<std::string, 5> stock{"10", "0", "0", "0", "0"};
  std::string yield = "1";
  std::string rate = "80.1";
  bool show_log = false;
  std::vector<std::string> log;
  std::vector<std::string> writes;      // "field row=text", in order
  std::size_t log_capacity = SIZE_MAX;  // lines; the next one throws like a full log

  std::string FieldText(engine::SheetField field, int row) const override {
    return const_cast<FakeSheet*>(this)->Slot(field, row);
  }
  void SetFieldText(engine::SheetField field, int row, const std::string& text) override {
    writes.push_back(Name(field) + std::to_string(row) + "=" + text);
    Slot(field, row) = text;
  }
  bool ShowCraftLog() const override { return show_log; }
  void AppendLogLine(const std::string& text) override {
    if (log.size() >= log_capacity) throw engine::EOutOfResources("RichEdit での行の挿入エラー");
    log.push_back(text);
  }

 private:
  std::string& Slot(engine::SheetField field, int row) {
    using engine::SheetField;
    switch (field) {
      case SheetField::RequiredQty:
        return required.at(row - 1);
      case SheetField::UnitPrice:
        return price.at(row - 1);
      case SheetField::StockQty:
        return stock.at(row - 1);
      case SheetField::YieldPerCraft:
        return yield;
      case SheetField::SuccessRate:
        return rate;
    }
    throw std::logic_error("unknown field");
  }
  static std::string Name(engine::SheetField field) {
    using engine::SheetField;
    switch (field) {
      case SheetField::RequiredQty:
        return "required";
      case SheetField::UnitPrice:
        return "price";
      case SheetField::StockQty:
        return "stock";
      case SheetField::YieldPerCraft:
        return "yield";
      case SheetField::SuccessRate:
        return "rate";
    }
    return "?";
  }
};

// Runs with the decimal mark set for the scope of one test.
class ScopedDecimalMark {
 public:
  explicit ScopedDecimalMark(char mark) : saved_(engine::DecimalMark()) {
    engine::SetDecimalMark(mark);
  }
  ~ScopedDecimalMark() { engine::SetDecimalMark(saved_); }

 private:
  char saved_;
};
