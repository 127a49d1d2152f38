// Turning a typed or loaded word into the player's name.
#pragma once

#include <string_view>

#include "core/game_state.h"

namespace fm {

// Keeps at most 15 characters of `word` after dropping control characters (bytes below 0x20 and
// 0x7F), so that no name can carry a terminal escape sequence to the screen.
std::array<char, Name_Capacity> Clean_Name(std::string_view word);

// The name as text, up to its terminator.
std::string_view Name_Text(const std::array<char, Name_Capacity>& name);

}  // namespace fm
