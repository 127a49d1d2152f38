// The pseudo-random generator of the random events. Every event (a gamble turn, a monster
// encounter) makes its own generator seeded from the wall clock in whole seconds, so events
// started within the same second draw the same values.
#pragma once

#include <cstdint>
#include <random>

namespace fm {

class Random {
 public:
  explicit Random(std::int64_t seed_seconds)
      : engine_(static_cast<std::uint32_t>(static_cast<std::uint64_t>(seed_seconds))) {}
  // A non-negative draw, so that `draw() % n` is an ordinary remainder.
  std::int32_t draw() { return static_cast<std::int32_t>(engine_() >> 1); }

 private:
  std::mt19937 engine_;
};

}  // namespace fm
