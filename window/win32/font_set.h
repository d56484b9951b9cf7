// The fonts of Form1: the designed face at the window's character height,
// regular or bold, and the few sizes that single controls ask for. Each is
// made once and lives as long as the form.
#pragma once

#include <windows.h>

#include <map>
#include <utility>

class TFontSet {
 public:
  TFontSet() = default;
  ~TFontSet();
  TFontSet(const TFontSet&) = delete;
  TFontSet& operator=(const TFontSet&) = delete;

  // "ＭＳ Ｐゴシック" in the Shift_JIS character set, `pixels` the
  // character height (not the cell height), regular or bold.
  HFONT Font(int pixels, bool bold);

 private:
  std::map<std::pair<int, bool>, HFONT> fonts_;
};
