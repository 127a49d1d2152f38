#include "core/panels.h"

#include <array>
#include <string_view>

#include "core/game_state.h"
#include "core/io.h"

namespace fm {

namespace {

struct Tool_Line {
  std::int32_t Game_State::*field;
  std::string_view text;
};
constexpr std::array<Tool_Line, 3> Tool_Lines = {{
    {&Game_State::pick, "You have a Pick Axe\n"},
    {&Game_State::pole, "You have a Fishing Pole\n"},
    {&Game_State::axe, "You have an Axe\n"},
}};

struct Skill_Line {
  Skill skill;
  std::string_view label;
  bool empty_line_before;
};
constexpr std::array<Skill_Line, Skill_Count> Skill_Lines = {{
    {Skill::Health, "Health Level: ", true},
    {Skill::Attack, "Attack Level: ", true},
    {Skill::Defence, "Defence Level: ", true},
    {Skill::Mining, "Mining Level: ", true},
    {Skill::Fishing, "Fishing Level: ", false},
    {Skill::Woodcutting, "Woodcutting Level: ", false},
    {Skill::Firemaking, "Fire Making Level: ", false},
    {Skill::Cooking, "Cooking Level: ", false},
}};

}  // namespace

void Items_List() {
  if (Game.Show_Item != 1) {
    print("Press Q to show Items\n\n");
    return;
  }
  for (const Tool_Line& tool : Tool_Lines) {
    if (Game.*tool.field == 1) print(tool.text);
  }
  for (int item = 0; item < Item_Count; ++item) {
    const std::int32_t count = Game.Inventory[static_cast<std::size_t>(item)];
    if (count != 0)
      print("\nYou have: ", count, Items[static_cast<std::size_t>(item)].display, "\n");
  }
  print("\nYou have: ", Game.total, " inventory spaces free\n\n");
}

void Skills_List() {
  if (Game.Show_Skill != 1) {
    print("Press W to show skills\n\n");
    return;
  }
  for (const Skill_Line& line : Skill_Lines) {
    const Skill_Record& record = Game.skill(line.skill);
    if (line.empty_line_before) print("\n");
    print(line.label, record.Level, "  Till next level: ", record.Skill, "/", record.Skill_M,
          "\n\n");
  }
}

void Location() {
  if (Game.Show_Location != 1) {
    print("Press E to show location\n\n");
    return;
  }
  print("\nNorth ", Game.Up, ", East ", Game.Right, ", South ", Game.Down, ", West ", Game.Left,
        "\n\n");
  print("Position X, ", Game.x, ", Position Y, ", Game.y, "\n\n");
  print("Area #", Game.Level_Sel, "\n\n");
}

}  // namespace fm
