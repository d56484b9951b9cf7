#include "window/win32/craft_log.h"

#include <richedit.h>

#include "engine/errors.h"
#include "window/win32/wide_text.h"

TCraftLog::TCraftLog(HWND edit) : edit_(edit) { SendMessageW(edit_, EM_EXLIMITTEXT, 0, 0); }

// The end from the last line: where it starts plus its length, in the
// control's own positions (a line break counts two). The text is empty or
// ends with a line break exactly when that last line is empty. Read each
// time a batch opens: the user may have edited the log since the last one.
TLogEnd TCraftLog::ControlEnd() const {
  const LRESULT lines = SendMessageW(edit_, EM_GETLINECOUNT, 0, 0);
  const LRESULT start = SendMessageW(edit_, EM_LINEINDEX, lines > 0 ? lines - 1 : 0, 0);
  const LRESULT length = SendMessageW(edit_, EM_LINELENGTH, start, 0);
  return TLogEnd{static_cast<std::size_t>(start + length), length == 0};
}

// Wine's Rich Edit reports the limit but does not hold to it (EM_REPLACESEL
// takes more and raises it), so the lines are measured against it before
// they go in, and the caret is checked after as well.
std::size_t TCraftLog::ControlCapacity() const {
  return static_cast<std::size_t>(SendMessageW(edit_, EM_GETLIMITTEXT, 0, 0));
}

void TCraftLog::AppendLogLine(const std::string& utf8_text) {
  Batch line(*this);
  // The caret goes to the end even when the line is refused.
  batch_touched_ = true;
  lines_->Append(U16FromWide(WideFromUtf8(utf8_text)));
  line.Commit();
}

void TCraftLog::ClearLog() {
  if (lines_) lines_.emplace(TLogEnd{}, ControlCapacity());
  SendMessageW(edit_, WM_SETREDRAW, FALSE, 0);
  // Wine's Rich Edit needs seconds to delete a full log in one piece (the
  // cost grows faster than the text), so the text goes from the end, a
  // block of lines at a time; the last step empties whatever is left.
  constexpr LRESULT kLinesPerStep = 256;
  for (LRESULT lines = SendMessageW(edit_, EM_GETLINECOUNT, 0, 0); lines > kLinesPerStep;) {
    const LRESULT from = SendMessageW(edit_, EM_LINEINDEX, lines - kLinesPerStep, 0);
    CHARRANGE rest{static_cast<LONG>(from), -1};
    SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&rest));
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(L""));
    const LRESULT left = SendMessageW(edit_, EM_GETLINECOUNT, 0, 0);
    if (left >= lines) break;  // nothing went: the last step takes the rest
    lines = left;
  }
  SetWindowTextW(edit_, L"");
  SendMessageW(edit_, WM_SETREDRAW, TRUE, 0);
  InvalidateRect(edit_, nullptr, TRUE);
}

bool TCraftLog::Flush() {
  const TLogLines lines = std::move(*lines_);
  lines_.reset();
  if (!batch_touched_) return true;
  const std::wstring piece = WideFromU16(lines.Pending());
  // 1.-3. An empty selection at the end found when the batch opened:
  // nothing else touched the log since.
  const auto end = static_cast<LONG>(lines.Start().size);
  CHARRANGE at_end{end, end};
  SendMessageW(edit_, EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&at_end));
  // 4. Replace it with the pieces.
  if (!piece.empty())
    SendMessageW(edit_, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(piece.c_str()));
  // 5. The caret stands right behind the whole piece, or the control did
  // not take all of it.
  CHARRANGE caret{};
  SendMessageW(edit_, EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&caret));
  return caret.cpMin == caret.cpMax &&
         static_cast<std::size_t>(caret.cpMax) == lines.Start().size + piece.size();
}

TCraftLog::Batch::Batch(TCraftLog& log) : log_(log) {
  if (log_.batch_depth_++ > 0) return;
  log_.lines_.emplace(log_.ControlEnd(), log_.ControlCapacity());
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
