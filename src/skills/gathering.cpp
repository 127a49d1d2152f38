#include "skills/gathering.h"

#include <cstdint>

#include "core/game_state.h"
#include "core/io.h"
#include "platform/pause.h"
#include "skills/capped.h"
#include "skills/experience.h"
#include "skills/gathering_tables.h"

namespace fm {

namespace {

constexpr std::int32_t Last_Area = 70;

bool offered(const Gathering_Option& option, std::int32_t level) {
  const bool level_ok = !option.level_bound || level > *option.level_bound;
  const bool area_ok = !option.area_bound || Game.Level_Sel > *option.area_bound;
  return level_ok && area_ok;
}

// One gathering action: asks whether to gather, lists what the skill level and the area allow
// and gives one item of the chosen option. Every refusal on the way ends the action silently.
void Gather(const Gathering_Skill& gathering) {
  if (Game.*gathering.tool != 1) return;

  std::int32_t& selection = Game.*gathering.selection;
  print(gathering.lead, gathering.first_question, "\n", "1 yes, 2 no", "\n");
  selection = ask();
  if (selection != 1) return;
  if (Game.total <= 0) return;  // no free space in the inventory

  print("\n", gathering.second_question, "\n");
  if (Game.Level_Sel > Last_Area) return;

  const std::int32_t level = Game.skill(gathering.skill).Level;
  print("\n");
  for (const Gathering_Option& option : gathering.options) {
    if (offered(option, level)) print(option.entry);
  }
  print(gathering.closing, "\n");

  selection = ask();
  // Option numbers are fixed by the table, so a number that the list did not show (or any
  // number outside the table) gives nothing.
  if (selection < 1 || selection > static_cast<std::int32_t>(gathering.options.size())) return;
  const Gathering_Option& option = gathering.options[static_cast<std::size_t>(selection - 1)];
  if (!offered(option, level)) return;

  pause(option.wait);
  print(option.message);
  add_capped(Game.Inventory[option.item], 1);
  Game.total -= 1;
  pause(1);
  Gain_Experience(gathering.skill, option.experience);
}

}  // namespace

void Start_Mining() {
  Gather(Mining_Gathering);
}
void Start_Fishing() {
  Gather(Fishing_Gathering);
}
void Start_Chopping() {
  Gather(Woodcutting_Gathering);
}

}  // namespace fm
