#include "window/qt/numeric_key_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QStringList>
#include <algorithm>
#include <optional>

#include "engine/decimal_mark.h"
#include "window/numeric_key_rule.h"

namespace {

// The control character that Ctrl with this key types (as the Windows
// keyboard translation makes it), or none when Ctrl with it types nothing.
std::optional<char16_t> ControlCharacter(int key) {
  if (key >= Qt::Key_A && key <= Qt::Key_Z) return static_cast<char16_t>(key - Qt::Key_A + 1);
  switch (key) {
    case Qt::Key_At:
      return 0;
    case Qt::Key_BracketLeft:
      return 27;
    case Qt::Key_Backslash:
      return 28;
    case Qt::Key_BracketRight:
      return 29;
    case Qt::Key_AsciiCircum:
      return 30;
    case Qt::Key_Underscore:
      return 31;
    case Qt::Key_Space:
      return 32;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return 10;
    case Qt::Key_Backspace:
      return 127;
    default:
      return std::nullopt;
  }
}

}  // namespace

bool TNumericKeyFilter::Accepts(QChar typed) {
  return NumericFieldAccepts(typed.unicode(), engine::DecimalMark());
}

TNumericKeyFilter::Verdict TNumericKeyFilter::Judge(const QKeyEvent& key) {
  const int code = key.key();
  // Tab and Shift+Tab move the focus; they never reach the filter.
  if (code == Qt::Key_Tab || code == Qt::Key_Backtab) return Verdict::kPass;

  const Qt::KeyboardModifiers modifiers = key.modifiers();
  if ((modifiers & Qt::ControlModifier) && !(modifiers & (Qt::AltModifier | Qt::MetaModifier))) {
    // Qt acts on Ctrl+letter as a key (select all, copy, paste, undo...),
    // so the filter judges the control character that the keystroke types.
    const std::optional<char16_t> typed = ControlCharacter(code);
    if (!typed) return Verdict::kPass;  // types nothing: Ctrl+Insert, Ctrl+arrows...
    if (*typed == 8) return Verdict::kBackspace;
    return Accepts(QChar(*typed)) ? Verdict::kPass : Verdict::kDiscard;
  }

  // Delete types nothing (X11 reports it with the text "\x7f").
  if (code == Qt::Key_Delete) return Verdict::kPass;
  const QString text = key.text();
  for (const QChar c : text) {
    if (!Accepts(c)) return Verdict::kDiscard;
  }
  return Verdict::kPass;  // no text (arrows, Home, Shift+Insert...) or all accepted
}

// The commit is split where it holds a backspace: the accepted characters
// before it are committed, then the field gets a Backspace key as if typed.
// The replacement range goes with the first piece and the preedit, which
// is not committed text, with the last.
bool TNumericKeyFilter::FilterCommit(QObject* field, QInputMethodEvent& commit) {
  const QString& committed = commit.commitString();
  const bool all_accepted = std::all_of(committed.begin(), committed.end(),
                                        [](QChar c) { return c != u'\b' && Accepts(c); });
  if (all_accepted) return false;

  QStringList pieces{QString()};
  for (const QChar c : committed) {
    if (c == u'\b')
      pieces << QString();
    else if (Accepts(c))
      pieces.back() += c;
  }
  for (qsizetype index = 0; index < pieces.size(); ++index) {
    const bool last = index + 1 == pieces.size();
    QInputMethodEvent piece(last ? commit.preeditString() : QString(),
                            last ? commit.attributes() : QList<QInputMethodEvent::Attribute>());
    if (index == 0)
      piece.setCommitString(pieces[index], commit.replacementStart(), commit.replacementLength());
    else
      piece.setCommitString(pieces[index]);
    QCoreApplication::sendEvent(field, &piece);
    if (last) break;
    QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier, QStringLiteral("\b"));
    QCoreApplication::sendEvent(field, &backspace);
  }
  return true;
}

bool TNumericKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::InputMethod:
      return FilterCommit(watched, *static_cast<QInputMethodEvent*>(event));
    case QEvent::ShortcutOverride: {
      auto* key = static_cast<QKeyEvent*>(event);
      // Alt and Meta combinations type no character (they are menu keys and
      // mnemonics); leave their shortcuts alone.
      if (key->modifiers() & (Qt::AltModifier | Qt::MetaModifier)) return false;
      if (Judge(*key) == Verdict::kPass) return false;
      // A typed character the filter handles: no shortcut may take it.
      key->accept();
      return true;
    }
    case QEvent::KeyPress: {
      auto* key = static_cast<QKeyEvent*>(event);
      switch (Judge(*key)) {
        case Verdict::kPass:
          return false;
        case Verdict::kDiscard:
          key->accept();
          return true;
        case Verdict::kBackspace: {
          // Ctrl+H types backspace, which QLineEdit does not know as such:
          // hand the field a plain Backspace.
          QKeyEvent backspace(QEvent::KeyPress, Qt::Key_Backspace, Qt::NoModifier,
                              QStringLiteral("\b"), key->isAutoRepeat());
          QCoreApplication::sendEvent(watched, &backspace);
          key->accept();
          return true;
        }
      }
      return false;
    }
    default:
      return false;
  }
}
