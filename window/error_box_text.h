// What the error box says: the message with its full stop, and what of a
// very long message can be shown. Texts are UTF-16, as both platforms'
// message boxes take them.
//
//   ErrorBoxText(u"Floating point overflow") -> u"Floating point overflow."
//   ErrorBoxText(u"Done.") -> u"Done."       ErrorBoxText(u"a,") -> u"a,"
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// The message with "." appended when its last character sorts after "."
// (every non-ASCII character does); an empty message stays empty.
std::u16string ErrorBoxText(std::u16string_view message);

// A message naming a pasted megabyte would take seconds to lay out and could
// never be read, so a text longer than kShownCharacters keeps its beginning
// and its end around a "…", never splitting a surrogate pair.
inline constexpr std::size_t kShownCharacters = 1000;
std::u16string ShownText(std::u16string_view text);
