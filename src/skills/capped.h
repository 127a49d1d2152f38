// Adding to a signed 32-bit game counter without leaving its range: the sum is worked out in
// 64 bits and stops at the largest (or smallest) value the counter can hold.
#pragma once

#include <algorithm>
#include <cstdint>
#include <limits>

namespace fm {

constexpr std::int32_t capped(std::int64_t value) {
  constexpr std::int64_t low = std::numeric_limits<std::int32_t>::min();
  constexpr std::int64_t high = std::numeric_limits<std::int32_t>::max();
  return static_cast<std::int32_t>(std::clamp(value, low, high));
}

// counter := counter + amount, stopping at the ends of the 32-bit range.
constexpr void add_capped(std::int32_t& counter, std::int64_t amount) {
  counter = capped(std::int64_t{counter} + amount);
}

}  // namespace fm
