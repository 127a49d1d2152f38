#include "world/movement.h"

#include "core/game_state.h"

namespace fm {

void Move_Player(std::int32_t distance) {
  std::int64_t dy = 0;
  std::int64_t dx = 0;
  if (Game.Up == 1) {
    dy = -distance;
  } else if (Game.Down == 1) {
    dy = distance;
  } else if (Game.Left == 1) {
    dx = -distance;
  } else if (Game.Right == 1) {
    dx = distance;
  } else {
    return;
  }
  const std::int64_t new_y = std::int64_t{Game.y} + dy;
  const std::int64_t new_x = std::int64_t{Game.x} + dx;
  if (new_y < 0 || new_y >= Map_Size || new_x < 0 || new_x >= Map_Size) return;
  Game.set_square(Game.y, Game.x, ' ');
  Game.y = static_cast<std::int32_t>(new_y);
  Game.x = static_cast<std::int32_t>(new_x);
  Game.set_square(Game.y, Game.x, '@');
}

}  // namespace fm
