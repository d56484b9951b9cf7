// Completes what is typed into an editable drop-down list from its items, by
// the rule of window/combo_completion_rule.h: key presses are read into the
// rule and its result written back into the box.
#pragma once

#include <QObject>

class QComboBox;
class QInputMethodEvent;

class TComboCompletion : public QObject {
  Q_OBJECT
 public:
  // Watches the combo box's key presses for as long as the box lives.
  explicit TComboCompletion(QComboBox* combo);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Complete(const QString& typed);
  void Commit(const QInputMethodEvent& commit);
  void Backspace();

  QComboBox* combo_;
};
