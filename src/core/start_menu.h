// The program's entry: the start menu, the new character and the double-or-nothing gamble.
#pragma once

namespace fm {

// Shows the start menu once and follows the answer; returns when the game is over.
void Start_Menu();
// Names a new character, offers the gamble and enters area 1.
void Player_Create();
// Double-or-nothing turns until the player stops or loses.
void Gambeling();

}  // namespace fm
