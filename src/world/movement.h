// Moving the player by the direction flag of the arrow being handled.
#pragma once

#include <cstdint>

namespace fm {

// Moves the player `distance` squares in the direction of the one direction flag that is set
// (tested in the order Up, Down, Left, Right): the old square becomes " ", the new one "@"
// whatever it held. Nothing moves when no flag is set, or when the target lies outside the grid.
void Move_Player(std::int32_t distance);

}  // namespace fm
