// Game states for the save-file tests.
#pragma once

#include <cstdint>
#include <limits>
#include <string_view>

#include "core/game_state.h"
#include "core/player_name.h"
#include "save/save_lines.h"

namespace fm::testing {

// A game in which every saved field holds its own value, negative ones and both ends of the
// 32-bit range included, so a field written to or read from the wrong line shows. `seed` makes
// different games with the same property.
inline Game_State distinct_game(std::string_view name = "Wanderer", std::int32_t seed = 1) {
  Game_State state;
  state.Player_Name = Clean_Name(name);
  for (std::size_t n = 1; n < Save_Line_Count; ++n) {
    const auto line = static_cast<std::int32_t>(n);
    const std::int32_t value = (line * 1009 + seed * 7) * (line % 2 == 0 ? -1 : 1);
    number_of(state, Save_Lines[n]) = value;
  }
  number_of(state, Save_Lines[7]) = std::numeric_limits<std::int32_t>::min();
  number_of(state, Save_Lines[90]) = std::numeric_limits<std::int32_t>::max();
  return state;
}

}  // namespace fm::testing
