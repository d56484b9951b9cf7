// What a screen reader learns of an editable drop-down list. On Linux Qt
// announces such a box by its current text ("1", "0"), so six boxes sound
// alike; this interface gives the box its own accessible name and keeps the
// text as its value.
#pragma once

#include <QAccessibleWidget>

class QComboBox;

class TAccessibleComboBox : public QAccessibleWidget {
 public:
  explicit TAccessibleComboBox(QComboBox* combo);

  int childCount() const override;
  QAccessibleInterface* child(int index) const override;
  int indexOfChild(const QAccessibleInterface* child) const override;
  QAccessibleInterface* childAt(int x, int y) const override;
  QAccessibleInterface* focusChild() const override;
  QString text(QAccessible::Text t) const override;
  QStringList actionNames() const override;
  void doAction(const QString& action_name) override;

  // Makes every QComboBox created from now on use this interface; once is
  // enough, later calls do nothing.
  static void Install();

 private:
  QComboBox* Combo() const;
};
