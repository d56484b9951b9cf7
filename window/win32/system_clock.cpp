#include "window/win32/system_clock.h"

std::uint32_t MillisecondsOfDay(const SYSTEMTIME& time) {
  return ((std::uint32_t{time.wHour} * 60 + time.wMinute) * 60 + time.wSecond) * 1000 +
         time.wMilliseconds;
}

std::uint32_t SystemTimeMillisecondsOfDay() {
  SYSTEMTIME now;
  GetSystemTime(&now);
  return MillisecondsOfDay(now);
}
