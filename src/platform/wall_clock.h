// The wall clock in whole seconds, and a sleep until a given second of it.
#pragma once

#include <cstdint>

namespace fm {

// Seconds since the epoch, like time().
std::int64_t wall_clock_seconds();

// Sleeps until the wall clock has reached `target` (at once when it has already). Sleeps in the
// kernel, never spins, and goes back to sleep when a signal interrupts it.
void sleep_until_second(std::int64_t target);

}  // namespace fm
