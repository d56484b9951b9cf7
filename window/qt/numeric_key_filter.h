// The key filter of the eleven number fields: only backspace, ".", the
// digits (and the current decimal mark) may be typed.
#pragma once

#include <QObject>

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
};
