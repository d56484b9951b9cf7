#include "window/qt/craft_log.h"

#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include "engine/errors.h"

namespace {

constexpr char kInsertError[] = "RichEdit での行の挿入エラー";

bool IsLineBreak(QChar c) {
  return c == QLatin1Char('\n') || c == QChar::ParagraphSeparator || c == QChar::LineSeparator;
}

// A line's text with any CR LF or lone CR turned into the widget's one-QChar
// line break ("\n" becomes a block separator when inserted).
QString LineText(const std::string& utf8_text) {
  QString text = QString::fromUtf8(utf8_text.data(), static_cast<qsizetype>(utf8_text.size()));
  if (text.contains(QLatin1Char('\r'))) {
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    text.replace(QLatin1Char('\r'), QLatin1Char('\n'));
  }
  return text;
}

// Size as the capacity counts it: every line break is two characters.
qsizetype CountedSize(const QString& text) {
  return text.size() + text.count(QLatin1Char('\n')) + text.count(QChar::LineSeparator);
}

// Step 2 of AppendLogLine: text + line break at the start of a line, else
// line break + text.
QString Piece(const QString& text, bool at_line_start) {
  return at_line_start ? text + QLatin1Char('\n') : QLatin1Char('\n') + text;
}

}  // namespace

TCraftLog::TCraftLog(QPlainTextEdit* edit) : edit_(edit) {}

// Read from the widget each time: the user may have edited the log since the
// last append, and a run asks only once, when its Batch begins.
TCraftLog::State TCraftLog::WidgetState() const {
  // toPlainText gives every paragraph and line separator as "\n".
  const QString text = edit_->toPlainText();
  return State{static_cast<int>(CountedSize(text)), text.isEmpty() || text.back() == u'\n'};
}

int TCraftLog::Size() const {
  if (batch_depth_ > 0) return batch_state_.size;
  return WidgetState().size;
}

void TCraftLog::InsertAtEnd(const QString& piece, bool scroll) {
  QTextCursor cursor(edit_->document());
  cursor.movePosition(QTextCursor::End);
  if (!piece.isEmpty()) cursor.insertText(piece);
  edit_->setTextCursor(cursor);
  if (scroll) edit_->ensureCursorVisible();
}

void TCraftLog::AppendLogLine(const std::string& utf8_text) {
  const QString text = LineText(utf8_text);

  if (batch_depth_ > 0) {
    batch_touched_ = true;
    const QString piece = Piece(text, batch_state_.at_line_start);
    const qsizetype size = CountedSize(piece);
    if (size > kCapacity - batch_state_.size) throw engine::EOutOfResources(kInsertError);
    pending_ += piece;
    batch_state_.size += static_cast<int>(size);
    batch_state_.at_line_start = IsLineBreak(piece.back());
    return;
  }

  // 1. The end of the text, and how it ends.
  const State before = WidgetState();
  // 2. The piece.
  const QString piece = Piece(text, before.at_line_start);
  const qsizetype size = CountedSize(piece);
  // 3. An empty selection at the end, wherever the user left the caret.
  QTextCursor cursor = edit_->textCursor();
  cursor.movePosition(QTextCursor::End);
  edit_->setTextCursor(cursor);
  const int end = cursor.position();
  // A piece that does not fit is not inserted at all.
  if (size > kCapacity - before.size) throw engine::EOutOfResources(kInsertError);
  // 4. Replace the (empty) selection with the piece.
  InsertAtEnd(piece, false);
  // 5. The caret stands right behind the whole piece, or the widget did not
  // take all of it (a block limit set on the widget, for example).
  if (edit_->textCursor().position() != end + piece.size()) {
    throw engine::EOutOfResources(kInsertError);
  }
}

void TCraftLog::ClearLog() {
  pending_.clear();
  batch_state_ = State{};
  edit_->setUpdatesEnabled(false);
  edit_->clear();
  edit_->setUpdatesEnabled(true);  // resumes drawing and schedules one repaint
}

void TCraftLog::BeginBatch() {
  if (batch_depth_++ > 0) return;
  // The widget as the user left it: its size and how it ends.
  batch_state_ = WidgetState();
  pending_.clear();
  batch_touched_ = false;
}

void TCraftLog::EndBatch() noexcept {
  if (--batch_depth_ > 0) return;
  // Once a line was offered the caret goes to the end and the end comes
  // into view, even when not one line fitted.
  if (batch_touched_) InsertAtEnd(pending_, true);
  pending_ = QString();
}

TCraftLog::Batch::Batch(TCraftLog& log) : log_(log) { log_.BeginBatch(); }

TCraftLog::Batch::~Batch() { log_.EndBatch(); }
