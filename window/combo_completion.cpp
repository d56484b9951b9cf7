#include "window/combo_completion.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

TComboCompletion::TComboCompletion(QComboBox* combo) : QObject(combo), combo_(combo) {
  // The box, not its line edit, has the focus and receives the keys.
  combo->installEventFilter(this);
}

bool TComboCompletion::eventFilter(QObject*, QEvent* event) {
  if (event->type() != QEvent::KeyPress) return false;
  const auto* key = static_cast<QKeyEvent*>(event);
  const QString typed = key->text();
  if (typed == QStringLiteral("\b")) {
    Backspace();
    return true;
  }
  // Shortcuts type nothing; tab and escape are left to the box.
  if (typed.isEmpty() || typed == QStringLiteral("\t") || typed == QStringLiteral("\x1b") ||
      key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
    return false;
  return Complete(typed);
}

bool TComboCompletion::Complete(const QString& typed) {
  QLineEdit* edit = combo_->lineEdit();
  const QString text = edit->text();
  const QString candidate =
      (edit->hasSelectedText() ? text.left(edit->selectionStart()) : text) + typed;
  for (int index = 0; index < combo_->count(); ++index) {
    const QString item = combo_->itemText(index);
    if (!item.startsWith(candidate, Qt::CaseInsensitive)) continue;
    combo_->setCurrentIndex(index);
    edit->setText(candidate + item.mid(candidate.size()));
    // List items are a few characters long.
    edit->setSelection(static_cast<int>(candidate.size()),
                       static_cast<int>(item.size() - candidate.size()));
    return true;
  }
  return false;  // a miss: the character is typed as usual
}

void TComboCompletion::Backspace() {
  QLineEdit* edit = combo_->lineEdit();
  const QString text = edit->text();
  const int selection_start = edit->selectionStart();
  const int selection_length = static_cast<int>(edit->selectedText().size());
  const int caret = edit->cursorPosition();
  // Clearing the selected entry empties the line edit; put the text back.
  combo_->setCurrentIndex(-1);
  edit->setText(text);
  if (selection_length > 0)
    edit->setSelection(selection_start, selection_length);
  else
    edit->setCursorPosition(caret);
  edit->backspace();
}
