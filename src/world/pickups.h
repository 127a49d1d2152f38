// Tool pickups and doors: square handlers that offer a tool or take the player through a door.
#pragma once

namespace fm {

// The offers of the pick axe ("p"), the axe ("a") and the fishing pole ("f").
void Take_Pickaxe();
void Take_Axe();
void Take_Fishingpole();
// Takes the player over a door square "D" to the square beyond it.
void Door_Action();

}  // namespace fm
