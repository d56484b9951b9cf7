// Multiplication by a power of ten in extended precision, shared by ParseReal
// and FormatReal. Each factor is a correctly rounded table entry and each
// product or quotient is rounded to a 64-bit significand, so the result is
// the same on every x87 and may differ from the exact product in the last bit.
//
//   ScaleByPowerOfTen(15, -1)    -> 1.5 (15 / 10)
//   ScaleByPowerOfTen(1, 4950)   -> 1 * 10^22 * 10^320 * 10^4608
//   ScaleByPowerOfTen(1, -5120)  -> 0
#pragma once

namespace engine {

// n < 5120. For n <= -5120 the result is 0.
long double ScaleByPowerOfTen(long double value, int n);

}  // namespace engine
