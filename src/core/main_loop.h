// The main loop: one frame per pass, then the nine keys in their fixed order.
#pragma once

namespace fm {

// Runs passes until Game_Running is false. Started once per game, by Level_Select.
void Game_Mechanics();

}  // namespace fm
