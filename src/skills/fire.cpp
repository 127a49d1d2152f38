#include "skills/fire.h"

#include <cstdint>

#include "core/game_state.h"
#include "core/io.h"
#include "platform/pause.h"
#include "skills/capped.h"
#include "skills/cooking_table.h"
#include "skills/experience.h"
#include "world/movement.h"

namespace fm {

namespace {

bool cookable(const Cookable_Fish& fish) {
  // A fish must be held: a counter of 0 (or below) is never cooked.
  return Game.Inventory[fish.raw] > 0 &&
         (!fish.level || Game.skill(Skill::Cooking).Level == *fish.level);
}

// Cooks one raw fish into a cooked one; the inventory space it takes stays the same.
void Cook() {
  print("What type of fish would you like to cook?", "\n");
  for (const Cookable_Fish& fish : Cookable_Fishes) {
    if (cookable(fish)) print(fish.entry);
  }
  print("Press any key to cook nothing.", "\n");

  Game.choice = ask();
  if (Game.choice < 1 || Game.choice > static_cast<std::int32_t>(Cookable_Fishes.size())) return;
  const Cookable_Fish& fish = Cookable_Fishes[static_cast<std::size_t>(Game.choice - 1)];
  if (!cookable(fish)) return;

  pause(Cooking_Wait);
  print(fish.message);
  Game.Inventory[fish.raw] -= 1;
  add_capped(Game.Inventory[fish.cooked], 1);
  pause(1);
  Gain_Experience(Skill::Cooking, fish.experience);
}

}  // namespace

void Fire_Action() {
  print("Would you like to do with the fire? ", "\n", "1 extinguish, 2 cook, 3 walk, 4 nothing",
        "\n");
  Game.choice = ask();
  switch (Game.choice) {
    case 1:
      // Putting the fire out: the player steps onto its square, whose "F" becomes the marker.
      Move_Player(1);
      break;
    case 2:
      Cook();
      break;
    case 3:
      // The message stands until the player answers; nothing else changes.
      print("You have been burned.");
      Game.choice = ask();
      break;
    default:
      break;
  }
}

}  // namespace fm
