#include "skills/firemaking.h"

#include <array>
#include <cstdint>

#include "core/game_state.h"
#include "core/io.h"
#include "platform/pause.h"
#include "skills/capped.h"
#include "skills/experience.h"
#include "skills/log_table.h"

namespace fm {

namespace {

bool burnable(const Burnable_Log& log) {
  const std::int32_t level = Game.skill(Skill::Firemaking).Level;
  // A log must be held: a counter of 0 (or below) is never burned.
  return Game.Inventory[log.item] > 0 && (!log.level_bound || level > *log.level_bound) &&
         Game.Level_Sel >= log.first_area && Game.Level_Sel <= log.last_area;
}

// The neighbour of the player that answer 1 to 4 names: left, up, right, down.
struct Offset {
  std::int64_t row;
  std::int64_t column;
};
constexpr std::array<Offset, 4> Fire_Directions = {{{0, -1}, {-1, 0}, {0, 1}, {1, 0}}};

}  // namespace

void Tab_Action() {
  print("What would you like to do?", "\n", "Light a fire?", "\n", "1 yes, 2 no", "\n");
  Game.choice = ask();
  if (Game.choice != 1) return;

  print("\n\n", "What type of wood would you like to burn? ");
  for (const Burnable_Log& log : Burnable_Logs) {
    if (burnable(log)) print(log.entry);
  }
  print("Any key to cut nothing", "\n");

  Game.choice = ask();
  if (Game.choice < 1 || Game.choice > static_cast<std::int32_t>(Burnable_Logs.size())) return;
  const Burnable_Log& log = Burnable_Logs[static_cast<std::size_t>(Game.choice - 1)];
  if (!burnable(log)) return;

  print("Where would you like to start your fire?", "\n", " 1 left, 2 up, 3 right, 4 down", "\n");
  Game.choice = ask();
  if (Game.choice >= 1 && Game.choice <= static_cast<std::int32_t>(Fire_Directions.size())) {
    const Offset offset = Fire_Directions[static_cast<std::size_t>(Game.choice - 1)];
    const std::int64_t row = std::int64_t{Game.y} + offset.row;
    const std::int64_t column = std::int64_t{Game.x} + offset.column;
    // Only an empty square takes a fire; a square off the grid reads as NUL and is refused.
    if (Game.square(row, column) == ' ') {
      Game.set_square(row, column, 'F');
      Game.Inventory[log.item] -= 1;
      add_capped(Game.total, 1);
      Gain_Experience(Skill::Firemaking, Fire_Experience);
      return;
    }
  }
  print("You cannot light a fire here.");
  pause(1);
}

}  // namespace fm
