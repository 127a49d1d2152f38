#include "core/start_menu.h"

#include <algorithm>
#include <cstdint>
#include <limits>

#include "core/game_state.h"
#include "core/io.h"
#include "core/player_name.h"
#include "platform/random.h"
#include "save/save_file.h"
#include "world/areas.h"

namespace fm {

namespace {

constexpr std::int32_t Gamble_Stake = 25;  // the gold a gambler starts with
constexpr std::int32_t Gamble_Debt = -50;  // what a lost gamble leaves

void Continue_Prompt(std::string_view text) {
  print(text);
  Game.choice = ask();
}

}  // namespace

void Start_Menu() {
  print(" __________________\n", "|----Menu----------|\n", "|------------------|\n",
        "|-1.-Start-Game----|\n", "|-2.-Load-Game-----|\n", "|-3.-Options-------|\n",
        "|-4.-Credits-------|\n", "|-5.-Quit-Game-----|\n", "|------------------|\n",
        " Make your choice: ");
  Game.Menu = ask();
  if (Game.Menu == 1) {
    console().clear_screen();
    Player_Create();
  } else if (Game.Menu == 2) {
    Load();
    Game.x = 1;
    Game.y = 1;
    Level_Select();
  }
}

void Player_Create() {
  print("Welcome to the world of Farrowmede!\n\n");
  print("What is your name?\n");
  Game.Player_Name = Clean_Name(console().read_word());
  console().clear_screen();
  const std::string_view name = Name_Text(Game.Player_Name);
  print("So, your name is ", name, "?\n");
  print("Great! ", name, ", I have a question for you.\n");
  print("Do you like gambeling? (1 = yes, 2 = no)\n");
  Game.choice = ask();
  if (Game.choice == 1) {
    console().clear_screen();
    print("Willing to take the risk I see. Wonderful. A good thing too.\n",
          "You are broke right now, but I will cut you a deal.\n",
          "I will give you 25 gold and a 50/50 chance to double or nothing.\n",
          "Double or nothing... as many times as you want. However, there is a catch.\n",
          "If you lose, you pay up. I will be keeping the first 50 gold you make in your "
          "journey.\n");
    print("\nToo late to back down now.\n\n");
    Continue_Prompt("Press any key to continue...");
    Game.money = Gamble_Stake;
    console().clear_screen();
    Gambeling();
  }
  Level_Select();
}

void Gambeling() {
  for (;;) {
    print("You have ", Game.money, " Gold. 1 = Double or Nothing, 2 = Stop?\n");
    Game.choice = ask();
    if (Game.choice != 1) return;

    Random rng(console().now_seconds());
    const bool won = rng.draw() % 2 == 0;
    Game.choice = won ? 3 : 4;
    if (won) {
      print("\nCongradulations! You doubled your money!");
      // A winning streak stops growing at the largest amount the purse can hold.
      Game.money = static_cast<std::int32_t>(std::min<std::int64_t>(
          std::int64_t{Game.money} * 2, std::numeric_limits<std::int32_t>::max()));
      Continue_Prompt("\nPress any key to continue... ");
    } else {
      print("\nOuch! Tough luck. You owe me big now! HAHAHA!\n");
      Game.money = Gamble_Debt;
      print("You have ", Game.money, " Gold.");
      Continue_Prompt("\nPress any key to continue... ");
      return;
    }
  }
}

}  // namespace fm
