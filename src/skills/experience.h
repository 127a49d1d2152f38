// The one rule that turns experience into levels, shared by every skill.
#pragma once

#include <cstdint>

#include "core/game_state.h"

namespace fm {

// Adds `amount` experience to `skill`; reaching the threshold raises the level by one, empties
// the experience and grows the threshold by an eighth.
void Gain_Experience(Skill skill, std::int32_t amount);

}  // namespace fm
