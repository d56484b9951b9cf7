// Any ten bytes as an x87 extended value, unnormals and pseudo-NaNs
// included: FormatReal never fails, never exceeds 23 characters, and a
// finite normal value reads back close to itself.
#include <cstdint>
#include <cstring>

#include "engine/engine.h"
#include "engine/extended.h"
#include "round_trip.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size < 11) return 0;
  std::uint64_t significand = 0;
  std::uint16_t sign_exponent = 0;
  std::memcpy(&significand, data, sizeof significand);
  std::memcpy(&sign_exponent, data + 8, sizeof sign_exponent);
  engine::SetDecimalMark(data[10] & 1 ? ',' : '.');
  CheckRoundTrip(engine::Extended::FromBits(significand, sign_exponent));
  return 0;
}
