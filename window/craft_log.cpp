#include "window/craft_log.h"

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

// Sets *flag for the lifetime of the guard.
class FlagGuard {
 public:
  explicit FlagGuard(bool& flag) : flag_(flag) { flag_ = true; }
  ~FlagGuard() { flag_ = false; }
  FlagGuard(const FlagGuard&) = delete;
  FlagGuard& operator=(const FlagGuard&) = delete;

 private:
  bool& flag_;
};

}  // namespace

TCraftLog::TCraftLog(QPlainTextEdit* edit) : edit_(edit) {}

TCraftLog::~TCraftLog() { QObject::disconnect(watch_); }

void TCraftLog::Watch(QTextDocument* document) const {
  QObject::disconnect(watch_);
  watched_ = document;
  cache_valid_ = false;
  // Any change that is not our own insertion (the user typing, undo, a
  // replaced text) makes the cached size stale.
  watch_ =
      QObject::connect(document, &QTextDocument::contentsChange, document, [this](int, int, int) {
        if (!inserting_) cache_valid_ = false;
      });
}

TCraftLog::State TCraftLog::WidgetState() const {
  QTextDocument* document = edit_->document();
  if (document != watched_) Watch(document);
  if (!cache_valid_) {
    // characterCount() holds one final paragraph separator that is no text;
    // every other block ends in one separator, a line break. Shift+Enter
    // puts a line separator inside a block: a line break too.
    const int characters = document->characterCount() - 1;
    const int line_separators =
        characters == 0 ? 0 : static_cast<int>(document->toRawText().count(QChar::LineSeparator));
    cache_.size = characters + (document->blockCount() - 1) + line_separators;
    cache_.at_line_start = characters == 0 || IsLineBreak(document->characterAt(characters - 1));
    cache_valid_ = true;
  }
  return cache_;
}

int TCraftLog::Size() const {
  if (batch_depth_ > 0) return batch_state_.size;
  return WidgetState().size;
}

void TCraftLog::InsertAtEnd(const QString& piece, bool scroll) {
  QTextCursor cursor(edit_->document());
  cursor.movePosition(QTextCursor::End);
  {
    FlagGuard guard(inserting_);
    cursor.insertText(piece);
  }
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
  if (cache_valid_) {
    cache_.size += static_cast<int>(size);
    cache_.at_line_start = IsLineBreak(piece.back());
  }
  // 5. The caret stands right behind the whole piece, or the widget did not
  // take all of it (a block limit set on the widget, for example).
  if (edit_->textCursor().position() != end + piece.size()) {
    cache_valid_ = false;
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
  if (!pending_.isEmpty()) {
    const bool unchanged = cache_valid_;  // nothing but us edited the log meanwhile
    InsertAtEnd(pending_, true);
    if (unchanged) cache_ = batch_state_;
  } else if (batch_touched_) {
    // A run whose first line did not fit: the caret still goes to the end.
    QTextCursor cursor = edit_->textCursor();
    cursor.movePosition(QTextCursor::End);
    edit_->setTextCursor(cursor);
    edit_->ensureCursorVisible();
  }
  pending_ = QString();
}

TCraftLog::Batch::Batch(TCraftLog& log) : log_(log) { log_.BeginBatch(); }

TCraftLog::Batch::~Batch() { log_.EndBatch(); }
