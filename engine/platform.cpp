// The two places where the engine asks the system something: the clock and
// the locale's decimal separator.
#include <chrono>
#include <clocale>
#include <cstring>

#include "decimal_mark.h"
#include "random_source.h"

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

void LoadDecimalMark() {
  const std::lconv* conventions = std::localeconv();
  const char* point = conventions != nullptr ? conventions->decimal_point : nullptr;
  SetDecimalMark(point != nullptr && std::strlen(point) == 1 ? point[0] : '.');
}

}  // namespace engine
