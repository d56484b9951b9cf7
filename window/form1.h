// The main window: every control of the designed layout.
#pragma once

#include <QWidget>

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(QWidget* parent = nullptr);

 private:
  void BuildControls();
  void FitClientToControls();
  void SetKeyboardOrder();
  void LoadInstructionLines();
  template <class Control>
  Control* Find(const QString& name) const;
};
