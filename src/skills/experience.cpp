#include "skills/experience.h"

#include <cstdint>
#include <limits>

#include "skills/capped.h"

namespace fm {

namespace {

// The threshold of the next level: an eighth more, truncated toward zero (for every threshold
// in play this equals threshold + threshold / 8). It stops at the largest 32-bit value instead
// of wrapping, so a skill trained far beyond play keeps a sensible threshold.
std::int32_t next_threshold(std::int32_t threshold) {
  constexpr double high = std::numeric_limits<std::int32_t>::max();
  const double grown = static_cast<double>(threshold) * 1.125;
  if (grown >= high) return std::numeric_limits<std::int32_t>::max();
  return capped(static_cast<std::int64_t>(grown));
}

}  // namespace

void Gain_Experience(Skill skill, std::int32_t amount) {
  Skill_Record& record = Game.skill(skill);
  add_capped(record.Skill, amount);
  if (record.Skill < record.Skill_M) return;
  // One level at most per gain; experience beyond the threshold is not carried over.
  record.Skill = 0;
  record.Skill_M = next_threshold(record.Skill_M);
  add_capped(record.Level, 1);
}

}  // namespace fm
