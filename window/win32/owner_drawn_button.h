// A push button whose caption has a colour of its own (Button1's red): the
// platform's button draws captions in the system colour only, so the form
// draws this one (BS_OWNERDRAW) with the classic push-button face.
#pragma once

#include <windows.h>

void DrawPushButton(const DRAWITEMSTRUCT& item, HFONT font, COLORREF text_colour);
