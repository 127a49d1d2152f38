// The wall clock and the sleep on Windows: the system time, and Sleep for the time left.
#include <windows.h>

#include "platform/wall_clock.h"

namespace fm {

namespace {

constexpr std::int64_t Ticks_Per_Second = 10'000'000;  // the system time counts 100 ns ticks
constexpr std::int64_t Ticks_Per_Millisecond = 10'000;
// From 1601-01-01, where the system time starts, to 1970-01-01, where time() starts.
constexpr std::int64_t Epoch_Offset_Ticks = 116'444'736'000'000'000;
// Sleeps longer than this are taken in parts, so a far target never overflows a DWORD.
constexpr std::int64_t Longest_Sleep_Ms = 60'000;

std::int64_t now_ticks() {
  FILETIME now{};
  GetSystemTimeAsFileTime(&now);
  const std::uint64_t ticks =
      (static_cast<std::uint64_t>(now.dwHighDateTime) << 32) | now.dwLowDateTime;
  return static_cast<std::int64_t>(ticks) - Epoch_Offset_Ticks;
}

}  // namespace

std::int64_t wall_clock_seconds() {
  return now_ticks() / Ticks_Per_Second;
}

void sleep_until_second(std::int64_t target) {
  for (std::int64_t left = target * Ticks_Per_Second - now_ticks(); left > 0;
       left = target * Ticks_Per_Second - now_ticks()) {
    std::int64_t ms = (left + Ticks_Per_Millisecond - 1) / Ticks_Per_Millisecond;
    if (ms > Longest_Sleep_Ms) ms = Longest_Sleep_Ms;
    Sleep(static_cast<DWORD>(ms));
  }
}

}  // namespace fm
