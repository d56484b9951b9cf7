// A run's log lines on their way into the log, counted as the log counts
// them: the piece AppendLogLine adds for each line, and whether the log
// still has room for it. Both editions collect lines here and hand them to
// their text control in one insertion; a single append is a collection of
// one line.
//
//   TLogLines lines(TLogEnd{4, false});  // the log holds "abcd"
//   lines.Append(u"x");                  // Pending() == u"\r\nx"
//   lines.Append(u"y");                  // Pending() == u"\r\nx\r\ny"
//   lines.End()                          // {4 + 6, false}
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The Rich Edit control's default limit, in characters, a line break
// counting two (CR LF).
inline constexpr std::size_t kLogCapacity = 65536;

// What the log says when a line does not fit.
inline constexpr char kLogInsertError[] = "RichEdit での行の挿入エラー";

// The end of the log's text: its size as the capacity counts it, and
// whether the text is empty or ends with a line break.
struct TLogEnd {
  std::size_t size = 0;
  bool at_line_start = true;
  friend bool operator==(const TLogEnd&, const TLogEnd&) = default;
};

class TLogLines {
 public:
  explicit TLogLines(TLogEnd start, std::size_t capacity = kLogCapacity);

  // Collects one line: the text then a line break when the log stands at a
  // line start, else a line break then the text. CR, LF and CR LF inside
  // the text become the log's CR LF. Throws engine::EOutOfResources with
  // kLogInsertError, collecting nothing, when the piece would take the log
  // past its capacity.
  void Append(std::u16string_view text);

  // Every piece collected so far, line breaks as CR LF.
  const std::u16string& Pending() const { return pending_; }
  // The log's end before the pieces, and once they are in.
  TLogEnd Start() const { return start_; }
  TLogEnd End() const { return end_; }

 private:
  TLogEnd start_;
  TLogEnd end_;
  std::size_t capacity_;
  std::u16string pending_;
};
