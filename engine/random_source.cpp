#include "random_source.h"

#include <utility>

namespace engine {

TRandomSource::TRandomSource(Clock clock) : clock_(std::move(clock)) {}

void TRandomSource::Randomize() { seed_ = clock_(); }

std::uint32_t TRandomSource::Draw(std::uint32_t range) {
  seed_ = seed_ * 134775813u + 1u;  // modulo 2^32
  return static_cast<std::uint32_t>((std::uint64_t{seed_} * range) >> 32);
}

std::uint32_t TRandomSource::Seed() const { return seed_; }

}  // namespace engine
