// Conversions between field texts and numbers. Texts are byte strings; only
// ASCII spaces, digits, signs, the hex letters and DecimalMark() mean anything,
// so every byte of a multibyte character is simply an invalid character.
//
//   ParseInteger("  42")        -> 42          ParseInteger("42 ")  -> throws
//   ParseInteger("$FFFFFFFF")   -> -1          ParseInteger("0x1F") -> 31
//   ParseReal(" 12.5 ")         -> 12.5        ParseReal("-.")      -> -0.0
//   ParseReal("1e")             -> 1           ParseReal("1e5000")  -> throws
//   FormatReal(0.00001)         -> "1E-5"      FormatReal(1e15)     -> "1E15"
//   FormatReal(0.8933167334412635) -> "0.893316733441264"
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace engine {

// Throws EConvertError "'<text>' is not a valid integer value".
std::int32_t ParseInteger(std::string_view text);

// Throws EConvertError "'<text>' is not a valid floating point value",
// also when the value overflows the extended format.
long double ParseReal(std::string_view text);

std::string FormatInteger(std::int32_t value);

// General format, 15 significant digits, at most 23 characters.
std::string FormatReal(long double value);

}  // namespace engine
