// The key filter of the eleven number fields: only backspace, ".", the
// digits (and the current decimal mark) may be typed. Text an input method
// commits is held to the same rule, character by character, so the field
// ends up with what typing those characters would have left.
#pragma once

#include <QObject>

class QInputMethodEvent;
class QKeyEvent;

class TNumericKeyFilter : public QObject {
  Q_OBJECT
 public:
  using QObject::QObject;

  // Whether a typed character may reach the field.
  static bool Accepts(QChar typed);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  enum class Verdict { kPass, kDiscard, kBackspace };
  static Verdict Judge(const QKeyEvent& key);
  // True when the event was replaced by what the rule keeps of it.
  static bool FilterCommit(QObject* field, QInputMethodEvent& commit);
};
