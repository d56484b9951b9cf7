// Enter without Shift, Ctrl or Alt clicks the focused push button. No button
// is a default button: Enter anywhere else clicks nothing.
#pragma once

#include <QObject>

class QAbstractButton;

class TEnterClick : public QObject {
  Q_OBJECT
 public:
  // Watches the button for as long as it lives.
  explicit TEnterClick(QAbstractButton* button);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAbstractButton* button_;
};
