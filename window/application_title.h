// The application title, from the executable's path: the file name after
// the last separator, cut at its first ".", every character after the
// first lower-cased by the platform's own rule. Paths are UTF-16, as both
// platforms give them; in UTF-16 a trail byte 0x5C of a code page 932
// character is never a backslash, so that rule holds by itself.
//
//   ApplicationTitle(u"C:\\bin\\CALC.EXE", u'\\', lower) -> u"Calc"
//   ApplicationTitle(u"MY.TOOL.EXE", u'\\', lower)       -> u"My"
#pragma once

#include <string>
#include <string_view>

using LowerCase = std::u16string (*)(std::u16string_view text);

std::u16string ApplicationTitle(std::u16string_view path, char16_t separator, LowerCase lower);
