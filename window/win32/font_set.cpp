#include "window/win32/font_set.h"

#include "window/control_table.h"
#include "window/win32/wide_text.h"

TFontSet::~TFontSet() {
  for (const auto& [key, font] : fonts_) DeleteObject(font);
}

HFONT TFontSet::Font(int pixels, bool bold) {
  const auto key = std::make_pair(pixels, bold);
  if (const auto found = fonts_.find(key); found != fonts_.end()) return found->second;
  // A negative height asks for the character height, as the layout counts it.
  const HFONT font =
      CreateFontW(-pixels, 0, 0, 0, bold ? FW_BOLD : FW_NORMAL, FALSE, FALSE, FALSE,
                  SHIFTJIS_CHARSET, OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY,
                  DEFAULT_PITCH | FF_DONTCARE, WideFromUtf8(kDesignedFontFamily).c_str());
  fonts_.emplace(key, font);
  return font;
}
