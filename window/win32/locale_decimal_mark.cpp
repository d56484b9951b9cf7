#include "window/win32/locale_decimal_mark.h"

#include <windows.h>

#include "engine/decimal_mark.h"

void LoadLocaleDecimalMark() {
  char mark[2] = {};
  // A separator of two or more characters does not fit: the call fails.
  const int copied = GetLocaleInfoA(GetThreadLocale(), LOCALE_SDECIMAL, mark, sizeof mark);
  engine::SetDecimalMark(copied == 2 ? mark[0] : '.');
}

void ReloadLocaleDecimalMark() {
  SetThreadLocale(LOCALE_USER_DEFAULT);
  LoadLocaleDecimalMark();
}
