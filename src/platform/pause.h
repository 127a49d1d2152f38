#pragma once

#include <cstdint>

namespace fm {

// Holds the game for `seconds` whole wall-clock seconds: reads the clock once, adds `seconds`,
// and sleeps until the clock has reached that second. Prints nothing.
void pause(std::int32_t seconds);

}  // namespace fm
