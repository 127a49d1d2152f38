// The game state: the one record that holds the whole game for the whole run. Handlers read and
// change its fields in place; the next frame of the main loop shows the result.
#pragma once

#include <array>
#include <cstdint>

#include "core/items.h"

namespace fm {

inline constexpr int Map_Size = 100;  // Map is Map_Size rows of Map_Size characters
using Grid = std::array<std::array<char, Map_Size>, Map_Size>;

// The eight skills, in the order of the skills panel.
enum class Skill : std::uint8_t {
  Health,
  Attack,
  Defence,
  Mining,
  Fishing,
  Woodcutting,
  Firemaking,
  Cooking
};
inline constexpr int Skill_Count = 8;

// The three fields of one skill, named like Mining_Skill, Mining_Level and Mining_Skill_M.
struct Skill_Record {
  std::int32_t Skill = 0;    // experience gathered toward the next level
  std::int32_t Level = 1;    // the current level
  std::int32_t Skill_M = 8;  // the threshold: the experience that completes the level

  friend bool operator==(const Skill_Record&, const Skill_Record&) = default;
};

inline constexpr std::size_t Name_Capacity = 16;  // 15 characters and the terminator

struct Game_State {
  // Position, area and movement.
  std::int32_t x = 1;            // the player's column in Map
  std::int32_t y = 1;            // the player's row in Map
  std::int32_t Level_Sel = 1;    // number of the current area, 1 to 70
  std::int32_t Enter_Level = 0;  // 0 while the next area load is to put the player on (1, 1)
  Grid Map{};                    // the current area, Map[y][x]; NUL outside the field
  std::int32_t Up = 0;           // 1 while the Up arrow is handled (and after, until next pass)
  std::int32_t Down = 0;         // as Up, for the Down arrow
  std::int32_t Left = 0;         // as Up, for the Left arrow
  std::int32_t Right = 0;        // as Up, for the Right arrow

  // The player.
  std::array<char, Name_Capacity> Player_Name{};  // zero-terminated, at most 15 characters
  std::int32_t Health = 10;                       // hit points: Health_Level x 10 at start-up
  std::int32_t money = 0;                         // gold from the start-up gamble; never saved

  // Experience, level and threshold of each skill, indexed by Skill.
  std::array<Skill_Record, Skill_Count> Skills{};

  // Tool fields: the answer typed at the tool's offer; the tool is carried while it holds 1.
  std::int32_t pick = 0;  // pick axe, needed for mining
  std::int32_t pole = 0;  // fishing pole, needed for fishing
  std::int32_t axe = 0;   // axe, needed for woodcutting

  std::array<std::int32_t, Item_Count> Inventory{};  // items carried, indexed by Item
  std::array<std::int32_t, Item_Count> B{};          // items stored in the bank (B_Copper_Ore ...)
  std::int32_t total = Inventory_Size;               // free inventory spaces
  std::int32_t bank = Bank_Size;                     // free bank spaces; may go below 0

  // Panels, loop and answers.
  std::int32_t Show_Item = 0;      // 1 while the inventory panel is shown (key Q)
  std::int32_t Show_Skill = 0;     // 1 while the skills panel is shown (key W)
  std::int32_t Show_Location = 0;  // 1 while the location panel is shown (key E)
  bool Game_Running = true;        // the main loop runs while this is true
  bool Loop_Started = false;       // true once Game_Mechanics has started; it starts only once
  std::int32_t choice = 0;         // the shared answer field of most questions
  std::int32_t Menu = 0;           // the start menu's answer
  std::int32_t mining = 0;         // the mining prompts' answers
  std::int32_t fishing = 0;        // the fishing prompts' answers
  std::int32_t woodcutting = 0;    // the woodcutting prompts' answers

  Skill_Record& skill(Skill which) { return Skills[static_cast<std::size_t>(which)]; }
  const Skill_Record& skill(Skill which) const { return Skills[static_cast<std::size_t>(which)]; }

  // The character of square (row, column); NUL for every square outside the grid.
  char square(std::int64_t row, std::int64_t column) const {
    if (row < 0 || row >= Map_Size || column < 0 || column >= Map_Size) return '\0';
    return Map[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
  }
  // Writes a square; a square outside the grid is left alone.
  void set_square(std::int64_t row, std::int64_t column, char value) {
    if (row < 0 || row >= Map_Size || column < 0 || column >= Map_Size) return;
    Map[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)] = value;
  }

  friend bool operator==(const Game_State&, const Game_State&) = default;
};

// The one game state of the run.
extern Game_State Game;

// Puts every field back to its start-up value (Health = Health_Level x 10). Used at start-up
// and by tests between cases.
void reset_game_state();

}  // namespace fm
