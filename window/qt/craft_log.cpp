#include "window/qt/craft_log.h"

#include <QAccessible>
#include <QPlainTextEdit>
#include <QTextCursor>
#include <QTextDocument>

#include "engine/errors.h"

namespace {

// While alive, the text control's own notice of what it inserts is held
// back from the platform's accessibility bridge; every other notice goes on.
class QuietInsertion {
 public:
  explicit QuietInsertion(QObject* control) {
    control_ = control;
    previous_ = QAccessible::installUpdateHandler(Forward);
  }
  ~QuietInsertion() {
    QAccessible::installUpdateHandler(previous_);
    control_ = nullptr;
  }
  QuietInsertion(const QuietInsertion&) = delete;
  QuietInsertion& operator=(const QuietInsertion&) = delete;

 private:
  static void Forward(QAccessibleEvent* event) {
    const QAccessible::Event type = event->type();
    if (event->object() == control_ &&
        (type == QAccessible::TextInserted || type == QAccessible::TextUpdated))
      return;
    QAccessible::installUpdateHandler(previous_);
    QAccessible::updateAccessibility(event);
    QAccessible::installUpdateHandler(Forward);
  }

  static inline QObject* control_ = nullptr;
  static inline QAccessible::UpdateHandler previous_ = nullptr;
};

// The widget keeps a line break as one QChar; the log counts it as two.
int CountedSize(const QString& text) {
  return static_cast<int>(text.size() + text.count(QLatin1Char('\n')));
}

}  // namespace

TCraftLog::TCraftLog(QPlainTextEdit* edit) : edit_(edit) {}

// Read from the widget each time a batch opens: the user may have edited the
// log since the last one.
TLogEnd TCraftLog::WidgetEnd() const {
  // toPlainText gives every paragraph and line separator as "\n".
  const QString text = edit_->toPlainText();
  return TLogEnd{static_cast<std::size_t>(CountedSize(text)),
                 text.isEmpty() || text.back() == u'\n'};
}

int TCraftLog::Size() const {
  if (lines_) return static_cast<int>(lines_->End().size);
  return static_cast<int>(WidgetEnd().size);
}

void TCraftLog::AppendLogLine(const std::string& utf8_text, bool quiet) {
  Batch line(*this);
  // Step 3 comes before the capacity is known: the caret goes to the end
  // even when the line is refused.
  batch_touched_ = true;
  lines_->Append(QString::fromUtf8(utf8_text.data(), static_cast<qsizetype>(utf8_text.size()))
                     .toStdU16String());
  if (quiet) spoken_from_ = lines_->Pending().size();
  line.Commit();
}

void TCraftLog::ClearLog() {
  if (lines_) lines_.emplace(TLogEnd{});
  edit_->setUpdatesEnabled(false);
  edit_->clear();
  edit_->setUpdatesEnabled(true);  // resumes drawing and schedules one repaint
}

bool TCraftLog::Flush() {
  const TLogLines lines = std::move(*lines_);
  lines_.reset();
  if (!batch_touched_) return true;
  const auto widget_text = [](std::u16string_view pending) {
    QString text = QString::fromStdU16String(std::u16string(pending));
    return text.replace(QStringLiteral("\r\n"),
                        QStringLiteral("\n"));  // "\n" becomes a block break
  };
  const QString piece = widget_text(lines.Pending());
  const QString spoken = widget_text(std::u16string_view(lines.Pending()).substr(spoken_from_));
  // 1.-3. An empty selection at the very end, wherever the user left it.
  QTextCursor cursor(edit_->document());
  cursor.movePosition(QTextCursor::End);
  const int end = cursor.position();
  // 4. Replace it with the pieces.
  if (!piece.isEmpty()) {
    const QuietInsertion quiet(edit_);
    cursor.insertText(piece);
  }
  if (!spoken.isEmpty()) {
    QAccessibleTextInsertEvent inserted(edit_, end + static_cast<int>(piece.size() - spoken.size()),
                                        spoken);
    QAccessible::updateAccessibility(&inserted);
  }
  edit_->setTextCursor(cursor);
  edit_->ensureCursorVisible();
  // 5. The caret stands right behind the whole text, or the widget did not
  // take all of it (a block limit set on the widget, for example).
  return edit_->textCursor().position() == end + piece.size();
}

TCraftLog::Batch::Batch(TCraftLog& log) : log_(log) {
  if (log_.batch_depth_++ > 0) return;
  log_.lines_.emplace(log_.WidgetEnd(), kLogCapacity);
  log_.spoken_from_ = 0;
  log_.batch_touched_ = false;
}

void TCraftLog::Batch::Commit() {
  done_ = true;
  if (--log_.batch_depth_ > 0) return;
  if (!log_.Flush()) throw engine::EOutOfResources(kLogInsertError);
}

TCraftLog::Batch::~Batch() {
  if (done_) return;
  if (--log_.batch_depth_ > 0) return;
  log_.Flush();
}
