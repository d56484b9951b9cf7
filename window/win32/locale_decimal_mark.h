// The decimal mark from the user's regional settings, read the way the
// platform offers it to a program of code page 932: GetLocaleInfoA with a
// buffer for one character and its terminator.
#pragma once

// Sets engine::DecimalMark() from the thread locale's LOCALE_SDECIMAL; "."
// when the setting cannot be read or is longer than one character.
void LoadLocaleDecimalMark();

// After a settings change: the thread takes the user's default locale
// again, then the mark is read anew.
void ReloadLocaleDecimalMark();
