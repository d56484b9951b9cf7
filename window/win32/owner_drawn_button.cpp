#include "window/win32/owner_drawn_button.h"

#include <string>

#include "window/win32/wide_text.h"

void DrawPushButton(const DRAWITEMSTRUCT& item, HFONT font, COLORREF text_colour) {
  const bool pushed = (item.itemState & ODS_SELECTED) != 0;
  RECT face = item.rcItem;
  DrawFrameControl(item.hDC, &face, DFC_BUTTON, DFCS_BUTTONPUSH | (pushed ? DFCS_PUSHED : 0));

  RECT caption = item.rcItem;
  // A pushed face moves its caption one pixel down and to the right.
  if (pushed) OffsetRect(&caption, 1, 1);
  const std::wstring text = WindowText(item.hwndItem);
  const HGDIOBJ previous_font = SelectObject(item.hDC, font);
  SetBkMode(item.hDC, TRANSPARENT);
  SetTextColor(item.hDC,
               (item.itemState & ODS_DISABLED) ? GetSysColor(COLOR_GRAYTEXT) : text_colour);
  DrawTextW(item.hDC, text.c_str(), static_cast<int>(text.size()), &caption,
            DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  SelectObject(item.hDC, previous_font);

  if (item.itemState & ODS_FOCUS) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    DrawFocusRect(item.hDC, &focus);
  }
}
