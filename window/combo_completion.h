// Completes what is typed into an editable drop-down list from its items:
// the typed character joins the text before the selection (or the whole
// text), and the first item beginning with that, ignoring case, supplies
// the rest, selected. Backspace also forgets the list's selected entry.
#pragma once

#include <QObject>

class QComboBox;

class TComboCompletion : public QObject {
  Q_OBJECT
 public:
  // Watches the combo box's key presses for as long as the box lives.
  explicit TComboCompletion(QComboBox* combo);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool Complete(const QString& typed);
  void Backspace();

  QComboBox* combo_;
};
