// The scripts that the whole-process measurements feed to the game, in the stream protocol.
#pragma once

#include <string>

namespace fm::bench {

// Starts a new game ("1", a name, no gamble), then presses `keys` keys: Right and Left in turn
// over open ground, with one of Q, W, E every thousandth key, so the panels come and go; then
// Esc and "2" (quit without saving). Each key press draws one frame.
std::string walking_script(int keys);

// The opening of a new game, up to its first frame.
std::string new_game_opening();

// A game saved where mining Blurite is offered (pickaxe held, mining level 5, an area past 4),
// and the keys that load it, walk to a rock and choose Blurite: a mining action that waits
// pause(4) before it gives the ore.
struct Mining_Setup {
  std::string save_text;
  std::string script;  // up to and including the choice of Blurite
  std::string after;   // what ends the game afterwards
};
Mining_Setup blurite_mining();

}  // namespace fm::bench
