// A view of the bits of an x87 80-bit extended value: 1 sign bit, a 15-bit
// exponent biased by 16383 and a 64-bit significand whose top bit is the
// explicit integer bit.
#pragma once

#include <cfloat>
#include <cstdint>
#include <cstring>

static_assert(LDBL_MANT_DIG == 64, "long double must be the x87 80-bit extended format");

namespace engine {

class Extended {
 public:
  static constexpr int kExponentBias = 16383;
  static constexpr std::uint16_t kMaxBiasedExponent = 0x7FFF;
  static constexpr std::uint64_t kIntegerBit = std::uint64_t{1} << 63;

  explicit Extended(long double value) {
    std::memcpy(&significand_, &value, sizeof significand_);
    std::memcpy(&sign_exponent_, reinterpret_cast<const unsigned char*>(&value) + 8,
                sizeof sign_exponent_);
  }

  // Builds a value from raw bits, whatever they encode (unnormals included).
  static long double FromBits(std::uint64_t significand, std::uint16_t sign_exponent) {
    long double value = 0;
    std::memcpy(&value, &significand, sizeof significand);
    std::memcpy(reinterpret_cast<unsigned char*>(&value) + 8, &sign_exponent, sizeof sign_exponent);
    return value;
  }

  bool Sign() const { return (sign_exponent_ & 0x8000) != 0; }
  std::uint16_t BiasedExponent() const { return sign_exponent_ & kMaxBiasedExponent; }
  std::uint64_t Significand() const { return significand_; }

  bool IsInfinity() const {
    return BiasedExponent() == kMaxBiasedExponent && significand_ == kIntegerBit;
  }
  // NaNs, and the encodings the x87 rejects as invalid operands: pseudo-NaNs,
  // pseudo-infinities and unnormals (integer bit clear, exponent not 0).
  bool IsNanOrInvalid() const {
    if (BiasedExponent() == kMaxBiasedExponent) return !IsInfinity();
    return BiasedExponent() != 0 && (significand_ & kIntegerBit) == 0;
  }
  // For a normal value: e with 2^e <= |x| < 2^(e+1).
  int Exponent() const { return BiasedExponent() - kExponentBias; }

 private:
  std::uint64_t significand_ = 0;
  std::uint16_t sign_exponent_ = 0;
};

}  // namespace engine
