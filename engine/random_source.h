// The linear congruential generator that decides every attempt.
#pragma once

#include <cstdint>
#include <functional>

namespace engine {

// Milliseconds since midnight UTC, from the system clock.
std::uint32_t SystemMillisecondsOfDay();

class TRandomSource {
 public:
  using Clock = std::function<std::uint32_t()>;  // milliseconds since midnight UTC
  explicit TRandomSource(Clock clock = SystemMillisecondsOfDay);

  void Randomize();  // seed from the clock
  // Advances the state, then returns the upper half of seed * range: 0 .. range-1.
  std::uint32_t Draw(std::uint32_t range);
  std::uint32_t Seed() const;

 private:
  Clock clock_;
  std::uint32_t seed_ = 0;
};

}  // namespace engine
