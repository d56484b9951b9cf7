// The clock that seeds the draws: the system time in UTC.
#pragma once

#include <windows.h>

#include <cstdint>

// Milliseconds since midnight of a SYSTEMTIME.
std::uint32_t MillisecondsOfDay(const SYSTEMTIME& time);

// MillisecondsOfDay of GetSystemTime.
std::uint32_t SystemTimeMillisecondsOfDay();
