// The main window: every control of the designed layout, the handlers of
// its buttons and fields, and the craft sheet the trial engine reads and
// writes through.
#pragma once

#include <QWidget>
#include <array>
#include <memory>

#include "engine/engine.h"
#include "window/qt/craft_log.h"

class QCheckBox;
class QComboBox;
class QLineEdit;

class TForm1 : public QWidget, public engine::TCraftSheet {
  Q_OBJECT
 public:
  // `clock` seeds the draws of every run; tests pin it.
  explicit TForm1(engine::TRandomSource::Clock clock = engine::SystemMillisecondsOfDay,
                  QWidget* parent = nullptr);

  std::string FieldText(engine::SheetField field, int row) const override;
  void SetFieldText(engine::SheetField field, int row, const std::string& text) override;
  bool ShowCraftLog() const override;
  void AppendLogLine(const std::string& text) override;

 private:
  void BuildControls();
  void FitClientToControls();
  void SetKeyboardOrder();
  void FindFields();
  void LoadInstructionLines();
  void WireKeyboard();
  void WireHandlers();
  void Button1Click();
  void Button2Click();
  template <class Control>
  Control* Find(const QString& name) const;
  QWidget* FieldControl(engine::SheetField field, int row) const;

  struct FieldControls {
    std::array<QComboBox*, engine::kMaterialRows> required;
    std::array<QLineEdit*, engine::kMaterialRows> price;
    std::array<QLineEdit*, engine::kMaterialRows> stock;
    QComboBox* yield;
    QLineEdit* rate;
    QCheckBox* show_log;  // read before every per-attempt line
  };
  FieldControls fields_{};
  std::unique_ptr<TCraftLog> log_;
  // The engine asks ShowCraftLog before each attempt line: true means the
  // next line is one, which a screen reader is not told of.
  mutable bool attempt_line_next_ = false;
  engine::TRandomSource random_;
};
