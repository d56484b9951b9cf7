#include "window/qt/combo_completion.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <vector>

#include "window/combo_completion_rule.h"

namespace {

TComboText ReadField(const QLineEdit& edit) {
  const bool selected = edit.hasSelectedText();
  return {edit.text().toStdU16String(),
          static_cast<std::size_t>(selected ? edit.selectionStart() : edit.cursorPosition()),
          static_cast<std::size_t>(selected ? edit.selectedText().size() : 0)};
}

void WriteField(QLineEdit& edit, const TComboText& field) {
  edit.setText(QString::fromStdU16String(field.text));
  // Field texts of a drop-down list are short; int is the widget's own type.
  const int start = static_cast<int>(field.selection_start);
  if (field.selection_length > 0)
    edit.setSelection(start, static_cast<int>(field.selection_length));
  else
    edit.setCursorPosition(start);
}

}  // namespace

TComboCompletion::TComboCompletion(QComboBox* combo) : QObject(combo), combo_(combo) {
  // The box, not its line edit, has the focus and receives the keys.
  combo->installEventFilter(this);
}

bool TComboCompletion::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::InputMethod) {
    const auto* commit = static_cast<QInputMethodEvent*>(event);
    if (commit->commitString().isEmpty()) return false;  // composing: the preedit is no text yet
    Commit(*commit);
    return true;
  }
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
  std::vector<std::u16string> items;
  items.reserve(static_cast<std::size_t>(combo_->count()));
  for (int index = 0; index < combo_->count(); ++index)
    items.push_back(combo_->itemText(index).toStdU16String());
  const std::optional<TCompletion> hit =
      CompleteTyped(ReadField(*combo_->lineEdit()), typed.toStdU16String(), items);
  if (!hit) return false;  // a miss: the character is typed as usual
  combo_->setCurrentIndex(static_cast<int>(hit->item));
  WriteField(*combo_->lineEdit(), hit->field);
  return true;
}

// First the replaced range goes and the preedit ends, then each committed
// character (a surrogate pair whole) is looked up as if typed, a miss typed
// at the caret; a new preedit, if the input method sent one, comes last.
void TComboCompletion::Commit(const QInputMethodEvent& commit) {
  QLineEdit* edit = combo_->lineEdit();
  QInputMethodEvent replace;
  replace.setCommitString(QString(), commit.replacementStart(), commit.replacementLength());
  QCoreApplication::sendEvent(edit, &replace);

  const QString& committed = commit.commitString();
  for (qsizetype index = 0; index < committed.size(); ++index) {
    const qsizetype length =
        committed[index].isHighSurrogate() && index + 1 < committed.size() ? 2 : 1;
    const QString typed = committed.mid(index, length);
    index += length - 1;
    if (!Complete(typed)) edit->insert(typed);
  }

  if (commit.preeditString().isEmpty()) return;
  QInputMethodEvent preedit(commit.preeditString(), commit.attributes());
  QCoreApplication::sendEvent(edit, &preedit);
}

void TComboCompletion::Backspace() {
  const TComboText after = AfterBackspace(ReadField(*combo_->lineEdit()));
  // Clearing the selected entry empties the line edit; the text comes back below.
  combo_->setCurrentIndex(-1);
  WriteField(*combo_->lineEdit(), after);
}
