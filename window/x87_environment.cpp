#include "window/x87_environment.h"

std::uint16_t X87ControlWord() {
  std::uint16_t control_word = 0;
  asm volatile("fnstcw %0" : "=m"(control_word));
  return control_word;
}

bool EstablishEngineArithmetic() {
  const std::uint16_t before = X87ControlWord();
  if (IsEngineArithmetic(before)) return false;
  std::uint16_t wanted = static_cast<std::uint16_t>(
      (before & ~(kX87PrecisionMask | kX87RoundingMask)) | kX87Precision64 | kX87RoundToNearest);
  asm volatile("fldcw %0" : : "m"(wanted));
  return true;
}
