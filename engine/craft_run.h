// The working state of one trial run; it lives only during RunTrials.
#pragma once

#include <array>
#include <cstdint>

#include "craft_sheet.h"

namespace engine {

struct TCraftRun {
  std::array<std::int32_t, kMaterialRows> required{};  // per craft, never changed by the run
  std::array<std::int32_t, kMaterialRows> stock{};     // changed by every attempt
  double RateTenths = 0;                               // per mille, 1.0 .. 1000.0
  std::int32_t successes = 0;
  std::int32_t failures = 0;
};

// Quantities wrap modulo 2^32 like the 32-bit registers they model; unsigned
// arithmetic keeps that defined in C++.
inline std::int32_t WrappingSub(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b));
}
inline std::int32_t WrappingMul(std::int32_t a, std::int32_t b) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(a) * static_cast<std::uint32_t>(b));
}

}  // namespace engine
