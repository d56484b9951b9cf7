#include "random_source.h"

#include <chrono>
#include <utility>

namespace engine {

std::uint32_t SystemMillisecondsOfDay() {
  using namespace std::chrono;
  constexpr std::int64_t kMillisecondsPerDay = std::int64_t{24} * 60 * 60 * 1000;
  // system_clock counts Unix time, whose days are exactly 86400 s of UTC.
  const std::int64_t ms =
      duration_cast<milliseconds>(system_clock::now().time_since_epoch()).count();
  return static_cast<std::uint32_t>(((ms % kMillisecondsPerDay) + kMillisecondsPerDay) %
                                    kMillisecondsPerDay);
}

TRandomSource::TRandomSource(Clock clock) : clock_(std::move(clock)) {}

void TRandomSource::Randomize() { seed_ = clock_(); }

std::uint32_t TRandomSource::Draw(std::uint32_t range) {
  seed_ = seed_ * 134775813u + 1u;  // modulo 2^32
  return static_cast<std::uint32_t>((std::uint64_t{seed_} * range) >> 32);
}

std::uint32_t TRandomSource::Seed() const { return seed_; }

}  // namespace engine
