#include "world/villagers.h"

#include <algorithm>
#include <array>
#include <cstdint>

#include "core/game_state.h"
#include "core/io.h"

namespace fm {
namespace {

struct Square {
  std::int32_t row;
  std::int32_t column;
};

// The open squares next to each villager, from which the player talks to it.
inline constexpr std::array<Square, 3> Shopkeeper_Squares = {{{9, 31}, {10, 32}, {9, 33}}};
inline constexpr Square Greeter_Square{7, 31};
inline constexpr std::array<Square, 4> Asker_Squares = {{{16, 37}, {16, 39}, {17, 38}, {15, 38}}};

bool player_on(Square square) {
  return Game.y == square.row && Game.x == square.column;
}

template <std::size_t N>
bool player_on_any(const std::array<Square, N>& squares) {
  return std::any_of(squares.begin(), squares.end(), player_on);
}

// A villager who only speaks: the words, then a continue prompt whose answer is not used.
void Say(std::string_view words) {
  print("\n\n", words, "\n", "Press any key to continue... ");
  Game.choice = ask();
}

}  // namespace

// The shopkeeper of area 1. The shop has nothing to sell yet: its list is shown, and whatever
// is answered, no gold and no item changes hands.
void World1_NPC() {
  if (!player_on_any(Shopkeeper_Squares)) return;
  print("\n\n", "Hi there! Care to buy anything?\n",
        "I haven't got much but I have a few cheap weapons to get you started.\n",
        "1 = Shop, 2 = leave");
  Game.choice = ask();
  if (Game.choice != 1) return;
  console().clear_screen();
  print("What would you like to purchase?\n\n", "1, Rusty Sword = 25 gp\n",
        "2, Rusty Axe = 25 gp\n", "3, Rusty Dagger = 25 gp\n", "4, Rusty Shield = 25 gp\n",
        "5, Cracked Wooden Air Staff = 25 gp\n");
  Game.choice = ask();
}

// The two villagers of area 4.
void World4_NPC() {
  if (player_on(Greeter_Square)) {
    Say("Hi!");
  } else if (player_on_any(Asker_Squares)) {
    Say("Do you think you could possibly do something for me?");
  }
}

}  // namespace fm
