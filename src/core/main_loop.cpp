#include "core/main_loop.h"

#include <array>
#include <cstring>

#include "bank/bank.h"
#include "core/game_state.h"
#include "core/io.h"
#include "core/panels.h"
#include "core/player_name.h"
#include "save/save_file.h"
#include "skills/fire.h"
#include "skills/firemaking.h"
#include "skills/gathering.h"
#include "world/areas.h"
#include "world/monsters.h"
#include "world/pickups.h"
#include "world/villagers.h"

namespace fm {

namespace {

constexpr int Frame_Map_Rows = 26;  // rows 0 to 25 of Map are printed; 21 to 25 are empty

// The four arrows, in the order the loop polls them, with the square each one points at.
struct Arrow {
  Key key;
  std::int32_t Game_State::*flag;
  std::int32_t dy;
  std::int32_t dx;
};
constexpr std::array<Arrow, 4> Arrows = {{
    {Key::Down, &Game_State::Down, 1, 0},
    {Key::Up, &Game_State::Up, -1, 0},
    {Key::Right, &Game_State::Right, 0, 1},
    {Key::Left, &Game_State::Left, 0, -1},
}};

// The squares whose handler runs while the player stays put, in the order they are tested
// (after the exits and open ground).
using Handler = void (*)();
struct Square_Handler {
  char square;
  Handler handler;
};
constexpr std::array<Square_Handler, 9> Square_Handlers = {{
    {'M', Start_Mining},
    {'W', Start_Fishing},
    {'T', Start_Chopping},
    {'F', Fire_Action},
    {'B', Bank_Action},
    {'D', Door_Action},
    {'f', Take_Fishingpole},
    {'a', Take_Axe},
    {'p', Take_Pickaxe},
}};

// The highest area in which a monster square starts an encounter.
constexpr std::int32_t Last_Monster_Area = 24;

void Draw_Frame() {
  Console& con = console();
  con.clear_screen();
  for (int row = 0; row < Frame_Map_Rows; ++row) {
    const auto& line = Game.Map[static_cast<std::size_t>(row)];
    con.write(std::string_view(line.data(), strnlen(line.data(), line.size())));
    con.write("\n");
  }
  print(Name_Text(Game.Player_Name), "\n\n");
  print("Health: ", Game.Health, "\n\n\n");
  Items_List();
  Skills_List();
  Location();
  print("\nPress Tab for actions\n\n");
}

void Change_Area(std::int32_t step) {
  Game.Level_Sel += step;
  Game.Enter_Level = 0;
  console().clear_screen();
  Level_Select();
}

// Handles one arrow. Returns false when it led through an exit, which ends the pass.
bool Handle_Arrow(const Arrow& arrow) {
  const std::int64_t target_y = std::int64_t{Game.y} + arrow.dy;
  const std::int64_t target_x = std::int64_t{Game.x} + arrow.dx;
  Game.Up = Game.Down = Game.Left = Game.Right = 0;
  Game.*arrow.flag = 1;

  const char target = Game.square(target_y, target_x);
  switch (target) {
    case '+':
      Change_Area(+1);
      return false;
    case '-':
      Change_Area(-1);
      return false;
    case ' ':
      Game.set_square(Game.y, Game.x, ' ');
      Game.y = static_cast<std::int32_t>(target_y);
      Game.x = static_cast<std::int32_t>(target_x);
      Game.set_square(Game.y, Game.x, '@');
      return true;
    case '1':
      if (Game.Level_Sel <= Last_Monster_Area) Monster_1();
      return true;
    case '&':
      if (Game.Level_Sel == 1) {
        World1_NPC();
      } else if (Game.Level_Sel == 4) {
        World4_NPC();
      }
      return true;
    default:
      for (const Square_Handler& entry : Square_Handlers) {
        if (entry.square == target) {
          entry.handler();
          break;
        }
      }
      return true;
  }
}

void Toggle(std::int32_t& panel) {
  panel = panel == 0 ? 1 : 0;
}

void Save_Prompt() {
  console().clear_screen();
  print(
      "Would you like to save the game? 1 Yes, save, 2 No, don't save and quit, 3 Don't save and "
      "keep playing\n");
  Game.choice = ask();
  if (Game.choice == 1) {
    Save();
    print("Would you like to continue playing or quit? 1 Play, 2 Quit\n");
    Game.choice = ask();
    if (Game.choice == 2) Game.Game_Running = false;
  } else if (Game.choice == 2) {
    Game.Game_Running = false;
  }
}

void Handle_Keys() {
  Console& con = console();
  for (const Arrow& arrow : Arrows) {
    if (con.was_pressed(arrow.key) && !Handle_Arrow(arrow)) return;
  }
  if (con.was_pressed(Key::Q)) Toggle(Game.Show_Item);
  if (con.was_pressed(Key::W)) Toggle(Game.Show_Skill);
  if (con.was_pressed(Key::E)) Toggle(Game.Show_Location);
  if (con.was_pressed(Key::Tab)) Tab_Action();
  if (con.was_pressed(Key::Esc)) Save_Prompt();
}

}  // namespace

void Game_Mechanics() {
  while (Game.Game_Running) {
    Draw_Frame();
    console().wait_for_key();
    Game.Up = Game.Down = Game.Left = Game.Right = 0;
    Handle_Keys();
  }
}

}  // namespace fm
