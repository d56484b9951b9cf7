#include "window/log_lines.h"

#include "engine/errors.h"

namespace {

constexpr std::u16string_view kLineBreak = u"\r\n";

// The line with every CR LF, lone CR and lone LF as CR LF, which is what the
// log would make of them and how its capacity counts them.
std::u16string LogText(std::u16string_view text) {
  std::u16string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char16_t c = text[i];
    if (c == u'\r' || c == u'\n') {
      out += kLineBreak;
      if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n') ++i;
    } else {
      out += c;
    }
  }
  return out;
}

}  // namespace

TLogLines::TLogLines(TLogEnd start, std::size_t capacity)
    : start_(start), end_(start), capacity_(capacity) {}

void TLogLines::Append(std::u16string_view text) {
  const std::u16string line = LogText(text);
  const std::size_t size = line.size() + kLineBreak.size();
  // Written as a subtraction so that a log already past the capacity (a
  // control that took more than it should) refuses every line.
  if (end_.size > capacity_ || size > capacity_ - end_.size) {
    throw engine::EOutOfResources(kLogInsertError);
  }
  if (end_.at_line_start) {
    pending_ += line;
    pending_ += kLineBreak;
  } else {
    pending_ += kLineBreak;
    pending_ += line;
  }
  end_.size += size;
  end_.at_line_start = std::u16string_view(pending_).ends_with(kLineBreak);
}
