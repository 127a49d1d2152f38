#include "core/game_state.h"

namespace fm {

Game_State Game;

void reset_game_state() {
  Game = Game_State{};
  Game.Health = Game.skill(Skill::Health).Level * 10;
}

}  // namespace fm
