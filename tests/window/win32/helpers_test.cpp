// The Windows edition's pieces that need no window: the title with the
// platform's lower-casing, the clock, the decimal mark from the locale, the
// text conversions at the engine's boundary and the held size.
#include <gtest/gtest.h>

#include <string>

#include "engine/decimal_mark.h"
#include "window/win32/application.h"
#include "window/win32/locale_decimal_mark.h"
#include "window/win32/size_hold.h"
#include "window/win32/system_clock.h"
#include "window/win32/wide_text.h"

namespace {

struct TitleCase {
  const wchar_t* path;
  const wchar_t* title;
};

TEST(Win32ApplicationTitle, FileNameBeforeTheFirstStopFirstCharacterKept) {
  const TitleCase cases[] = {
      {L"C:\\bin\\CALC.EXE", L"Calc"},
      {L"MY.TOOL.EXE", L"My"},
      {L"C:\\Games\\orvanne-calc.exe", L"orvanne-calc"},
      {L"C:\\a.b\\NOSTOP", L"Nostop"},
      // Full-width letters and Greek lower-case by the platform's table.
      {L"C:\\ＯＲＶＡＮＮＥ.exe", L"Ｏｒｖａｎｎｅ"},
      {L"C:\\ΑΒΓ.exe", L"Αβγ"},
      // "ソ" and "表" end in byte 0x5C in code page 932; in UTF-16 that byte
      // is no backslash, so the folder and the name stay whole.
      {L"C:\\ソフト\\表示.exe", L"表示"},
      {L"C:\\dir\\.exe", L""},
  };
  for (const TitleCase& c : cases)
    EXPECT_EQ(ApplicationTitle(c.path), c.title) << Utf8FromWide(c.path);
}

TEST(Win32SystemClock, MillisecondsSinceMidnight) {
  SYSTEMTIME time{};
  EXPECT_EQ(MillisecondsOfDay(time), 0u);
  time.wHour = 23;
  time.wMinute = 59;
  time.wSecond = 59;
  time.wMilliseconds = 999;
  EXPECT_EQ(MillisecondsOfDay(time), 86'399'999u);
  time = {};
  time.wHour = 12;
  time.wMilliseconds = 5;
  EXPECT_EQ(MillisecondsOfDay(time), 43'200'005u);
}

TEST(Win32DecimalMark, ReadFromTheThreadLocaleAndReloadedFromTheUserDefault) {
  ASSERT_TRUE(SetThreadLocale(MAKELCID(MAKELANGID(LANG_GERMAN, SUBLANG_GERMAN), SORT_DEFAULT)));
  LoadLocaleDecimalMark();
  EXPECT_EQ(engine::DecimalMark(), ',');

  ReloadLocaleDecimalMark();
  EXPECT_EQ(GetThreadLocale(), GetUserDefaultLCID());
  char expected[2] = {};
  const bool one_character =
      GetLocaleInfoA(GetUserDefaultLCID(), LOCALE_SDECIMAL, expected, sizeof expected) == 2;
  EXPECT_EQ(engine::DecimalMark(), one_character ? expected[0] : '.');
}

TEST(Win32WideText, Utf8RoundTripsEveryCharacter) {
  const std::string cases[] = {
      "",
      "80.1",
      "材料１～５　　：",
      "\xF0\x9F\x98\x80 beyond the BMP",
      std::string("with\0nul", 8),
  };
  for (const std::string& text : cases) {
    EXPECT_EQ(Utf8FromWide(WideFromUtf8(text)), text);
    EXPECT_EQ(WideFromU16(U16FromWide(WideFromUtf8(text))), WideFromUtf8(text));
  }
  EXPECT_EQ(WideFromUtf8("～"), L"\uFF5E");
  EXPECT_EQ(WideFromUtf8("\xF0\x9F\x98\x80").size(), 2u);
}

TEST(Win32SizeHold, EveryNewSizeIsTheHeldOneThePositionFree) {
  const SIZE held{639, 359};
  WINDOWPOS drag{};
  drag.x = 10;
  drag.y = 20;
  drag.cx = 900;
  drag.cy = 700;
  HoldSize(drag, held);
  EXPECT_EQ(drag.cx, 639);
  EXPECT_EQ(drag.cy, 359);
  EXPECT_EQ(drag.x, 10);
  EXPECT_EQ(drag.y, 20);

  WINDOWPOS move_only{};
  move_only.flags = SWP_NOSIZE;
  move_only.cx = 1;
  HoldSize(move_only, held);
  EXPECT_EQ(move_only.cx, 1);

  MINMAXINFO limits{};
  HoldSize(limits, held);
  for (const POINT& size : {limits.ptMaxSize, limits.ptMinTrackSize, limits.ptMaxTrackSize}) {
    EXPECT_EQ(size.x, 639);
    EXPECT_EQ(size.y, 359);
  }
}

}  // namespace
