#pragma once

#include <cmath>
#include <cstdlib>
#include <string>

#include "engine/engine.h"
#include "engine/extended.h"

// FormatReal's text is at most 23 characters and, for a finite normal value,
// reads back with the same decimal mark within fifteen digits' precision.
inline void CheckRoundTrip(long double value) {
  const std::string text = engine::FormatReal(value);
  if (text.empty() || text.size() > 23) std::abort();
  const engine::Extended bits(value);
  const bool normal = bits.BiasedExponent() != 0 && !bits.IsInfinity() && !bits.IsNanOrInvalid();
  if (!normal) return;
  const long double back = engine::ParseReal(text);
  if (!(std::fabs((back - value) / value) <= 1e-14L)) std::abort();
}
