#include "world/monsters.h"

#include <array>
#include <cstdint>
#include <string_view>

#include "core/game_state.h"
#include "core/io.h"
#include "platform/pause.h"
#include "platform/random.h"

namespace fm {
namespace {

inline constexpr int Monster_Kinds = 8;

// The announcement of each kind, kind 1 first.
inline constexpr std::array<std::string_view, Monster_Kinds> Announcements = {{
    "A Rat has emerged.",
    "A Spider has emerged.",
    "A Snake has emerged.",
    "A Scorpion has emerged.",
    "A Venus Fly Trap has emerged.",
    "A Goblin has emerged.",
    "A Rooster has emerged.",
    "A Bat has emerged.",
}};
inline constexpr int Rat = 1;

struct Monster {
  std::int32_t kind;     // 1 to 8
  std::int32_t health;   // 5 to 9, shown only
  std::int32_t attack;   // 1 to 5
  std::int32_t defence;  // 1 to 5, shown only
};

// Four draws, in this order, from a generator seeded with the current second: encounters that
// start within the same second meet the same monster.
Monster Draw_Monster() {
  Random rng(console().now_seconds());
  Monster monster{};
  monster.kind = rng.draw() % Monster_Kinds + 1;
  monster.health = rng.draw() % 5 + 5;
  monster.attack = rng.draw() % 5 + 1;
  monster.defence = rng.draw() % 5 + 1;
  return monster;
}

void Print_Block(std::string_view who, std::int64_t health, std::int64_t attack,
                 std::int64_t defence) {
  print(who, "\n", "Health: ", health, "\n", "Attack: ", attack, "\n", "Defence: ", defence, "\n",
        "\n");
}

}  // namespace

// One exchange with a monster. It shows the monster beside the player and, for the defensive
// stance, the damage the monster's attack would deal; nothing in the game changes.
void Monster_1() {
  const Monster monster = Draw_Monster();
  const std::int32_t defence_level = Game.skill(Skill::Defence).Level;

  console().clear_screen();
  print(Announcements[static_cast<std::size_t>(monster.kind - 1)], "\n\n");
  pause(2);
  Print_Block("Enemy: ", monster.health, monster.attack, monster.defence);
  Print_Block("You: ", Game.Health, Game.skill(Skill::Attack).Level, defence_level);
  pause(2);
  print("You ready your weapon in the: 1 Defencive Position, 2 Offencive Position.\n");
  const std::int32_t stance = ask();
  if (stance != 1) return;
  if (monster.kind == Rat) {
    print("You ready your weapon for the Rat to attack.\n\n",
          "The rat with its sharp fengs jumps at you. ");
  }
  // In 64 bits, so a defence level brought in by a save file cannot overflow the difference.
  const std::int64_t damage = std::int64_t{monster.attack} - defence_level;
  print("It deals ", damage, " damage.");
}

}  // namespace fm
