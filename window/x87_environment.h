// The x87 settings the engine's arithmetic is written for: a 64-bit
// significand and rounding to nearest. Both platforms start a process that
// way; a library loaded into it (a graphics driver, say) may change them.
#pragma once

#include <cstdint>

// Precision control (bits 8-9) 11 = 64-bit significand; rounding control
// (bits 10-11) 00 = to nearest.
inline constexpr std::uint16_t kX87PrecisionMask = 0x0300;
inline constexpr std::uint16_t kX87Precision64 = 0x0300;
inline constexpr std::uint16_t kX87RoundingMask = 0x0C00;
inline constexpr std::uint16_t kX87RoundToNearest = 0x0000;

constexpr bool IsEngineArithmetic(std::uint16_t control_word) {
  return (control_word & kX87PrecisionMask) == kX87Precision64 &&
         (control_word & kX87RoundingMask) == kX87RoundToNearest;
}

std::uint16_t X87ControlWord();

// Puts precision and rounding back where the engine needs them, the
// exception masks untouched; returns whether anything had to change.
bool EstablishEngineArithmetic();
